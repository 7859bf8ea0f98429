#pragma once

#include <cstdint>
#include <memory>

#include "forms/FieldKind.h"
#include "toolkit/StringMap.h"
#include "toolkit/ZString.h"
#include "toolkit/ui/ZControl.h"

class ZControlButton;
class ZControlEdit;
class ZControlList;
class ZDialog;

// One control of a dialog bound to one variable of the dialog, which must outlive the field.
//
// Variables by kind: FIELD_TEXT ZString, FIELD_UNSIGNED std::uint32_t, FIELD_INT std::int32_t,
// FIELD_FLOAT double, FIELD_DATE ZDate, FIELD_MAP_TEXT StringMap (the text is kept under the
// control's name), FIELD_INT_CHOICE std::int32_t, FIELD_TEXT_CHOICE ZString, FIELD_CHECK bool.
// Choice fields list the entries of their table, whose keys are what the variable holds (decimal
// numbers for FIELD_INT_CHOICE) and whose values are the texts shown.
class FormField {
  public:
    // Takes over the dialog's control with this id: an edit box for kinds 1 to 6, a combo box
    // (comboBox set) or list box for the choices, a check box for FIELD_CHECK.
    FormField(ZDialog* parent, unsigned long id, FieldKind kind, const ZString& name, void* value,
              StringMap* choices, bool comboBox);
    FormField(const FormField&) = delete;
    FormField& operator=(const FormField&) = delete;

    void show();
    bool isValid() const;
    void take();

    FieldKind kind;
    void* value;
    std::unique_ptr<ZControl> control;
    StringMap* choices;
    // A regular expression that a value that is not empty must match somewhere.
    ZString pattern;
    // Decimals of FIELD_FLOAT.
    std::uint32_t precision = 2;
    // FIELD_FLOAT shows and reads a decimal comma.
    bool decimalComma = false;
    bool required = false;
    bool mayBeEmpty = false;

  private:
    ZString editText() const;
    void showChoices();
    void takeChoice();
    double readFloat() const;
    bool matchesPattern(const ZString& text) const;
    ZString name_;
    // The owned control by its real type: only the one of the field's kind is set.
    ZControlEdit* edit_ = nullptr;
    ZControlList* list_ = nullptr;
    ZControlButton* button_ = nullptr;
};

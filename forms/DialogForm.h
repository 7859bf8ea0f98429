#pragma once

#include <cstdint>
#include <memory>

#include "forms/FormField.h"
#include "toolkit/IntMap.h"
#include "toolkit/StringMap.h"
#include "toolkit/ZDate.h"
#include "toolkit/ZString.h"

class ZDialog;

// The fields of one dialog by control id, in the order they were added: shows the variables in
// the controls, checks the controls (marking invalid edit boxes red) and takes the values back.
// The add operations take over the dialog's controls, so they belong in its init handler, and
// return the field for the settings that few fields need. Adding a field for an id that has one
// replaces it, and the new field comes last.
class DialogForm {
  public:
    DialogForm() = default;
    DialogForm(const DialogForm&) = delete;
    DialogForm& operator=(const DialogForm&) = delete;
    ~DialogForm() = default;

    // Drops every field; the controls of later fields are the dialog's.
    void reset(ZDialog* dialog);

    FormField& addTextField(unsigned long id, ZString& value);
    FormField& addUnsignedField(unsigned long id, std::uint32_t& value);
    FormField& addIntField(unsigned long id, std::int32_t& value);
    FormField& addFloatField(unsigned long id, double& value);
    FormField& addDateField(unsigned long id, ZDate& value);
    // The text is kept in the table under the name.
    FormField& addMapTextField(unsigned long id, const ZString& name, StringMap& values);
    FormField& addCheckField(unsigned long id, bool& value);
    FormField& addIntChoiceField(unsigned long id, std::int32_t& value, StringMap& choices,
                                 bool comboBox);
    FormField& addTextChoiceField(unsigned long id, ZString& value, StringMap& choices,
                                  bool comboBox);

    void showValues();
    // Checks every field, also after the first invalid one: an invalid edit box turns red, a
    // red one that has become valid turns white again. True when all are valid.
    bool validate();
    void takeValues();
    void clear();

    // Null when the id has no field.
    FormField* field(unsigned long id) const;

  private:
    FormField& add(unsigned long id, FieldKind kind, const ZString& name, void* value,
                   StringMap* choices, bool comboBox);
    template <typename F>
    void forEachField(F&& visit);

    ZDialog* parent = nullptr;
    IntMap<std::unique_ptr<FormField>> fields;
};

#include "forms/DialogForm.h"

#include "toolkit/ZException.h"
#include "toolkit/ui/ZColour.h"
#include "toolkit/ui/ZControlEdit.h"

namespace {

constexpr ZColour BLACK = zRgb(0, 0, 0);
constexpr ZColour WHITE = zRgb(255, 255, 255);
constexpr ZColour RED = zRgb(255, 0, 0);

}  // namespace

void DialogForm::reset(ZDialog* dialog) {
    clear();
    parent = dialog;
}

void DialogForm::clear() {
    fields.clear();
}

FormField* DialogForm::field(unsigned long id) const {
    auto* node = fields.get(static_cast<std::uint32_t>(id));
    return node ? node->value.get() : nullptr;
}

FormField& DialogForm::add(unsigned long id, FieldKind kind, const ZString& name, void* value,
                           StringMap* choices, bool comboBox) {
    if (!parent) {
        throw ZException("The form belongs to no dialog.", 0);
    }
    const auto key = static_cast<std::uint32_t>(id);
    // The old field lets go of the control before the new one takes it over.
    fields.remove(key);
    auto field = std::make_unique<FormField>(parent, id, kind, name, value, choices, comboBox);
    FormField& added = *field;
    fields.put(key, std::move(field));
    return added;
}

FormField& DialogForm::addTextField(unsigned long id, ZString& value) {
    return add(id, FIELD_TEXT, "", &value, nullptr, false);
}

FormField& DialogForm::addUnsignedField(unsigned long id, std::uint32_t& value) {
    return add(id, FIELD_UNSIGNED, "", &value, nullptr, false);
}

FormField& DialogForm::addIntField(unsigned long id, std::int32_t& value) {
    return add(id, FIELD_INT, "", &value, nullptr, false);
}

FormField& DialogForm::addFloatField(unsigned long id, double& value) {
    return add(id, FIELD_FLOAT, "", &value, nullptr, false);
}

FormField& DialogForm::addDateField(unsigned long id, ZDate& value) {
    return add(id, FIELD_DATE, "", &value, nullptr, false);
}

FormField& DialogForm::addMapTextField(unsigned long id, const ZString& name, StringMap& values) {
    return add(id, FIELD_MAP_TEXT, name, &values, nullptr, false);
}

FormField& DialogForm::addCheckField(unsigned long id, bool& value) {
    return add(id, FIELD_CHECK, "", &value, nullptr, false);
}

FormField& DialogForm::addIntChoiceField(unsigned long id, std::int32_t& value, StringMap& choices,
                                         bool comboBox) {
    return add(id, FIELD_INT_CHOICE, "", &value, &choices, comboBox);
}

FormField& DialogForm::addTextChoiceField(unsigned long id, ZString& value, StringMap& choices,
                                          bool comboBox) {
    return add(id, FIELD_TEXT_CHOICE, "", &value, &choices, comboBox);
}

template <typename F>
void DialogForm::forEachField(F&& visit) {
    fields.rewind();
    while (fields.next()) {
        visit(*fields.current()->value);
    }
}

void DialogForm::showValues() {
    forEachField([](FormField& field) { field.show(); });
}

void DialogForm::takeValues() {
    forEachField([](FormField& field) { field.take(); });
}

bool DialogForm::validate() {
    int invalid = 0;
    forEachField([&invalid](FormField& field) {
        const bool valid = field.isValid();
        invalid += valid ? 0 : 1;
        if (!field.control || !field.control->isTextControl()) {
            return;
        }
        auto& edit = static_cast<ZControlEdit&>(*field.control);
        if (!valid) {
            edit.setColor(BLACK, RED);
            edit.invalidateWindow();
        } else if (edit.getBackColor() == RED) {
            edit.setColor(BLACK, WHITE);
            edit.invalidateWindow();
        }
    });
    return invalid == 0;
}

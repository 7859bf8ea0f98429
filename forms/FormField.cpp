#include "forms/FormField.h"

#include <pcre.h>

#include <cstdlib>

#include "forms/FieldConversions.h"
#include "toolkit/ZDate.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZStringTokenizer.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZControlButton.h"
#include "toolkit/ui/ZControlComboBox.h"
#include "toolkit/ui/ZControlEdit.h"
#include "toolkit/ui/ZControlListBox.h"

namespace {

constexpr const char* DATE_FORMAT = "%d.%m.%Y";

template <typename T>
T& bound(void* value) {
    return *static_cast<T*>(value);
}

bool isEditKind(FieldKind kind) {
    return kind >= FIELD_TEXT && kind <= FIELD_MAP_TEXT;
}

// Creates the control, hands its ownership to the field and keeps its own type in typed.
template <typename C, typename T>
void attach(ZDialog* parent, const ZString& name, unsigned long id,
            std::unique_ptr<ZControl>& owner, T*& typed) {
    auto control = std::make_unique<C>();
    control->create(*parent, name, static_cast<int>(id));
    typed = control.get();
    owner = std::move(control);
}

}  // namespace

FormField::FormField(ZDialog* parent, unsigned long id, FieldKind fieldKind, const ZString& name,
                     void* variable, StringMap* table, bool comboBox)
    : kind(fieldKind), value(variable), choices(table), name_(name) {
    if (isEditKind(kind)) {
        attach<ZControlEdit>(parent, name, id, control, edit_);
        required = kind == FIELD_TEXT || kind == FIELD_DATE || kind == FIELD_MAP_TEXT;
    } else if (kind == FIELD_INT_CHOICE || kind == FIELD_TEXT_CHOICE) {
        if (comboBox) {
            attach<ZControlComboBox>(parent, name, id, control, list_);
        } else {
            attach<ZControlListBox>(parent, name, id, control, list_);
        }
    } else if (kind == FIELD_CHECK) {
        attach<ZControlButton>(parent, name, id, control, button_);
    }
}

ZString FormField::editText() const {
    ZString text;
    edit_->getText(text);
    return text;
}

void FormField::show() {
    if (!control || !value) {
        return;
    }
    switch (kind) {
        case FIELD_TEXT:
            edit_->setText(bound<ZString>(value).c_str());
            break;
        case FIELD_UNSIGNED:
            edit_->setText(ZFormattedString("%u", bound<std::uint32_t>(value)).c_str());
            break;
        case FIELD_INT:
            edit_->setText(ZFormattedString("%i", bound<std::int32_t>(value)).c_str());
            break;
        case FIELD_FLOAT: {
            ZFormattedString format("%%.%uf", precision);
            ZString text = ZFormattedString(format.c_str(), bound<double>(value));
            if (decimalComma) {
                text.replace('.', ',');
            }
            edit_->setText(text.c_str());
            break;
        }
        case FIELD_DATE:
            edit_->setText(
                bound<ZDate>(value).format(DATE_FORMAT, ZDate::TIME_ZONE_DEFAULT).c_str());
            break;
        case FIELD_MAP_TEXT: {
            const StringMap::Entry* entry = bound<StringMap>(value).find(name_);
            edit_->setText(entry ? entry->value.c_str() : "");
            break;
        }
        case FIELD_INT_CHOICE:
        case FIELD_TEXT_CHOICE:
            showChoices();
            break;
        case FIELD_CHECK:
            button_->setChecked(bound<bool>(value));
            break;
    }
}

void FormField::showChoices() {
    ZControlList& list = *list_;
    list.removeAllItems();
    if (!choices) {
        return;
    }
    int selected = 0;
    choices->rewind();
    while (choices->next()) {
        const StringMap::Entry& entry = *choices->current();
        if (kind == FIELD_INT_CHOICE) {
            std::int32_t key = std::atoi(entry.key.c_str());
            int index = list.addItem(entry.value, key);
            if (key == bound<std::int32_t>(value)) {
                selected = index;
            }
        } else {
            int index = list.addItem(entry.value, entry.key);
            if (entry.key == bound<ZString>(value)) {
                selected = index;
            }
        }
    }
    list.selectItem(selected);
}

bool FormField::isValid() const {
    if (!isEditKind(kind) || !control) {
        return true;
    }
    const ZString text = editText();
    bool empty = false;
    switch (kind) {
        case FIELD_UNSIGNED:
        case FIELD_INT:
            // Both number kinds count as empty by the "%i" reading, so "08" is empty.
            empty = convertInt(text) == 0;
            break;
        case FIELD_FLOAT:
            empty = readFloat() == 0.0;
            break;
        default:
            empty = text.isEmpty();
            break;
    }
    if (empty) {
        return !required || mayBeEmpty;
    }
    return pattern.isEmpty() || matchesPattern(text);
}

bool FormField::matchesPattern(const ZString& text) const {
    const char* error = nullptr;
    int errorOffset = 0;
    pcre* compiled = pcre_compile(pattern.c_str(), 0, &error, &errorOffset, nullptr);
    if (!compiled) {
        return false;
    }
    int vector[30];
    int result = pcre_exec(compiled, nullptr, text.c_str(), static_cast<int>(text.length()), 0, 0,
                           vector, 30);
    pcre_free(compiled);
    return result > 0;
}

double FormField::readFloat() const {
    ZString text = editText();
    if (decimalComma) {
        text.replace(',', '.');
    }
    float number = convertFloat(text);
    // A minus typed after the number, as some people write it, negates it too.
    if (!text.isEmpty() && text[text.length() - 1] == '-') {
        number = -number;
    }
    return ZSystem::round(static_cast<double>(number), static_cast<int>(precision));
}

void FormField::take() {
    if (!control || !value) {
        return;
    }
    switch (kind) {
        case FIELD_TEXT:
            bound<ZString>(value) = editText();
            break;
        case FIELD_UNSIGNED:
            bound<std::uint32_t>(value) = convertUnsigned(editText());
            break;
        case FIELD_INT:
            bound<std::int32_t>(value) = convertInt(editText());
            break;
        case FIELD_FLOAT:
            bound<double>(value) = readFloat();
            break;
        case FIELD_DATE: {
            ZStringTokenizer parts(editText(), ".", false);
            if (parts.size() < 3) {
                break;
            }
            int day = std::atoi(parts.nextValue().c_str());
            int month = std::atoi(parts.nextValue().c_str());
            int year = std::atoi(parts.nextValue().c_str());
            if (year < 100) {
                year += 2000;
            }
            bound<ZDate>(value).parse(year, month, day, 12, 0, 0, ZDate::TIME_ZONE_DEFAULT);
            break;
        }
        case FIELD_MAP_TEXT:
            bound<StringMap>(value).put(name_, editText());
            break;
        case FIELD_INT_CHOICE:
            bound<std::int32_t>(value) = list_->getSelectedData();
            break;
        case FIELD_TEXT_CHOICE:
            bound<ZString>(value) = list_->getSelectedTextData();
            break;
        case FIELD_CHECK:
            bound<bool>(value) = button_->isChecked();
            break;
    }
}

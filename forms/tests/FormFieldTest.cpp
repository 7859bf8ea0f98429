#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "DialogScript.h"
#include "FormTestDialog.h"
#include "forms/DialogForm.h"
#include "toolkit/ZDate.h"
#include "toolkit/testing/ZDialogDriver.h"
#include "toolkit/ui/ZControlEdit.h"

namespace {

using D = ZDialogDriver;

constexpr ZColour RED = zRgb(255, 0, 0);
constexpr ZColour WHITE = zRgb(255, 255, 255);
constexpr ZColour GREEN = zRgb(0, 255, 0);

// Shows a dialog on the test template with the fields that bind adds, runs the script on it
// and closes it.
void drive(std::function<void(DialogForm&)> bind, std::function<void(FormTestDialog&)> script) {
    FormTestDialog dialog(std::move(bind));
    DialogScript scope(FORM_TEST_TEMPLATE, [&](ZDialog& shown) {
        script(static_cast<FormTestDialog&>(shown));
        shown.close(0);
    });
    dialog.show(true);
}

// Text into a box, validated and taken back.
bool enterAndTake(FormTestDialog& dialog, int id, const char* text) {
    D::enterText(dialog, id, text);
    bool valid = dialog.form.validate();
    dialog.form.takeValues();
    return valid;
}

TEST(FormFieldTest, NumberBoxesConvertLikeTheCLibrary) {
    struct Case {
        const char* text;
        std::uint32_t asUnsigned;
        std::int32_t asInt;
    };
    const std::vector<Case> cases{
        {"08", 8, 0},             // "%i" takes the 0 as an octal prefix and stops at 8
        {"010", 10, 8},           //
        {"0x10", 0, 16},          // "%u" reads no hexadecimal
        {"-1", 4294967295u, -1},  // "%u" negates modulo 2^32
        {" +42 Grad", 42, 42},    // blanks before, anything after the number
        {"Grad", 0, 0},           // nothing converts
        {"", 0, 0},               //
        {"4294967297", 1, 1},     // wraps to 32 bits
    };
    std::uint32_t unsignedValue = 7;
    std::int32_t intValue = 7;
    drive(
        [&](DialogForm& form) {
            form.addUnsignedField(EDIT_A, unsignedValue);
            form.addIntField(EDIT_B, intValue);
        },
        [&](FormTestDialog& dialog) {
            EXPECT_EQ(D::text(dialog, EDIT_A), "7");
            for (const Case& c : cases) {
                D::enterText(dialog, EDIT_A, c.text);
                D::enterText(dialog, EDIT_B, c.text);
                // Numbers are never required: whatever converts to 0 is valid.
                EXPECT_TRUE(dialog.form.validate()) << c.text;
                dialog.form.takeValues();
                EXPECT_EQ(unsignedValue, c.asUnsigned) << c.text;
                EXPECT_EQ(intValue, c.asInt) << c.text;
            }
            intValue = -25;
            unsignedValue = 4294967295u;
            dialog.form.showValues();
            EXPECT_EQ(D::text(dialog, EDIT_A), "4294967295");
            EXPECT_EQ(D::text(dialog, EDIT_B), "-25");
        });
}

TEST(FormFieldTest, ValidationMarksInvalidEditBoxesRedAndValidOnesWhiteAgain) {
    ZString name;
    ZString place = "Kiel";
    ZString other = "x";
    std::uint32_t count = 0;
    drive(
        [&](DialogForm& form) {
            form.addTextField(EDIT_A, name);
            form.addUnsignedField(EDIT_B, count);
            form.addTextField(EDIT_C, place);
            form.addTextField(EDIT_D, other);
        },
        [&](FormTestDialog& dialog) {
            EXPECT_EQ(D::backColor(dialog, EDIT_A), WHITE);
            D::enterText(dialog, EDIT_C, "");
            auto& edit = static_cast<ZControlEdit&>(*dialog.form.field(EDIT_D)->control);
            edit.setColor(0, GREEN);

            // Every field is checked: the second empty text is marked as well as the first.
            EXPECT_FALSE(dialog.form.validate());
            EXPECT_EQ(D::backColor(dialog, EDIT_A), RED);
            EXPECT_EQ(D::backColor(dialog, EDIT_B), WHITE);
            EXPECT_EQ(D::backColor(dialog, EDIT_C), RED);
            // Valid and not red: someone else's colour stays.
            EXPECT_EQ(D::backColor(dialog, EDIT_D), GREEN);

            D::enterText(dialog, EDIT_A, "Name");
            EXPECT_FALSE(dialog.form.validate());
            EXPECT_EQ(D::backColor(dialog, EDIT_A), WHITE);
            EXPECT_EQ(D::backColor(dialog, EDIT_C), RED);
            D::enterText(dialog, EDIT_C, "Kiel");
            EXPECT_TRUE(dialog.form.validate());
            EXPECT_EQ(D::backColor(dialog, EDIT_C), WHITE);
        });
}

TEST(FormFieldTest, PatternsMatchAnywhereInTheTextAndSkipEmptyValues) {
    ZString capitalised, digit, broken, optional;
    std::uint32_t number = 0;
    drive(
        [&](DialogForm& form) {
            form.addTextField(EDIT_A, capitalised).pattern = "^[A-Z][a-z]+$";
            form.addTextField(EDIT_B, digit).pattern = "[0-9]";
            form.addTextField(EDIT_C, broken).pattern = "(";
            FormField& maybe = form.addTextField(EDIT_D, optional);
            maybe.pattern = "^x";
            maybe.mayBeEmpty = true;
            form.addUnsignedField(EDIT_E, number).pattern = "^9";
        },
        [&](FormTestDialog& dialog) {
            const std::tuple<int, const char*, bool> cases[] = {
                {EDIT_A, "Berlin", true},
                {EDIT_A, "berlin", false},
                {EDIT_A, "Berlin1", false},
                {EDIT_B, "ab1cd", true},
                {EDIT_B, "abcd", false},
                {EDIT_C, "(", false},  // a pattern that does not compile fails every value
                {EDIT_D, "", true},
                {EDIT_D, "y", false},
                {EDIT_E, "95", true},
                {EDIT_E, "18", false},
                {EDIT_E, "08", true},  // 0 through "%i": empty, so the pattern is not asked
            };
            for (auto [id, text, valid] : cases) {
                D::enterText(dialog, id, text);
                dialog.form.validate();
                EXPECT_EQ(D::backColor(dialog, id) != RED, valid) << text;
            }
        });
}

// Floating numbers round to their precision and read a trailing minus and a decimal comma;
// dates are day, month and year (two digits mean 20xx) at noon; map texts are kept under
// their names.
TEST(FormFieldTest, FloatDateAndMapTextBoxesShowAndTakeTheirValues) {
    double plain = 3.14159;
    double comma = 2.25;
    ZDate date;
    date.parse(2000, 1, 1, 8, 30, 0, ZDate::TIME_ZONE_DEFAULT);
    StringMap values;
    values.put("ort", "Hamburg");
    drive(
        [&](DialogForm& form) {
            form.addFloatField(EDIT_A, plain);
            FormField& field = form.addFloatField(EDIT_B, comma);
            field.decimalComma = true;
            field.precision = 3;
            form.addDateField(EDIT_C, date);
            form.addMapTextField(EDIT_D, "ort", values);
            form.addMapTextField(EDIT_E, "fluss", values);
        },
        [&](FormTestDialog& dialog) {
            std::string shown;
            for (int id : {EDIT_A, EDIT_B, EDIT_C, EDIT_D, EDIT_E}) {
                shown += D::text(dialog, id).str() + "|";
            }
            EXPECT_EQ(shown, "3.14|2,250|01.01.2000|Hamburg||");
            // The empty map text is required.
            EXPECT_FALSE(dialog.form.validate());
            EXPECT_TRUE(enterAndTake(dialog, EDIT_E, "Elbe"));
            EXPECT_TRUE(enterAndTake(dialog, EDIT_A, "1.5-"));
            EXPECT_EQ(plain, -1.5);
            EXPECT_TRUE(enterAndTake(dialog, EDIT_A, "2.71828"));
            EXPECT_EQ(plain, 2.72);
            EXPECT_TRUE(enterAndTake(dialog, EDIT_B, "7,1254"));
            EXPECT_EQ(comma, 7.125);
            dialog.form.showValues();
            EXPECT_EQ(D::text(dialog, EDIT_B), "7,125");
            // Nothing converts: 0, which counts as empty and is allowed.
            EXPECT_TRUE(enterAndTake(dialog, EDIT_A, "Grad"));
            EXPECT_EQ(plain, 0.0);
            // Day and month only: the date stays as it was (every take before read the shown
            // date back, at noon).
            const ZDate before = date;
            EXPECT_TRUE(enterAndTake(dialog, EDIT_C, "3.4"));
            EXPECT_EQ(date, before);
            EXPECT_TRUE(enterAndTake(dialog, EDIT_C, "1.2.14"));
            EXPECT_EQ(date.format("%d.%m.%Y %H:%M:%S", ZDate::TIME_ZONE_DEFAULT),
                      "01.02.2014 12:00:00");
            EXPECT_FALSE(enterAndTake(dialog, EDIT_C, ""));
            EXPECT_EQ(D::backColor(dialog, EDIT_C), RED);
        });
    EXPECT_EQ(values.find("fluss")->value, "Elbe");
    EXPECT_EQ(values.find("ort")->value, "Hamburg");
}

TEST(FormFieldTest, ChoicesSelectTheMatchingEntryOrElseTheFirst) {
    StringMap hemispheres;
    hemispheres.put("0", "Nord");
    hemispheres.put("1", "Süd");
    StringMap files;
    files.put("a.dat", "A");
    files.put("b.dat", "B");
    StringMap twice;
    twice.put("1", "eins");
    twice.put("01", "auch eins");
    std::int32_t known = 1;
    std::int32_t unknown = 5;
    std::int32_t doubled = 1;
    ZString file = "b.dat";
    bool flag = true;
    drive(
        [&](DialogForm& form) {
            form.addIntChoiceField(COMBO, known, hemispheres, true);
            form.addTextChoiceField(LIST, file, files, false);
            form.addCheckField(CHECK, flag);
        },
        [&](FormTestDialog& dialog) {
            EXPECT_EQ(D::selectedItemText(dialog, COMBO), "Süd");
            EXPECT_EQ(D::selectedItemText(dialog, LIST), "B");
            EXPECT_TRUE(D::isChecked(dialog, CHECK));
            D::selectItem(dialog, LIST, 0);
            D::click(dialog, CHECK);
            dialog.form.takeValues();
            EXPECT_EQ(file, "a.dat");
            EXPECT_FALSE(flag);

            // The same control bound anew replaces its field; when several entries match, the
            // last one wins.
            dialog.form.addIntChoiceField(COMBO, doubled, twice, true);
            dialog.form.showValues();
            EXPECT_EQ(D::selectedItemText(dialog, COMBO), "auch eins");

            dialog.form.addIntChoiceField(COMBO, unknown, hemispheres, true);
            dialog.form.showValues();
            EXPECT_EQ(D::selectedItemText(dialog, COMBO), "Nord");
            dialog.form.takeValues();
            EXPECT_EQ(unknown, 0);
            EXPECT_EQ(known, 1) << "the field bound first was replaced";
        });
}

}  // namespace

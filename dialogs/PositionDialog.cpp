#include "dialogs/PositionDialog.h"

#include "positions/PositionsFile.h"
#include "resources/ResourceIds.h"
#include "toolkit/ZException.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZControlEdit.h"
#include "toolkit/ui/ZDialogTemplate.h"

namespace {

// The hemispheres in the order of the combo boxes; kept for the life of the program.
StringMap& latitudeChoices() {
    static StringMap table;
    return table;
}

StringMap& longitudeChoices() {
    static StringMap table;
    return table;
}

// Whole degrees up to the limit, minutes 0..59, and nothing past the limit itself.
bool inRange(std::int32_t degrees, std::int32_t minutes, std::int32_t limit) {
    return degrees >= 0 && degrees <= limit && minutes >= 0 && minutes <= 59 &&
           !(degrees == limit && minutes > 0);
}

}  // namespace

PositionDialog::PositionDialog(ZWindowContext* parent) : ConfirmDialog(parent, IDD_POSITION) {
    form.reset(this);
}

void PositionDialog::onDialogInit() {
    StringMap& latitudes = latitudeChoices();
    latitudes.put("0", ztr("Nord"));
    latitudes.put("1", ztr("Süd"));
    StringMap& longitudes = longitudeChoices();
    longitudes.put("0", ztr("Ost"));
    longitudes.put("1", ztr("West"));
    form.addTextField(IDC_POSITION_NAME, name);
    form.addIntField(IDC_POSITION_LAT_DEGREES, coordinates.latDegrees);
    form.addIntField(IDC_POSITION_LAT_MINUTES, coordinates.latMinutes);
    form.addIntChoiceField(IDC_POSITION_LAT_HEMISPHERE, coordinates.south, latitudes, true);
    form.addIntField(IDC_POSITION_LON_DEGREES, coordinates.lonDegrees);
    form.addIntField(IDC_POSITION_LON_MINUTES, coordinates.lonMinutes);
    form.addIntChoiceField(IDC_POSITION_LON_HEMISPHERE, coordinates.west, longitudes, true);
    form.showValues();
}

void PositionDialog::confirm() {
    cleanNameBox();
    // An empty name leaves its box red and the dialog open, without a message.
    if (!form.validate()) {
        return;
    }
    form.takeValues();
    // One message per confirmation, the latitude first.
    if (!inRange(coordinates.latDegrees, coordinates.latMinutes, 90)) {
        ZSystem::showMessage(
            this, ztr("Ungültige Breitenangabe (0..90 Bogengrad, 0..59 Minuten möglich)!"),
            "Information", false);
        return;
    }
    if (!inRange(coordinates.lonDegrees, coordinates.lonMinutes, 180)) {
        ZSystem::showMessage(
            this, ztr("Ungültige Längenangabe (0..180 Längengrad, 0..59 Minuten möglich)!"),
            "Information", false);
        return;
    }
    close(1);
}

void PositionDialog::cleanNameBox() {
    FormField* field = form.field(IDC_POSITION_NAME);
    auto* edit = field ? dynamic_cast<ZControlEdit*>(field->control.get()) : nullptr;
    if (edit == nullptr) {
        return;
    }
    ZString text;
    edit->getText(text);
    ZString cleaned = cleanPositionName(text);
    if (cleaned != text) {
        edit->setText(cleaned.c_str());
    }
}

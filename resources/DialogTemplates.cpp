#include "resources/DialogTemplates.h"

#include <array>

#include "resources/ResourceIds.h"

namespace {

using K = ZControlKind;
constexpr int NONE = Z_NO_CONTROL_ID;
constexpr const char* DIALOG_FONT = "MS Shell Dlg";

constexpr std::array POSITION_ITEMS{
    ZDialogItem{NONE, K::Static, "Name / Bezeichnung", 6, 6, 66, 8},
    ZDialogItem{IDC_POSITION_NAME, K::Edit, "", 6, 18, 180, 14},
    ZDialogItem{NONE, K::GroupBox, "GMS-Position", 6, 35, 180, 84},
    ZDialogItem{NONE, K::Static, "Grad", 49, 51, 16, 8},
    ZDialogItem{NONE, K::Static, "Minute", 77, 51, 22, 8},
    ZDialogItem{NONE, K::Static, "Breite", 18, 63, 20, 8},
    ZDialogItem{IDC_POSITION_LAT_DEGREES, K::Edit, "", 49, 63, 24, 12},
    ZDialogItem{IDC_POSITION_LAT_MINUTES, K::Edit, "", 77, 63, 24, 12},
    ZDialogItem{IDC_POSITION_LAT_HEMISPHERE, K::ComboBox, "", 105, 63, 42, 86},
    ZDialogItem{NONE, K::Static, "Länge", 18, 90, 20, 8},
    ZDialogItem{IDC_POSITION_LON_DEGREES, K::Edit, "", 49, 89, 24, 12},
    ZDialogItem{IDC_POSITION_LON_MINUTES, K::Edit, "", 77, 89, 24, 12},
    ZDialogItem{IDC_POSITION_LON_HEMISPHERE, K::ComboBox, "", 105, 89, 42, 66},
    ZDialogItem{Z_IDOK, K::DefaultPushButton, "OK", 6, 129, 50, 14},
    ZDialogItem{Z_IDCANCEL, K::PushButton, "Abbrechen", 62, 129, 50, 14},
};

constexpr std::array DATASET_ITEMS{
    ZDialogItem{NONE, K::Static, "Jahr (ab 1850)", 9, 12, 48, 8},
    ZDialogItem{IDC_DATASET_YEAR, K::Edit, "", 9, 24, 40, 14},
    ZDialogItem{NONE, K::Static, "Monat (1..12)", 74, 12, 46, 8},
    ZDialogItem{IDC_DATASET_MONTH, K::Edit, "", 74, 24, 40, 14},
    ZDialogItem{IDC_DATASET_YEAR_AVERAGE, K::CheckBox, "Jahresdurchschnitt berechnen", 10, 48, 113,
                10},
    ZDialogItem{NONE, K::Static, "Datenbank", 9, 62, 36, 8},
    ZDialogItem{IDC_DATASET_FILE, K::ComboBox, "", 9, 73, 146, 107},
    ZDialogItem{Z_IDOK, K::DefaultPushButton, "OK", 9, 97, 50, 14},
    ZDialogItem{Z_IDCANCEL, K::PushButton, "Abbrechen", 65, 97, 50, 14},
};

constexpr std::array HELP_ITEMS{
    ZDialogItem{IDC_HELP_TEXT, K::RichEdit, "", 7, 7, 542, 221},
    ZDialogItem{IDC_HELP_CLOSE, K::PushButton, "Hilfe schließen", 7, 230, 107, 14},
};

constexpr std::array EXPORT_ITEMS{
    ZDialogItem{NONE, K::Static,
                "Aktuelle Datenbank als CSV für Excel exportieren\nDie Datei wird nach dem Export "
                "automatisch geöffnet.",
                7, 7, 185, 18},
    ZDialogItem{NONE, K::Static, "von Jahr", 9, 39, 29, 8},
    ZDialogItem{IDC_EXPORT_FROM_YEAR, K::Edit, "", 42, 36, 30, 14},
    ZDialogItem{NONE, K::Static, "von Monat", 101, 39, 35, 8},
    ZDialogItem{IDC_EXPORT_FROM_MONTH, K::Edit, "", 138, 36, 30, 14},
    ZDialogItem{NONE, K::Static, "bis Jahr", 9, 57, 26, 8},
    ZDialogItem{IDC_EXPORT_TO_YEAR, K::Edit, "", 42, 54, 30, 14},
    ZDialogItem{NONE, K::Static, "bis Monat", 104, 57, 32, 8},
    ZDialogItem{IDC_EXPORT_TO_MONTH, K::Edit, "", 138, 54, 30, 14},
    ZDialogItem{IDC_EXPORT_MONTHLY_AVERAGE, K::CheckBox, "Monatsdurchschnitt", 11, 83, 79, 10},
    ZDialogItem{IDC_EXPORT_PROGRESS, K::ProgressBar, "", 6, 105, 186, 14},
    ZDialogItem{IDC_EXPORT_START, K::DefaultPushButton, "Start ...", 7, 130, 66, 14},
    ZDialogItem{IDC_EXPORT_CANCEL, K::PushButton, "Abbrechen", 84, 129, 67, 14},
};

constexpr std::array ANIMATION_ITEMS{
    ZDialogItem{NONE, K::Static, "Die Karte als Animation über eine Zeitspanne speichern:", 7, 7,
                185, 8},
    ZDialogItem{IDC_ANIMATION_FILE, K::Static, "", 7, 18, 185, 8},
    ZDialogItem{NONE, K::Static, "von Jahr", 9, 39, 29, 8},
    ZDialogItem{IDC_ANIMATION_FROM_YEAR, K::Edit, "", 42, 36, 30, 14},
    ZDialogItem{NONE, K::Static, "von Monat", 101, 39, 35, 8},
    ZDialogItem{IDC_ANIMATION_FROM_MONTH, K::Edit, "", 138, 36, 30, 14},
    ZDialogItem{NONE, K::Static, "bis Jahr", 9, 57, 26, 8},
    ZDialogItem{IDC_ANIMATION_TO_YEAR, K::Edit, "", 42, 54, 30, 14},
    ZDialogItem{NONE, K::Static, "bis Monat", 104, 57, 32, 8},
    ZDialogItem{IDC_ANIMATION_TO_MONTH, K::Edit, "", 138, 54, 30, 14},
    ZDialogItem{NONE, K::Static, "Bilder pro Sekunde (1-50)", 9, 75, 90, 8},
    ZDialogItem{IDC_ANIMATION_FRAMES_PER_SECOND, K::Edit, "", 138, 72, 30, 14},
    ZDialogItem{IDC_ANIMATION_YEAR_AVERAGES, K::CheckBox, "Jahresdurchschnitte", 11, 92, 84, 10},
    ZDialogItem{IDC_ANIMATION_LOOP, K::CheckBox, "Endlos wiederholen", 101, 92, 84, 10},
    ZDialogItem{IDC_ANIMATION_PROGRESS, K::ProgressBar, "", 6, 108, 186, 14},
    ZDialogItem{IDC_ANIMATION_START, K::DefaultPushButton, "Start ...", 7, 130, 66, 14},
    ZDialogItem{IDC_ANIMATION_CANCEL, K::PushButton, "Abbrechen", 84, 129, 67, 14},
};

constexpr std::array WAIT_ITEMS{
    ZDialogItem{IDC_WAIT_TEXT, K::Static, "Die Karte wird erstellt ...", 7, 7, 132, 15},
    ZDialogItem{IDC_WAIT_PROGRESS, K::ProgressBar, "", 7, 19, 132, 8},
};

constexpr std::array BASELINE_ITEMS{
    ZDialogItem{IDC_BASELINE_TEXT, K::Static,
                "Die Bezugswerte der Temperaturen werden berechnet ...", 7, 7, 186, 24},
    ZDialogItem{IDC_BASELINE_PROGRESS, K::ProgressBar, "", 7, 34, 186, 10},
    ZDialogItem{Z_IDCANCEL, K::PushButton, "Abbrechen", 75, 52, 50, 14},
};

constexpr std::array TEMPLATES{
    ZDialogTemplate{IDD_POSITION, "Position", DIALOG_FONT, 8, Z_DIALOG_SYSMENU, 196, 150,
                    POSITION_ITEMS},
    ZDialogTemplate{IDD_DATASET, "Datensatz laden", DIALOG_FONT, 8, Z_DIALOG_SYSMENU, 166, 121,
                    DATASET_ITEMS},
    ZDialogTemplate{IDD_HELP, "Hilfe", DIALOG_FONT, 8, Z_DIALOG_SYSMENU, 556, 251, HELP_ITEMS},
    ZDialogTemplate{IDD_EXPORT, "Datenreihe exportieren", DIALOG_FONT, 8, Z_DIALOG_SYSMENU, 202,
                    150, EXPORT_ITEMS},
    ZDialogTemplate{IDD_ANIMATION, "Als Animation speichern", DIALOG_FONT, 8, Z_DIALOG_SYSMENU, 202,
                    150, ANIMATION_ITEMS},
    ZDialogTemplate{IDD_WAIT, "Bitte waren ...", "Microsoft Sans Serif", 14, Z_DIALOG_TOPMOST, 146,
                    34, WAIT_ITEMS},
    ZDialogTemplate{IDD_BASELINE, "Bezugswerte berechnen", DIALOG_FONT, 8, Z_DIALOG_SYSMENU, 200,
                    72, BASELINE_ITEMS},
};

}  // namespace

std::span<const ZDialogTemplate> dialogTemplates() {
    return TEMPLATES;
}

#include "resources/DialogTemplates.h"

#include <array>

#include "resources/ResourceIds.h"

namespace {

constexpr std::array WAIT_ITEMS{
    ZDialogItem{IDC_WAIT_TEXT, ZControlKind::Static, "Die Karte wird erstellt ...", 7, 7, 132, 15},
    ZDialogItem{IDC_WAIT_PROGRESS, ZControlKind::ProgressBar, "", 7, 19, 132, 8},
};

constexpr std::array TEMPLATES{
    ZDialogTemplate{IDD_WAIT, "Bitte waren ...", "Microsoft Sans Serif", 14, Z_DIALOG_TOPMOST, 146,
                    34, WAIT_ITEMS},
};

}  // namespace

std::span<const ZDialogTemplate> dialogTemplates() {
    return TEMPLATES;
}

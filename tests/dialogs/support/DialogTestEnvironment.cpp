#include <array>

#include "FormTestDialog.h"
#include "ToolkitEnvironment.h"
#include "resources/SorvoResources.h"

namespace {

constexpr std::array FORM_TEST_ITEMS{
    ZDialogItem{EDIT_A, ZControlKind::Edit, "", 5, 5, 60, 14},
    ZDialogItem{EDIT_B, ZControlKind::Edit, "", 5, 22, 60, 14},
    ZDialogItem{EDIT_C, ZControlKind::Edit, "", 5, 39, 60, 14},
    ZDialogItem{EDIT_D, ZControlKind::Edit, "", 5, 56, 60, 14},
    ZDialogItem{EDIT_E, ZControlKind::Edit, "", 5, 73, 60, 14},
    ZDialogItem{COMBO, ZControlKind::ComboBox, "", 70, 5, 60, 60},
    ZDialogItem{LIST, ZControlKind::ListBox, "", 70, 22, 60, 40},
    ZDialogItem{CHECK, ZControlKind::CheckBox, "Haken", 70, 73, 60, 10},
    ZDialogItem{Z_IDOK, ZControlKind::DefaultPushButton, "OK", 5, 92, 50, 14},
};

constexpr ZDialogTemplate FORM_TEST{
    FORM_TEST_TEMPLATE, "Formular", "MS Shell Dlg", 8, Z_DIALOG_SYSMENU, 140, 112, FORM_TEST_ITEMS};

// The program's resources and the test template.
class TestResources : public ZResourceModule {
  public:
    const ZDialogTemplate* findDialog(int id) const override {
        return id == FORM_TEST_TEMPLATE ? &FORM_TEST : sorvoResources().findDialog(id);
    }
    std::span<const ZAccelerator> findAccelerators(int id) const override {
        return sorvoResources().findAccelerators(id);
    }
    QImage loadBitmap(int id) const override { return sorvoResources().loadBitmap(id); }
    QIcon loadIcon(int id) const override { return sorvoResources().loadIcon(id); }
};

const TestResources resources;
const testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new ToolkitEnvironment(resources));

}  // namespace

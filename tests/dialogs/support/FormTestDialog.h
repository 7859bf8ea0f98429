#pragma once

#include <functional>

#include "forms/DialogForm.h"
#include "toolkit/ui/ZDialog.h"

// Controls of the test template: five edit boxes, a combo box, a list box, a check box and OK.
enum FormTestControl : int {
    EDIT_A = 501,
    EDIT_B = 502,
    EDIT_C = 503,
    EDIT_D = 504,
    EDIT_E = 505,
    COMBO = 506,
    LIST = 507,
    CHECK = 508,
};
inline constexpr int FORM_TEST_TEMPLATE = 900;

// A dialog on the test template whose init handler is the test's: it binds the fields it needs.
class FormTestDialog : public ZDialog {
  public:
    explicit FormTestDialog(std::function<void(DialogForm&)> bind)
        : ZDialog(nullptr, FORM_TEST_TEMPLATE), bind_(std::move(bind)) {
        form.reset(this);
    }

    DialogForm form;

  protected:
    void onDialogInit() override {
        bind_(form);
        form.showValues();
    }

  private:
    std::function<void(DialogForm&)> bind_;
};

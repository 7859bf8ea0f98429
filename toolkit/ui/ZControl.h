#pragma once

#include "toolkit/ZString.h"
#include "toolkit/ui/ZWindowContext.h"

class ZDialog;

// A control: a window that either is made inside a parent window or takes over a control of a
// shown dialog by its id. A control taken over stays the dialog's: destroying the control object
// leaves it in place, so that another object may take it over again.
class ZControl : public ZWindowContext {
  public:
    ~ZControl() override;

    // Whether the control holds typed text (edit boxes).
    virtual bool isTextControl() const { return false; }

  protected:
    // The dialog's control with this id, which must be of the widget type W.
    template <typename W>
    W* attachTo(ZDialog& dialog, int id, const ZString& name);
    void attachNew(QWidget* widget, const ZString& name);

  private:
    bool borrowed_ = false;
};

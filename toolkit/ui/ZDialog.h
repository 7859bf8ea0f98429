#pragma once

#include <QPointer>
#include <utility>
#include <vector>

#include "toolkit/ui/ZWindowContext.h"

class QDialog;
class QEventLoop;
struct ZDialogTemplate;

// A dialog built from a template of the program's resources, each time it is shown. show(true)
// runs it modally until close(result), which may come from any thread and is kept when it
// arrives before the dialog is even shown: show then returns at once with that result.
class ZDialog : public ZWindowContext {
  public:
    ZDialog(ZWindowContext* parent, int templateId);

    // Only modal dialogs exist in this program; show(false) is refused.
    int show(bool modal);
    void close(int result);
    // The control of the shown dialog with this id; null when there is none.
    QWidget* findControl(int id) const;
    // While the dialog is shown: whether close has been called, so that its loop is ending.
    bool isClosed() const { return closed_; }

  protected:
    // Runs each time the dialog is shown, before it appears: the place to attach controls.
    virtual void onDialogInit() {}
    // A button was pressed (check boxes too), or Escape sent Z_IDCANCEL.
    virtual void onDialogCommand(int controlId) { (void)controlId; }
    // The close box.
    virtual void onDialogClose() { close(0); }
    // With a delay the window appears only when the dialog lasts that long (and no message box
    // is up), never takes the keyboard focus, and user input to the whole program is dropped
    // until it closes, except in message boxes: for work behind a wait dialog.
    void setShowDelay(int milliseconds) { showDelay_ = milliseconds; }

  private:
    friend class ZDialogWindow;

    QDialog* build();

    ZWindowContext* parent_;
    const ZDialogTemplate& template_;
    std::vector<std::pair<int, QPointer<QWidget>>> controls_;
    int showDelay_ = 0;
    bool closed_ = false;
    int result_ = 0;
    QEventLoop* loop_ = nullptr;
};

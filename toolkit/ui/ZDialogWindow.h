#pragma once

#include <QDialog>

class ZDialog;

// Set on the window of a dialog that waits for work (a dialog with a show delay).
inline constexpr const char* Z_WAIT_WINDOW_PROPERTY = "zWaitWindow";

// The window of a shown ZDialog: the close box asks the dialog to close, Escape sends it the
// cancel command. A dialog without a close box refuses to be closed from its frame.
class ZDialogWindow : public QDialog {
  public:
    ZDialogWindow(ZDialog& dialog, QWidget* parent, Qt::WindowFlags flags, bool closeBox);

    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    ZDialog& dialog_;
    bool closeBox_;
};

#pragma once

#include <QObject>

class QWidget;

// While work runs behind a wait dialog, the user's keys and clicks are dropped, not kept for
// later: a held arrow key must not replay dozens of months once the work is done. Only a window
// shown modally above the wait dialog (a message box raised during the work) takes input.
class ZBusyInputFilter : public QObject {
  public:
    explicit ZBusyInputFilter(QWidget* waitWindow);
    ~ZBusyInputFilter() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    static bool isUserInput(const QEvent* event);

  private:
    QWidget* waitWindow_;
};

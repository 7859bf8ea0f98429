#pragma once

#include <QObject>

// While a modal dialog runs, the windows it blocks may not be closed: their close requests are
// refused, as the classic desktop refuses them for disabled windows.
class ZModalCloseBlocker : public QObject {
  public:
    ZModalCloseBlocker();
    ~ZModalCloseBlocker() override;

    bool eventFilter(QObject* watched, QEvent* event) override;
};

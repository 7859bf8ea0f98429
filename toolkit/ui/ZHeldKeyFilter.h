#pragma once

#include <QHash>
#include <QObject>
#include <QSet>

class QWidget;

// A key that was already held down when a dialog or message box came up does not act in it:
// its repeats and its release are dropped until it is pressed anew. Otherwise an Enter still
// held from the dialog before answers a message the moment it appears, before anyone has seen
// it. Keys pressed while the window is up repeat as usual (a held Backspace in an edit box).
class ZHeldKeyFilter : public QObject {
  public:
    explicit ZHeldKeyFilter(QWidget* window);
    ~ZHeldKeyFilter() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Release {
        quint64 time;
        bool ours;
    };

    QWidget* window_;
    // Keys pressed while the window is up and not released since.
    QSet<int> pressedHere_;
    // The last release of each key. The desktop does not always mark a repeat as one: it sends
    // a held key as a release and a press of the same moment, which a new press never is.
    QHash<int, Release> released_;
};

#pragma once

#include <QPointer>
#include <vector>

#include "toolkit/ui/ZControl.h"

class QLabel;

// A status bar along the bottom of its parent's client area, divided into parts by their right
// edges; an edge of -1 reaches to the right end.
class ZControlStatusbar : public ZControl {
  public:
    void create(ZWindowContext* parent, const ZString& name);
    void setParts(int count, const int* rightEdges);
    // May be called from any thread.
    void setText(const ZString& text, int part);
    // Shows a note across the whole bar for a while, over the parts; may be called from any
    // thread.
    void showNote(const ZString& text, int milliseconds);
    // Takes the bottom of the parent's client area again, after the parent changed its size.
    void adjust();
    int getHeight() const;

  private:
    void placeParts();

    std::vector<int> edges_;
    QPointer<QLabel> note_;
};

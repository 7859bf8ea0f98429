#pragma once

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
    // Takes the bottom of the parent's client area again, after the parent changed its size.
    void adjust();
    int getHeight() const;

  private:
    void placeParts();

    std::vector<int> edges_;
};

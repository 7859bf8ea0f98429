#pragma once

#include "toolkit/ZRichText.h"
#include "toolkit/ui/ZControl.h"

// The read-only rich-text control of a dialog. Shows an RTF file (or plain text); with address
// detection on, web addresses are links that open in the desktop's browser.
class ZControlRichText : public ZControl {
  public:
    void create(ZDialog& dialog, const ZString& name, int id);
    // With hide set the selection is shown only while the control has the keyboard focus.
    void hideSelection(bool hide);
    void setURLDetection(bool detect);
    // Reads the file as RTF (or, with rtf false, as plain UTF-8 text) and shows it. A file that
    // is missing, unreadable or not wholly readable shows what could be read and, below it, what
    // is missing; the result is then false.
    bool loadFile(const ZString& name, bool rtf);

  private:
    void render();

    ZRichText text_;
    bool detectAddresses_ = false;
};

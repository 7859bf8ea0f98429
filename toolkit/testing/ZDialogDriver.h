#pragma once

#include "toolkit/ZString.h"
#include "toolkit/ui/ZColour.h"
#include "toolkit/ui/ZDialogSeam.h"

class ZDialog;

// Drives modal dialogs without a person, for tests, through the dialogs' seam. A template's
// script runs once the dialog's modal loop is running; a ZException from the script is shown
// as a message, and a dialog the script leaves open is then closed with its close box. The
// scripts end with the toolkit.
class ZDialogDriver {
  public:
    // An empty script removes the template's script.
    static void setScript(int templateId, ZDialogScript script);
    static void setFileDialogScript(ZFileDialogScript script);

    // What a script does; each raises ZException when the dialog has no such control.
    static void enterText(ZDialog& dialog, int id, const ZString& text);
    static ZString text(const ZDialog& dialog, int id);
    // A push button or check box, clicked as with the mouse.
    static void click(ZDialog& dialog, int id);
    static void selectItem(ZDialog& dialog, int id, int index);
    // The text shown by the selected item of a combo or list box; empty when none is selected.
    static ZString selectedItemText(const ZDialog& dialog, int id);
    static bool isChecked(const ZDialog& dialog, int id);
    static ZColour backColor(const ZDialog& dialog, int id);
    static void pressEscape(ZDialog& dialog);
};

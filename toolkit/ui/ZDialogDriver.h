#pragma once

#include <functional>
#include <optional>

#include "toolkit/ZString.h"
#include "toolkit/ui/ZColour.h"

class ZDialog;

// What a script does with a shown dialog in place of a person.
using ZDialogScript = std::function<void(ZDialog& dialog)>;
// The file dialog's answer in place of a person: the chosen name, or nothing for cancel.
using ZFileDialogScript =
    std::function<std::optional<ZString>(const ZString& title, const ZString& initialName)>;

// Drives modal dialogs without a person, for tests. While a script is set for a template, each
// dialog built from it runs the script once its modal loop is running; a ZException from the
// script is shown as a message, and a dialog the script leaves open is then closed with its
// close box. The scripts end with the toolkit.
class ZDialogDriver {
  public:
    // An empty script removes the template's script.
    static void setScript(int templateId, ZDialogScript script);
    static void setFileDialogScript(ZFileDialogScript script);
    // Null when none is set.
    static const ZDialogScript* scriptFor(int templateId);
    static const ZFileDialogScript* fileDialogScript();
    // Runs the script on the shown dialog (called by the dialog).
    static void run(ZDialog& dialog, const ZDialogScript& script);

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

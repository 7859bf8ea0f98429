#pragma once

#include <functional>
#include <optional>

#include "toolkit/ZString.h"

class ZDialog;

// What acts at a shown dialog in place of a person.
using ZDialogScript = std::function<void(ZDialog& dialog)>;
// The file dialog's answer in place of a person: the chosen name, or nothing for cancel.
using ZFileDialogScript =
    std::function<std::optional<ZString>(const ZString& title, const ZString& initialName)>;

// Where a driver of modal dialogs (the tests') plugs in. While a script is set for a template,
// each dialog built from it runs the script once its modal loop is running; while a file dialog
// script is set, it answers in place of the file dialog. The scripts end with the toolkit.
class ZDialogSeam {
  public:
    // An empty script removes the template's script.
    static void setScript(int templateId, ZDialogScript script);
    static void setFileDialogScript(ZFileDialogScript script);
    // Null when none is set.
    static const ZDialogScript* scriptFor(int templateId);
    static const ZFileDialogScript* fileDialogScript();
};

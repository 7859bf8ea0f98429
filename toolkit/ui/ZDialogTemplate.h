#pragma once

#include <cstdint>
#include <span>

// The kinds of control a dialog template can hold.
enum class ZControlKind {
    Static,
    ProgressBar,
    // A one-line edit box with a border that scrolls its text sideways.
    Edit,
    // A drop-down list without an edit field; the template's height includes the open list.
    ComboBox,
    ListBox,
    CheckBox,
    PushButton,
    // The push button that the Return key presses.
    DefaultPushButton,
    // A frame with a title around other controls.
    GroupBox,
    // Read-only formatted text with a scroll bar.
    RichEdit,
};

// Appearance of a dialog window.
enum ZDialogFlags : std::uint32_t {
    // Close box in the caption.
    Z_DIALOG_SYSMENU = 0x1,
    Z_DIALOG_TOPMOST = 0x2,
};

// The id of a control that nothing refers to (labels).
inline constexpr int Z_NO_CONTROL_ID = -1;
// The usual ids of the confirming and the cancelling button; the Escape key sends Z_IDCANCEL
// whether or not the dialog has such a button.
inline constexpr int Z_IDOK = 1;
inline constexpr int Z_IDCANCEL = 2;

// One control of a template; places and sizes in dialog units.
struct ZDialogItem {
    int id;
    ZControlKind kind;
    const char* text;
    int x;
    int y;
    int width;
    int height;
};

// A dialog as a table: dialog units are a quarter of the font's average character width
// horizontally and an eighth of its height vertically.
struct ZDialogTemplate {
    int id;
    const char* title;
    const char* fontFace;
    int fontSize;
    std::uint32_t flags;
    int width;
    int height;
    std::span<const ZDialogItem> items;
};

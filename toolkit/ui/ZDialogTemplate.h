#pragma once

#include <cstdint>
#include <span>

// The kinds of control a dialog template can hold.
enum class ZControlKind {
    Static,
    ProgressBar,
};

// Appearance of a dialog window.
enum ZDialogFlags : std::uint32_t {
    // Close box in the caption.
    Z_DIALOG_SYSMENU = 0x1,
    Z_DIALOG_TOPMOST = 0x2,
};

// The id of a control that nothing refers to (labels).
inline constexpr int Z_NO_CONTROL_ID = -1;

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

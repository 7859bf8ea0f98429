#pragma once

#include <QIcon>
#include <QPointer>
#include <vector>

#include "toolkit/ZString.h"

class QAction;
class QMenu;
class QMenuBar;
class ZBitmap;

// A menu bar or a popup menu whose items carry command ids. Items are given their German text
// and show it in the interface's language. A tab in an item's text puts what
// follows right-aligned, as the item's shortcut. Submenus are not owned.
class ZMenu {
  public:
    ZMenu() = default;
    ZMenu(const ZMenu&) = delete;
    ZMenu& operator=(const ZMenu&) = delete;
    ~ZMenu();

    void createMenuBar();
    void createPopupMenu();
    void addItem(int id, const ZString& text);
    // An item that shows one of the two marks for its check state instead of a check.
    void addItem(int id, const ZString& text, const ZBitmap& checkedMark,
                 const ZBitmap& uncheckedMark);
    void addSeparator();
    void addSubmenu(const ZString& text, ZMenu& submenu);
    // Sets the check of the item with this id here or in any submenu; an unknown id is ignored.
    void checkItem(int id, bool checked);
    bool isItemChecked(int id) const;
    // Words every item and submenu here and below anew in the interface's language.
    void retranslate();

    // The menu bar behind a menu made by createMenuBar, else null.
    QMenuBar* menuBar() const;

  private:
    struct MarkedItem {
        QPointer<QAction> action;
        QIcon checked;
        QIcon unchecked;
    };

    QAction* addAction(const ZString& text);
    QAction* findItem(int id) const;
    const ZMenu* ownerOf(int id) const;

    QPointer<QWidget> menu_;
    std::vector<MarkedItem> markedItems_;
    std::vector<ZMenu*> submenus_;
};

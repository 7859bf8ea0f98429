#include "toolkit/ui/ZMenu.h"

#include <QMenu>
#include <QMenuBar>
#include <QPixmap>

#include "toolkit/ZException.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ui/ZBitmap.h"

namespace {

// The German text an action was given, kept so that a switch of language can word it anew.
constexpr const char* SOURCE_PROPERTY = "zSource";

void setText(QAction* action, const ZString& german) {
    action->setProperty(SOURCE_PROPERTY, QByteArray(german.c_str()));
    action->setText(QString::fromUtf8(ztr(german.c_str()).c_str()));
}

// The check state lives on the action, also for items that show marks instead of a check.
constexpr const char* CHECKED_PROPERTY = "zChecked";

}  // namespace

ZMenu::~ZMenu() {
    delete menu_.data();
}

void ZMenu::createMenuBar() {
    delete menu_.data();
    menu_ = new QMenuBar();
}

void ZMenu::createPopupMenu() {
    delete menu_.data();
    menu_ = new QMenu();
}

QAction* ZMenu::addAction(const ZString& value) {
    if (!menu_) {
        throw ZException("The menu has not been created.", 0);
    }
    QAction* action = menu_->addAction(QString());
    setText(action, value);
    return action;
}

void ZMenu::addItem(int id, const ZString& value) {
    addAction(value)->setData(id);
}

void ZMenu::addItem(int id, const ZString& value, const ZBitmap& checkedMark,
                    const ZBitmap& uncheckedMark) {
    QAction* action = addAction(value);
    action->setData(id);
    MarkedItem item{action, QIcon(QPixmap::fromImage(checkedMark.image())),
                    QIcon(QPixmap::fromImage(uncheckedMark.image()))};
    action->setIcon(item.unchecked);
    action->setIconVisibleInMenu(true);
    markedItems_.push_back(std::move(item));
}

void ZMenu::addSeparator() {
    if (auto* popup = qobject_cast<QMenu*>(menu_)) {
        popup->addSeparator();
    } else if (auto* bar = qobject_cast<QMenuBar*>(menu_)) {
        bar->addSeparator();
    }
}

void ZMenu::addSubmenu(const ZString& value, ZMenu& submenu) {
    auto* popup = qobject_cast<QMenu*>(submenu.menu_);
    if (!popup) {
        throw ZException("Only a popup menu can be a submenu.", 0);
    }
    setText(popup->menuAction(), value);
    if (auto* parentPopup = qobject_cast<QMenu*>(menu_)) {
        parentPopup->addMenu(popup);
    } else if (auto* bar = qobject_cast<QMenuBar*>(menu_)) {
        bar->addMenu(popup);
    } else {
        throw ZException("The menu has not been created.", 0);
    }
    submenus_.push_back(&submenu);
}

void ZMenu::checkItem(int id, bool checked) {
    const ZMenu* owner = ownerOf(id);
    if (!owner) {
        return;
    }
    QAction* action = owner->findItem(id);
    action->setProperty(CHECKED_PROPERTY, checked);
    for (const MarkedItem& item : owner->markedItems_) {
        if (item.action == action) {
            action->setIcon(checked ? item.checked : item.unchecked);
            return;
        }
    }
    action->setCheckable(true);
    action->setChecked(checked);
}

bool ZMenu::isItemChecked(int id) const {
    const ZMenu* owner = ownerOf(id);
    return owner && owner->findItem(id)->property(CHECKED_PROPERTY).toBool();
}

void ZMenu::retranslate() {
    if (!menu_) {
        return;
    }
    for (QAction* action : menu_->actions()) {
        QVariant source = action->property(SOURCE_PROPERTY);
        if (source.isValid()) {
            action->setText(QString::fromUtf8(ztr(source.toByteArray().constData()).c_str()));
        }
    }
    for (ZMenu* submenu : submenus_) {
        submenu->retranslate();
    }
}

QMenuBar* ZMenu::menuBar() const {
    return qobject_cast<QMenuBar*>(menu_);
}

QAction* ZMenu::findItem(int id) const {
    if (!menu_) {
        return nullptr;
    }
    for (QAction* action : menu_->actions()) {
        if (!action->menu() && !action->isSeparator() && action->data().isValid() &&
            action->data().toInt() == id) {
            return action;
        }
    }
    return nullptr;
}

const ZMenu* ZMenu::ownerOf(int id) const {
    if (findItem(id)) {
        return this;
    }
    for (const ZMenu* submenu : submenus_) {
        if (const ZMenu* owner = submenu->ownerOf(id)) {
            return owner;
        }
    }
    return nullptr;
}

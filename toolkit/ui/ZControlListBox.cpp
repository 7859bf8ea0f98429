#include "toolkit/ui/ZControlListBox.h"

#include <QListWidget>

namespace {

QListWidget* list(QWidget* widget) {
    return qobject_cast<QListWidget*>(widget);
}

}  // namespace

void ZControlListBox::create(ZDialog& dialog, const ZString& name, int id) {
    attachTo<QListWidget>(dialog, id, name)->setSelectionMode(QAbstractItemView::SingleSelection);
}

void ZControlListBox::clearItems() {
    if (QListWidget* items = list(widget())) {
        items->clear();
    }
}

int ZControlListBox::appendItem(const QString& text, const QVariant& data) {
    QListWidget* items = list(widget());
    if (!items) {
        return -1;
    }
    auto* item = new QListWidgetItem(text, items);
    item->setData(Qt::UserRole, data);
    return items->count() - 1;
}

void ZControlListBox::setSelectedIndex(int index) {
    if (QListWidget* items = list(widget())) {
        items->setCurrentRow(index >= 0 && index < items->count() ? index : -1);
    }
}

QVariant ZControlListBox::selectedData() const {
    QListWidget* items = list(widget());
    QListWidgetItem* item = items ? items->currentItem() : nullptr;
    return item && item->isSelected() ? item->data(Qt::UserRole) : QVariant();
}

#include "toolkit/ui/ZControlComboBox.h"

#include <QComboBox>

namespace {

QComboBox* box(QWidget* widget) {
    return qobject_cast<QComboBox*>(widget);
}

}  // namespace

void ZControlComboBox::create(ZDialog& dialog, const ZString& name, int id) {
    attachTo<QComboBox>(dialog, id, name);
}

void ZControlComboBox::clearItems() {
    if (QComboBox* combo = box(widget())) {
        combo->clear();
    }
}

int ZControlComboBox::appendItem(const QString& text, const QVariant& data) {
    QComboBox* combo = box(widget());
    if (!combo) {
        return -1;
    }
    combo->addItem(text, data);
    return combo->count() - 1;
}

void ZControlComboBox::setSelectedIndex(int index) {
    if (QComboBox* combo = box(widget())) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

QVariant ZControlComboBox::selectedData() const {
    QComboBox* combo = box(widget());
    return combo && combo->currentIndex() >= 0 ? combo->currentData() : QVariant();
}

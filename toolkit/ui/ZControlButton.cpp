#include "toolkit/ui/ZControlButton.h"

#include <QAbstractButton>

void ZControlButton::create(ZDialog& dialog, const ZString& name, int id) {
    attachTo<QAbstractButton>(dialog, id, name);
}

void ZControlButton::setChecked(bool checked) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget())) {
        button->setChecked(checked);
    }
}

bool ZControlButton::isChecked() const {
    auto* button = qobject_cast<QAbstractButton*>(widget());
    return button && button->isChecked();
}

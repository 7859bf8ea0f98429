#include "toolkit/ui/ZControlEdit.h"

#include <QLineEdit>
#include <QPalette>

#include "toolkit/ui/ZQtColour.h"

void ZControlEdit::create(ZDialog& dialog, const ZString& name, int id) {
    attachTo<QLineEdit>(dialog, id, name);
}

void ZControlEdit::getText(ZString& text) const {
    auto* edit = qobject_cast<QLineEdit*>(widget());
    text = edit ? ZString(edit->text().toUtf8().toStdString()) : ZString();
}

void ZControlEdit::setText(const char* text) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget())) {
        edit->setText(QString::fromUtf8(text));
    }
}

void ZControlEdit::setColor(ZColour text, ZColour back) {
    if (QWidget* edit = widget()) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Text, toQColor(text));
        palette.setColor(QPalette::Base, toQColor(back));
        edit->setPalette(palette);
    }
}

ZColour ZControlEdit::getBackColor() const {
    if (QWidget* edit = widget()) {
        QColor back = edit->palette().color(QPalette::Base);
        return zRgb(back.red(), back.green(), back.blue());
    }
    return zRgb(255, 255, 255);
}

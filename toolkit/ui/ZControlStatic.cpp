#include "toolkit/ui/ZControlStatic.h"

#include <QLabel>

#include "toolkit/ui/ZUiThread.h"

void ZControlStatic::create(ZDialog& dialog, const ZString& name, int id) {
    attachTo<QLabel>(dialog, id, name);
}

void ZControlStatic::setText(const ZString& text) {
    ZUiThread::run(this, [this, text] {
        if (auto* label = qobject_cast<QLabel*>(widget())) {
            label->setText(QString::fromUtf8(text.c_str()));
        }
    });
}

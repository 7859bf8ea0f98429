#include "toolkit/ui/ZControlProgressBar.h"

#include <QProgressBar>
#include <algorithm>

#include "toolkit/ui/ZUiThread.h"

void ZControlProgressBar::create(ZDialog& dialog, const ZString& name, int id) {
    attachTo<QProgressBar>(dialog, id, name);
}

void ZControlProgressBar::setRange(int minimum, int maximum) {
    ZUiThread::run(this, [this, minimum, maximum] {
        if (auto* bar = qobject_cast<QProgressBar*>(widget())) {
            bar->setRange(minimum, maximum);
        }
    });
}

void ZControlProgressBar::setPos(int position) {
    ZUiThread::run(this, [this, position] {
        if (auto* bar = qobject_cast<QProgressBar*>(widget())) {
            // Out of range counts as the nearest end.
            bar->setValue(std::clamp(position, bar->minimum(), bar->maximum()));
        }
    });
}

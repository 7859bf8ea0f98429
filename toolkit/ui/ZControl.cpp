#include "toolkit/ui/ZControl.h"

#include <QLabel>
#include <QProgressBar>

#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ui/ZDialog.h"

template <typename W>
W* ZControl::attachTo(ZDialog& dialog, int id, const ZString& name) {
    auto* widget = qobject_cast<W*>(dialog.findControl(id));
    if (!widget) {
        throw ZException(
            ZFormattedString("Control %d \"%s\" not found in the dialog.", id, name.c_str()), 0);
    }
    attachNew(widget, name);
    return widget;
}

void ZControl::attachNew(QWidget* widget, const ZString& name) {
    widget->setObjectName(QString::fromUtf8(name.c_str()));
    attachWidgets(widget, widget, false);
}

template QLabel* ZControl::attachTo<QLabel>(ZDialog&, int, const ZString&);
template QProgressBar* ZControl::attachTo<QProgressBar>(ZDialog&, int, const ZString&);

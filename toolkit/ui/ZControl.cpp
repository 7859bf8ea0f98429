#include "toolkit/ui/ZControl.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTextBrowser>

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
    borrowed_ = true;
    return widget;
}

ZControl::~ZControl() {
    if (borrowed_) {
        attachWidgets(nullptr, nullptr, false);
    }
}

void ZControl::attachNew(QWidget* widget, const ZString& name) {
    widget->setObjectName(QString::fromUtf8(name.c_str()));
    attachWidgets(widget, widget, false);
}

template QLabel* ZControl::attachTo<QLabel>(ZDialog&, int, const ZString&);
template QProgressBar* ZControl::attachTo<QProgressBar>(ZDialog&, int, const ZString&);
template QLineEdit* ZControl::attachTo<QLineEdit>(ZDialog&, int, const ZString&);
template QComboBox* ZControl::attachTo<QComboBox>(ZDialog&, int, const ZString&);
template QListWidget* ZControl::attachTo<QListWidget>(ZDialog&, int, const ZString&);
template QAbstractButton* ZControl::attachTo<QAbstractButton>(ZDialog&, int, const ZString&);
template QTextBrowser* ZControl::attachTo<QTextBrowser>(ZDialog&, int, const ZString&);

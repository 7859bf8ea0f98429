#include "toolkit/testing/ZDialogDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZDialog.h"

namespace {

template <typename W>
W* control(const ZDialog& dialog, int id) {
    auto* widget = qobject_cast<W*>(dialog.findControl(id));
    if (!widget) {
        throw ZException(ZFormattedString("The dialog has no control %d of that kind.", id), 0);
    }
    return widget;
}

}  // namespace

void ZDialogDriver::setScript(int templateId, ZDialogScript script) {
    if (!script) {
        ZDialogSeam::setScript(templateId, nullptr);
        return;
    }
    ZDialogSeam::setScript(templateId, [script = std::move(script)](ZDialog& dialog) {
        try {
            script(dialog);
        } catch (const ZException& exception) {
            ZSystem::showException(&dialog, exception);
        }
        if (!dialog.isClosed() && dialog.widget()) {
            dialog.widget()->close();
        }
    });
}

void ZDialogDriver::setFileDialogScript(ZFileDialogScript script) {
    ZDialogSeam::setFileDialogScript(std::move(script));
}

void ZDialogDriver::enterText(ZDialog& dialog, int id, const ZString& text) {
    control<QLineEdit>(dialog, id)->setText(QString::fromUtf8(text.c_str()));
}

ZString ZDialogDriver::text(const ZDialog& dialog, int id) {
    return ZString(control<QLineEdit>(dialog, id)->text().toUtf8().toStdString());
}

void ZDialogDriver::click(ZDialog& dialog, int id) {
    control<QAbstractButton>(dialog, id)->click();
}

void ZDialogDriver::selectItem(ZDialog& dialog, int id, int index) {
    if (auto* combo = qobject_cast<QComboBox*>(dialog.findControl(id))) {
        combo->setCurrentIndex(index);
    } else {
        control<QListWidget>(dialog, id)->setCurrentRow(index);
    }
}

ZString ZDialogDriver::selectedItemText(const ZDialog& dialog, int id) {
    QString shown;
    if (auto* combo = qobject_cast<QComboBox*>(dialog.findControl(id))) {
        shown = combo->currentText();
    } else if (QListWidgetItem* item = control<QListWidget>(dialog, id)->currentItem()) {
        shown = item->isSelected() ? item->text() : QString();
    }
    return ZString(shown.toUtf8().toStdString());
}

bool ZDialogDriver::isChecked(const ZDialog& dialog, int id) {
    return control<QAbstractButton>(dialog, id)->isChecked();
}

ZColour ZDialogDriver::backColor(const ZDialog& dialog, int id) {
    QColor back = control<QLineEdit>(dialog, id)->palette().color(QPalette::Base);
    return zRgb(back.red(), back.green(), back.blue());
}

void ZDialogDriver::pressEscape(ZDialog& dialog) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog.widget(), &press);
}

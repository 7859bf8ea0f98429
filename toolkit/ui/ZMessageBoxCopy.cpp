#include "toolkit/ui/ZMessageBoxCopy.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QShortcut>

void enableMessageCopy(QMessageBox& box) {
    auto* copy = new QShortcut(QKeySequence::Copy, &box);
    QObject::connect(copy, &QShortcut::activated, &box, [&box] {
        QGuiApplication::clipboard()->setText(box.windowTitle() + QLatin1Char('\n') + box.text());
    });
}

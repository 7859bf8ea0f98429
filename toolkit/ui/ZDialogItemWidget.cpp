#include "toolkit/ui/ZDialogItemWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBrowser>
#include <algorithm>

#include "toolkit/ZLanguage.h"

namespace {

QWidget* makeWidget(const ZDialogItem& item, QWidget* parent) {
    const QString text = QString::fromUtf8(ztr(item.text).c_str());
    switch (item.kind) {
        case ZControlKind::Static:
            return new QLabel(text, parent);
        case ZControlKind::ProgressBar: {
            auto* bar = new QProgressBar(parent);
            bar->setRange(0, 100);
            bar->setValue(0);
            bar->setTextVisible(false);
            return bar;
        }
        case ZControlKind::Edit:
            return new QLineEdit(text, parent);
        case ZControlKind::ComboBox: {
            auto* box = new QComboBox(parent);
            box->setEditable(false);
            return box;
        }
        case ZControlKind::ListBox:
            return new QListWidget(parent);
        case ZControlKind::CheckBox:
            return new QCheckBox(text, parent);
        case ZControlKind::PushButton:
        case ZControlKind::DefaultPushButton: {
            auto* button = new QPushButton(text, parent);
            button->setDefault(item.kind == ZControlKind::DefaultPushButton);
            return button;
        }
        case ZControlKind::GroupBox:
            return new QGroupBox(text, parent);
        case ZControlKind::RichEdit: {
            auto* view = new QTextBrowser(parent);
            view->setOpenExternalLinks(false);
            return view;
        }
    }
    return new QWidget(parent);
}

}  // namespace

QWidget* createDialogItemWidget(const ZDialogItem& item, QWidget* parent, const QRect& area) {
    QWidget* widget = makeWidget(item, parent);
    QRect placed = area;
    if (item.kind == ZControlKind::ComboBox) {
        // The template's height is that of the opened list; closed, the box is one line high.
        placed.setHeight(widget->sizeHint().height());
    } else if (item.kind == ZControlKind::Static) {
        // Our fonts run a little wider than the ones the templates were laid out for; a label
        // keeps its whole text.
        placed.setWidth(std::max(placed.width(), widget->sizeHint().width()));
    }
    widget->setGeometry(placed);
    return widget;
}

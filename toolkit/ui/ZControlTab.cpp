#include "toolkit/ui/ZControlTab.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabWidget>

#include "toolkit/ZException.h"
#include "toolkit/ZLanguage.h"

namespace {

// Reaches the style options QTabWidget lays itself out with.
class ZTabWidget : public QTabWidget {
  public:
    using QTabWidget::QTabWidget;

    // Width and height the control takes beyond its display area.
    QSize border() const {
        QStyleOptionTabWidgetFrame option;
        initStyleOption(&option);
        const QSize probe(2000, 2000);
        option.rect = QRect(QPoint(0, 0), probe);
        QRect contents = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
        return probe - contents.size();
    }
};

}  // namespace

void ZControlTab::create(ZWindowContext* parent, const ZString& name) {
    if (!parent || !parent->clientWidget()) {
        throw ZException("A tab control needs a parent window.", 0);
    }
    auto* tabs = new ZTabWidget(parent->clientWidget());
    attachNew(tabs, name);
    tabs->show();
}

void ZControlTab::addPage(int index, const ZString& text, ZWindowContext& page) {
    auto* tabs = qobject_cast<QTabWidget*>(widget());
    if (tabs && page.widget()) {
        tabs->insertTab(index, page.widget(), QString::fromUtf8(ztr(text.c_str()).c_str()));
    }
}

void ZControlTab::setPageText(int index, const ZString& text) {
    if (auto* tabs = qobject_cast<QTabWidget*>(widget())) {
        tabs->setTabText(index, QString::fromUtf8(ztr(text.c_str()).c_str()));
    }
}

ZRect ZControlTab::calcWindowRect(int displayWidth, int displayHeight) const {
    auto* tabs = static_cast<ZTabWidget*>(widget());
    if (!tabs) {
        return ZRect{0, 0, displayWidth, displayHeight};
    }
    QSize border = tabs->border();
    return ZRect{0, 0, displayWidth + border.width(), displayHeight + border.height()};
}

void ZControlTab::setFocusPage(int index) {
    if (auto* tabs = qobject_cast<QTabWidget*>(widget())) {
        tabs->setCurrentIndex(index);
    }
}

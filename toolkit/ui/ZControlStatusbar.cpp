#include "toolkit/ui/ZControlStatusbar.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTimer>
#include <algorithm>

#include "toolkit/ZException.h"
#include "toolkit/ui/ZUiThread.h"

void ZControlStatusbar::create(ZWindowContext* parent, const ZString& name) {
    if (!parent || !parent->clientWidget()) {
        throw ZException("A status bar needs a parent window.", 0);
    }
    auto* bar = new QWidget(parent->clientWidget());
    bar->setAutoFillBackground(true);
    attachNew(bar, name);
    adjust();
    bar->show();
}

void ZControlStatusbar::setParts(int count, const int* rightEdges) {
    QWidget* bar = widget();
    if (!bar) {
        return;
    }
    qDeleteAll(bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly));
    edges_.assign(rightEdges, rightEdges + count);
    for (int i = 0; i < count; ++i) {
        auto* part = new QLabel(bar);
        part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        part->setIndent(3);
        part->setTextFormat(Qt::PlainText);
        part->show();
    }
    placeParts();
}

void ZControlStatusbar::setText(const ZString& text, int part) {
    ZUiThread::run(this, [this, text, part] {
        if (!widget()) {
            return;
        }
        QList<QLabel*> parts = widget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        if (part >= 0 && part < parts.size()) {
            parts[part]->setText(QString::fromUtf8(text.c_str()));
        }
    });
}

void ZControlStatusbar::showNote(const ZString& text, int milliseconds) {
    ZUiThread::run(this, [this, text, milliseconds] {
        QWidget* bar = widget();
        if (!bar) {
            return;
        }
        if (!note_) {
            // Not a part: the parts are found as the bar's direct label children.
            auto* holder = new QWidget(bar);
            holder->setObjectName("note");
            note_ = new QLabel(holder);
            note_->setAutoFillBackground(true);
            note_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            note_->setIndent(3);
            note_->setTextFormat(Qt::PlainText);
        }
        note_->setText(QString::fromUtf8(text.c_str()));
        note_->setToolTip(note_->text());
        note_->parentWidget()->setGeometry(0, 0, bar->width(), bar->height());
        note_->setGeometry(0, 2, bar->width(), bar->height() - 2);
        note_->parentWidget()->raise();
        note_->parentWidget()->show();
        note_->show();
        QPointer<QLabel> shown = note_;
        QTimer::singleShot(milliseconds, bar, [shown] {
            if (shown) {
                shown->parentWidget()->hide();
            }
        });
    });
}

void ZControlStatusbar::adjust() {
    QWidget* bar = widget();
    if (!bar || !bar->parentWidget()) {
        return;
    }
    QSize area = bar->parentWidget()->size();
    int height = getHeight();
    bar->setGeometry(0, area.height() - height, area.width(), height);
    placeParts();
}

int ZControlStatusbar::getHeight() const {
    if (!widget()) {
        return 0;
    }
    return std::max(22, QFontMetrics(widget()->font()).height() + 8);
}

void ZControlStatusbar::placeParts() {
    QWidget* bar = widget();
    if (!bar) {
        return;
    }
    QList<QLabel*> parts = bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    int left = 0;
    for (int i = 0; i < parts.size() && i < static_cast<int>(edges_.size()); ++i) {
        int right = edges_[i] < 0 ? bar->width() : edges_[i];
        parts[i]->setGeometry(left, 2, std::max(0, right - left - 2), bar->height() - 2);
        left = right;
    }
}

#include "toolkit/ui/ZDialog.h"

#include <QAbstractButton>
#include <QEventLoop>
#include <QFontMetrics>
#include <QTimer>
#include <memory>

#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZBusyInputFilter.h"
#include "toolkit/ui/ZDialogItemWidget.h"
#include "toolkit/ui/ZDialogSeam.h"
#include "toolkit/ui/ZDialogWindow.h"
#include "toolkit/ui/ZFont.h"
#include "toolkit/ui/ZHeldKeyFilter.h"
#include "toolkit/ui/ZModalCloseBlocker.h"
#include "toolkit/ui/ZRasterSurface.h"
#include "toolkit/ui/ZResourceModule.h"
#include "toolkit/ui/ZToolkitState.h"
#include "toolkit/ui/ZUiThread.h"

namespace {

const ZDialogTemplate& findTemplate(int id) {
    const ZDialogTemplate* found = ZSystem::getInstance().findDialog(id);
    if (!found) {
        throw ZException(ZFormattedString("Dialog template %d not found.", id), 0);
    }
    return *found;
}

// Dialog units: a quarter of the average character width, an eighth of the character height.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font) {
        QFontMetrics metrics(font);
        int alphabet = metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        baseX_ = (alphabet / 26 + 1) / 2;
        baseY_ = metrics.height();
    }
    int x(int units) const { return (units * baseX_ + 2) / 4; }
    int y(int units) const { return (units * baseY_ + 4) / 8; }

  private:
    int baseX_;
    int baseY_;
};

Qt::WindowFlags windowFlags(std::uint32_t flags) {
    Qt::WindowFlags result = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (flags & Z_DIALOG_SYSMENU) {
        result |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (flags & Z_DIALOG_TOPMOST) {
        result |= Qt::WindowStaysOnTopHint;
    }
    return result;
}

}  // namespace

ZDialog::ZDialog(ZWindowContext* parent, int templateId)
    : parent_(parent), template_(findTemplate(templateId)) {}

QDialog* ZDialog::build() {
    Qt::WindowFlags flags = windowFlags(template_.flags);
    if (showDelay_ > 0) {
        // Nothing to type into: the keyboard stays with the window that is waiting.
        flags |= Qt::WindowDoesNotAcceptFocus;
    }
    auto* window = new ZDialogWindow(*this, parent_ ? parent_->widget() : nullptr, flags,
                                     template_.flags & Z_DIALOG_SYSMENU);
    window->setProperty(Z_WAIT_WINDOW_PROPERTY, showDelay_ > 0);
    ZFont font;
    font.create(template_.fontFace, template_.fontSize, 0, 400, 0);
    QFont qfont = ZRasterSurface::toQFont(font);
    window->setFont(qfont);
    window->setWindowTitle(QString::fromUtf8(ztr(template_.title).c_str()));
    DialogUnits units(qfont);
    window->setFixedSize(units.x(template_.width), units.y(template_.height));
    controls_.clear();
    for (const ZDialogItem& item : template_.items) {
        QWidget* control = createDialogItemWidget(
            item, window,
            QRect(units.x(item.x), units.y(item.y), units.x(item.width), units.y(item.height)));
        if (item.id != Z_NO_CONTROL_ID) {
            controls_.emplace_back(item.id, control);
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                QObject::connect(button, &QAbstractButton::clicked, window,
                                 [this, id = item.id] { onDialogCommand(id); });
            }
        }
    }
    attachWidgets(window, window, true);
    return window;
}

int ZDialog::show(bool modal) {
    if (!modal) {
        throw ZException("Only modal dialogs can be shown.", 0);
    }
    if (isCreated()) {
        throw ZException("The dialog is shown already.", 0);
    }
    QDialog* window = build();
    onDialogInit();
    window->setWindowModality(Qt::ApplicationModal);
    std::unique_ptr<ZBusyInputFilter> busy;
    if (showDelay_ > 0) {
        busy = std::make_unique<ZBusyInputFilter>(window);
        // A message box raised by the work meanwhile stays on top and takes the input.
        QTimer::singleShot(showDelay_, window, [window] {
            if (!zToolkit() || zToolkit()->openMessageBoxes == 0) {
                window->show();
            }
        });
    } else {
        window->show();
    }
    if (const ZDialogScript* script = ZDialogSeam::scriptFor(template_.id)) {
        QTimer::singleShot(0, window, [this, run = *script] { run(*this); });
    }
    {
        ZModalCloseBlocker blocker;
        ZHeldKeyFilter heldKeys(window);
        QEventLoop loop;
        loop_ = &loop;
        // A loop that returns -1 does not run at all: the application is quitting.
        while (!closed_ && !(zToolkit() && zToolkit()->quitRequested)) {
            if (loop.exec() == -1) {
                break;
            }
        }
        loop_ = nullptr;
    }
    busy.reset();
    closed_ = false;
    controls_.clear();
    attachWidgets(nullptr, nullptr, false);
    delete window;
    return result_;
}

void ZDialog::close(int result) {
    ZUiThread::run(this, [this, result] {
        closed_ = true;
        result_ = result;
        if (loop_) {
            loop_->quit();
        }
    });
}

QWidget* ZDialog::findControl(int id) const {
    for (const auto& [controlId, control] : controls_) {
        if (controlId == id) {
            return control;
        }
    }
    return nullptr;
}

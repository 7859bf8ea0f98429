// The window half of ZSystem, on QApplication.
#include <QDesktopServices>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

#include "toolkit/ZException.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZAcceleratorFilter.h"
#include "toolkit/ui/ZDialogWindow.h"
#include "toolkit/ui/ZHeldKeyFilter.h"
#include "toolkit/ui/ZMessageBoxCopy.h"
#include "toolkit/ui/ZResourceModule.h"
#include "toolkit/ui/ZToolkitState.h"
#include "toolkit/ui/ZUiThread.h"
#include "toolkit/ui/ZWindowContext.h"

namespace {

std::unique_ptr<ZToolkitState>& state() {
    static std::unique_ptr<ZToolkitState> toolkit;
    return toolkit;
}

ZToolkitState& running() {
    ZToolkitState* toolkit = zToolkit();
    if (!toolkit) {
        throw ZException("The toolkit has not been started.", 0);
    }
    return *toolkit;
}

// Message texts keep the line ends "\r\n" they are written with; a label wants "\n".
QString displayText(const ZString& text) {
    return QString::fromUtf8(text.c_str()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void hideWaitWindows() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->property(Z_WAIT_WINDOW_PROPERTY).toBool()) {
            window->hide();
        }
    }
}

QSize fullScreenSize() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(0, 0);
}

}  // namespace

ZToolkitState* zToolkit() {
    return state().get();
}

void ZSystem::startup(const ZString& applicationName, int& argc, char** argv,
                      const ZResourceModule& resources) {
    if (state()) {
        throw ZException("The toolkit is already running.", 0);
    }
    auto toolkit = std::make_unique<ZToolkitState>();
    toolkit->applicationName = applicationName.str();
    toolkit->programName = argc > 0 && argv && argv[0] ? argv[0] : applicationName.str();
    toolkit->argv[0] = toolkit->programName.data();
    // Menu bars belong to their window, as on the classic desktop, not to a desktop-wide bar.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    toolkit->application = std::make_unique<QApplication>(toolkit->argc, toolkit->argv);
    QApplication::setApplicationName(QString::fromUtf8(applicationName.c_str()));
    // The program speaks German whatever the desktop's language, and so do Qt's file dialogs and
    // buttons. Without the translations installed they stay English; nothing else changes.
    toolkit->translator = std::make_unique<QTranslator>();
    if (toolkit->translator->load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(toolkit->translator.get());
    }
    // Only postQuitMessage ends the program, not the last window disappearing.
    QApplication::setQuitOnLastWindowClosed(false);
    toolkit->queue = std::make_unique<ZUiQueue>();
    toolkit->resources = &resources;
    state() = std::move(toolkit);
}

void ZSystem::shutdown() {
    if (state()) {
        state()->queue.reset();
        if (state()->translator) {
            QApplication::removeTranslator(state()->translator.get());
            state()->translator.reset();
        }
        state()->application.reset();
        state().reset();
    }
}

int ZSystem::messageLoop(ZWindowContext& window, int acceleratorTable) {
    ZToolkitState& toolkit = running();
    ZAcceleratorFilter accelerators(window, getInstance().findAccelerators(acceleratorTable));
    toolkit.application->installEventFilter(&accelerators);
    if (!toolkit.quitRequested) {
        toolkit.mainLoopRunning = true;
        QApplication::exec();
        toolkit.mainLoopRunning = false;
    }
    toolkit.application->removeEventFilter(&accelerators);
    toolkit.quitRequested = false;
    return toolkit.exitCode;
}

void ZSystem::postQuitMessage(int exitCode) {
    ZToolkitState& toolkit = running();
    toolkit.quitRequested = true;
    toolkit.exitCode = exitCode;
    // Outside the loop Qt would keep the request and end every later modal loop at once.
    if (toolkit.mainLoopRunning) {
        QApplication::exit(exitCode);
    }
}

bool ZSystem::showMessage(ZWindowContext* owner, const ZString& text, const ZString& title,
                          bool question) {
    bool answer = true;
    // Messages written whole are looked up whole; formatted ones come already worded.
    const ZString shownText = ztr(text.c_str());
    const ZString shownTitle = ztr(title.c_str());
    ZUiThread::runAndWait([&] {
        ZToolkitState& toolkit = running();
        if (toolkit.messageSink) {
            toolkit.messageSink(shownText, shownTitle);
            answer = !question || toolkit.sinkAnswer;
            return;
        }
        QMessageBox box(question ? QMessageBox::Question : QMessageBox::Information,
                        displayText(shownTitle), displayText(shownText),
                        question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                        owner ? owner->widget() : nullptr);
        // A wait dialog is modal, takes no input and would cover the box: it goes first.
        hideWaitWindows();
        ++toolkit.openMessageBoxes;
        enableMessageCopy(box);
        ZHeldKeyFilter heldKeys(&box);
        answer = box.exec() != QMessageBox::No;
        --toolkit.openMessageBoxes;
    });
    return answer;
}

void ZSystem::showException(ZWindowContext* owner, const ZException& exception) {
    showMessage(owner, exception.getMessage(), ZTEXT("Fehler"), false);
}

void ZSystem::setMessageSink(ZMessageSink sink) {
    running().messageSink = std::move(sink);
}

void ZSystem::setSinkAnswer(bool yes) {
    running().sinkAnswer = yes;
}

bool ZSystem::openDocument(const ZString& fileName) {
    ZString path = getCurrentDirectory();
    if (!path.isEmpty() && path.str().back() != '/') {
        path += "/";
    }
    path += fileName.view();
    bool opened = false;
    ZUiThread::runAndWait([&] {
        ZToolkitState& toolkit = running();
        if (toolkit.documentOpener) {
            opened = toolkit.documentOpener(path);
            return;
        }
        // False when the desktop has no way to open files (no xdg-open, say).
        opened = QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromUtf8(path.c_str())));
    });
    return opened;
}

void ZSystem::setDocumentOpener(ZDocumentLauncher opener) {
    running().documentOpener = std::move(opener);
}

void ZSystem::openWebAddress(const ZString& address) {
    ZUiThread::run(nullptr, [address] {
        ZToolkitState& toolkit = running();
        if (toolkit.webAddressOpener) {
            toolkit.webAddressOpener(address);
            return;
        }
        QDesktopServices::openUrl(QUrl(QString::fromUtf8(address.c_str())));
    });
}

void ZSystem::setWebAddressOpener(ZDocumentOpener opener) {
    running().webAddressOpener = std::move(opener);
}

const ZResourceModule& ZSystem::getInstance() {
    return *running().resources;
}

ZString ZSystem::getSystemInfo() {
    return ZString(running().applicationName);
}

int ZSystem::getFullScreenWidth() {
    return fullScreenSize().width();
}

int ZSystem::getFullScreenHeight() {
    return fullScreenSize().height();
}

#pragma once

#include <QApplication>
#include <QTranslator>
#include <map>
#include <memory>
#include <string>

#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZDialogSeam.h"
#include "toolkit/ui/ZUiQueue.h"

class ZResourceModule;

// What the window layer keeps between ZSystem::startup and ZSystem::shutdown.
struct ZToolkitState {
    std::string applicationName;
    // Qt keeps references to these for the life of the application object.
    std::string programName;
    int argc = 1;
    char* argv[2] = {nullptr, nullptr};
    std::unique_ptr<QApplication> application;
    // Qt's own German texts for the standard dialogs and buttons.
    std::unique_ptr<QTranslator> translator;
    std::unique_ptr<ZUiQueue> queue;
    const ZResourceModule* resources = nullptr;
    ZMessageSink messageSink;
    bool sinkAnswer = true;
    ZDocumentLauncher documentOpener;
    ZDocumentOpener webAddressOpener;
    // Message boxes on screen: a wait dialog stays hidden under them, or it would block them.
    int openMessageBoxes = 0;
    std::map<int, ZDialogScript> dialogScripts;
    ZFileDialogScript fileDialogScript;
    bool mainLoopRunning = false;
    bool quitRequested = false;
    int exitCode = 0;
};

// The running toolkit, null before startup and after shutdown.
ZToolkitState* zToolkit();

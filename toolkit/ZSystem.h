#pragma once

#include <functional>

#include "toolkit/ZString.h"

class ZException;
class ZResourceModule;
class ZWindowContext;

// Receives every message box instead of the screen (text, title); set by tests.
using ZMessageSink = std::function<void(const ZString& text, const ZString& title)>;
// Receives the web addresses to be opened instead of the browser; set by tests.
using ZDocumentOpener = std::function<void(const ZString& path)>;
// Receives the documents to be opened instead of the desktop (absolute path) and answers
// whether a program took them; set by tests.
using ZDocumentLauncher = std::function<bool(const ZString& path)>;

// Process-wide services: rounding and file-name helpers (usable anywhere), and the start-up,
// message loop and message boxes of the window layer (toolkit_ui).
class ZSystem {
  public:
    // Rounds to the given number of decimals, halves away from zero.
    static double round(double value, int decimals);
    // With fileNameOnly set, the last component of the path (name and extension); otherwise the
    // directory part including its final "/", or empty.
    static void extractPath(const ZString& path, ZString& result, bool fileNameOnly);
    // The text after the last "." of the file name, empty when there is none.
    static ZString extractFileExtension(const ZString& path);
    static ZString getCurrentDirectory();
    // A file the program only reads (pictures, coastlines, help text, datasets): the name as it
    // stands when it is found from the working directory (or is absolute), otherwise the copy
    // installed with the program when there is one, otherwise the name unchanged, so that opening
    // it fails under the name the user knows.
    static ZString findProgramFile(const ZString& name);

    // Window layer (implemented in the toolkit_ui library). The command line is not read here:
    // the window takes no options, and the program's own are read before the window starts.
    static void startup(const ZString& applicationName, int& argc, char** argv,
                        const ZResourceModule& resources);
    static void shutdown();
    // Runs until postQuitMessage, turning the keys of the accelerator table into commands of the
    // window; returns the code given to postQuitMessage.
    static int messageLoop(ZWindowContext& window, int acceleratorTable);
    // Ends the message loop, also when it has not started yet.
    static void postQuitMessage(int exitCode);
    // Modal message boxes, from any thread (the caller waits until the box is closed). A question
    // has Yes and No and returns whether the answer was Yes; otherwise the result is true.
    static bool showMessage(ZWindowContext* owner, const ZString& text, const ZString& title,
                            bool question);
    static void showException(ZWindowContext* owner, const ZException& exception);
    static void setMessageSink(ZMessageSink sink);
    // How the message sink answers questions: Yes until set otherwise.
    static void setSinkAnswer(bool yes);
    // Opens a file of the working directory with the program the desktop associates with it, on
    // the user-interface thread; from any thread. Waits for the desktop's answer: false when
    // no program could be started for the file.
    static bool openDocument(const ZString& fileName);
    static void setDocumentOpener(ZDocumentLauncher opener);
    // Opens a web address in the desktop's browser, without waiting.
    static void openWebAddress(const ZString& address);
    static void setWebAddressOpener(ZDocumentOpener opener);
    // The program's resources given to startup.
    static const ZResourceModule& getInstance();
    // The class name every window of the program is created with.
    static ZString getSystemInfo();
    // Size of the screen area a maximised window may cover.
    static int getFullScreenWidth();
    static int getFullScreenHeight();
};

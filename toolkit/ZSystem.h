#pragma once

#include "toolkit/ZString.h"

class ZException;
class ZWindowContext;

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

    // Window layer (implemented in the toolkit_ui library).
    static void startup(const ZString& applicationName, int& argc, char** argv);
    static void shutdown();
    static int messageLoop(ZWindowContext& window, int acceleratorTable);
    static void showMessage(ZWindowContext* owner, const ZString& text, const ZString& title,
                            bool question);
    static void showException(ZWindowContext* owner, const ZException& exception);
};

// Sorvo Visualizer: one window over the gridded temperature anomalies, or, with options of its
// own, pictures from the command line.
#include <cstdlib>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/CommandLine.h"
#include "app/CommandLineProgram.h"
#include "app/CommandLineTexts.h"
#include "app/MainWindow.h"
#include "app/WindowDisplay.h"
#include "resources/ResourceIds.h"
#include "resources/SorvoResources.h"
#include "toolkit/ZException.h"
#include "toolkit/ZSystem.h"

int main(int argc, char** argv) {
    CommandLine line = CommandLine::parse(std::vector<std::string_view>(argv + 1, argv + argc));
    CommandLineTexts texts(CommandLineTexts::languageOf(std::getenv));
    if (line.error || line.mode != ProgramMode::Window) {
        return CommandLineProgram(line, texts).run(argv[0]);
    }
    if (!windowHasDisplay(std::getenv)) {
        std::cerr << texts.noDisplay();
        return 1;
    }
    int result = 0;
    try {
        ZSystem::startup("SorvoVisualizer", argc, argv, sorvoResources());
        MainWindow window;
        window.create(nullptr);
        window.setIcon(IDI_SORVO);
        result = ZSystem::messageLoop(window, IDR_ACCELERATORS);
    } catch (const ZException&) {
        // A failure before the window runs ends the program quietly.
        try {
            ZSystem::shutdown();
        } catch (const ZException&) {
        }
        return 0;
    }
    ZSystem::shutdown();
    return result;
}

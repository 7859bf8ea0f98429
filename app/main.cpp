// Sorvo Visualizer: one window over the gridded temperature anomalies.
#include "app/MainWindow.h"
#include "resources/ResourceIds.h"
#include "resources/SorvoResources.h"
#include "toolkit/ZException.h"
#include "toolkit/ZSystem.h"

int main(int argc, char** argv) {
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

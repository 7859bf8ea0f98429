#include "app/MainWindow.h"

#include "map/MapRenderer.h"
#include "map/PictureGeometry.h"
#include "overlays/Readout.h"
#include "resources/ResourceIds.h"
#include "toolkit/ZException.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZResourceModule.h"

namespace {

constexpr const char* WINDOW_TITLE = "Sorvo Visualizer V0.91 - Visualisierung von HadCRUT3-Daten";

// Caption, system menu and minimise box: the user can neither resize nor maximise the window.
constexpr std::uint32_t WINDOW_STYLE = Z_WS_CAPTION | Z_WS_SYSMENU | Z_WS_MINIMIZEBOX;
static_assert(WINDOW_STYLE == 0x00CA0000);

}  // namespace

MainWindow::MainWindow()
    : overlays(database, document.captionFont, document.labelFont, &document.positions) {
    checkedMark.create(ZSystem::getInstance().loadBitmap(IDB_CHECKED_MARK));
    uncheckedMark.create(ZSystem::getInstance().loadBitmap(IDB_UNCHECKED_MARK));
}

MainWindow::~MainWindow() {
    destroy();
}

void MainWindow::create(ZWindowContext* parent) {
    windowStyle = ZWindowStyle{ZSystem::getSystemInfo(), WINDOW_STYLE, 0};
    ZWindow::create(parent, WINDOW_TITLE, this, windowStyle, 0, 0, 0, 0);
    showWindow();
    if (folderLock && !folderLock->isHeld()) {
        ZSystem::showMessage(this,
                             "Sorvo Visualizer läuft in diesem Arbeitsordner bereits.\r\n"
                             "Dieses Fenster speichert beim Schließen weder Einstellungen "
                             "(init.txt) noch Positionen (positions.txt).",
                             "Information", false);
    }
}

void MainWindow::onWindowCreate() {
    try {
        try {
            document.load();
        } catch (const ZFileNotFoundException&) {
            // What was read so far stands.
        }
        statusBar.create(this, "AppStatusBar");
        const int parts[] = {300, 400, 600};
        statusBar.setParts(3, parts);
        buildMenus();
        tab.create(this, "Tabulator");
        mapPanel.create(tab, *this);
        tab.addPage(0, "Weltkarte", mapPanel);
        setMapType(document.view.mapType, false);
        // While the window runs, the open dataset holds the dataset and its month.
        database.open(document.dataset);
        database.select(document.selection);
        // Centred by the size of the map, not of the window.
        ZRect map = viewport().geometry().mapRectangle;
        int x = (ZSystem::getFullScreenWidth() - map.width()) / 2;
        int y = (ZSystem::getFullScreenHeight() - map.height()) / 2;
        setScale(document.view.scalePercent, x, y);
        folderLock.emplace();
    } catch (const ZException& exception) {
        ZSystem::showException(this, exception);
        ZSystem::postQuitMessage(0);
    }
}

void MainWindow::buildMenus() {
    menuBar.createMenuBar();

    programMenu.createPopupMenu();
    programMenu.addItem(CMD_POSITION, "Position\tSTRG+P");
    programMenu.addItem(CMD_DATASET, "Datensatz laden\tSTRG+D");
    programMenu.addSeparator();
    programMenu.addItem(CMD_EXPORT, "Datenreihe exportieren");
    programMenu.addSeparator();
    saveAsMenu.createPopupMenu();
    saveAsMenu.addItem(CMD_SAVE_GIF, "GIF");
    saveAsMenu.addItem(CMD_SAVE_JPEG, "JPEG");
    saveAsMenu.addItem(CMD_SAVE_PNG, "PNG");
    saveAsMenu.addItem(CMD_SAVE_SVG, "SVG");
    saveAsMenu.addItem(CMD_SAVE_EMF, "EMF");
    saveAsMenu.addItem(CMD_SAVE_ANIMATION, "Animation (GIF) ...");
    saveAsMenu.addSeparator();
    pictureSizeMenu.createPopupMenu();
    pictureSizeMenu.addItem(CMD_PICTURE_SIZE_1, "1×", checkedMark, uncheckedMark);
    pictureSizeMenu.addItem(CMD_PICTURE_SIZE_2, "2×", checkedMark, uncheckedMark);
    pictureSizeMenu.addItem(CMD_PICTURE_SIZE_4, "4×", checkedMark, uncheckedMark);
    pictureSizeMenu.checkItem(CMD_PICTURE_SIZE_1, true);
    saveAsMenu.addSubmenu("Größe", pictureSizeMenu);
    programMenu.addSubmenu("Speichern als ...", saveAsMenu);
    programMenu.addSeparator();
    programMenu.addItem(CMD_OPEN_FILE, "Datei öffnen ...\tSTRG+O");
    programMenu.addSeparator();
    programMenu.addItem(CMD_EXIT, "Beenden");

    viewMenu.createPopupMenu();
    viewMenu.addItem(CMD_SCALE_100, "100%", checkedMark, uncheckedMark);
    scaleMenuItems.put(100, CMD_SCALE_100);
    viewMenu.addItem(CMD_SCALE_75, "75%", checkedMark, uncheckedMark);
    scaleMenuItems.put(75, CMD_SCALE_75);
    viewMenu.addItem(CMD_SCALE_50, "50%", checkedMark, uncheckedMark);
    scaleMenuItems.put(50, CMD_SCALE_50);
    viewMenu.addSeparator();
    mapMenu.createPopupMenu();
    mapMenu.addItem(CMD_MAP_OUTLINES, "Umrisse", checkedMark, uncheckedMark);
    mapMenu.addItem(CMD_MAP_SATELLITE, "Satellitenfoto", checkedMark, uncheckedMark);
    mapMenu.addItem(CMD_MAP_LAND_WATER, "Land/Wasser", checkedMark, uncheckedMark);
    mapMenu.addSeparator();
    mapMenu.addItem(CMD_COLOURS_STANDARD, "Farbskala: Standard", checkedMark, uncheckedMark);
    mapMenu.addItem(CMD_COLOURS_BLUE_WHITE_RED, "Farbskala: Blau–Weiß–Rot (farbenblind-freundlich)",
                    checkedMark, uncheckedMark);
    bool blueWhiteRed = document.view.colourScale == ColourScaleChoice::BlueWhiteRed;
    mapMenu.checkItem(CMD_COLOURS_STANDARD, !blueWhiteRed);
    mapMenu.checkItem(CMD_COLOURS_BLUE_WHITE_RED, blueWhiteRed);
    viewMenu.addSubmenu("Karte", mapMenu);
    viewMenu.addSeparator();
    viewMenu.addItem(CMD_ORTHOGRAPHIC, "Orthographisch", checkedMark, uncheckedMark);
    if (document.view.globe) {
        viewMenu.checkItem(CMD_ORTHOGRAPHIC, true);
    }
    viewMenu.addItem(CMD_EQUAL_EARTH, "Equal Earth (flächentreu)", checkedMark, uncheckedMark);
    // The globe, when chosen, is shown instead.
    if (document.view.equalEarth && !document.view.globe) {
        viewMenu.checkItem(CMD_EQUAL_EARTH, true);
    }

    menuBar.addSubmenu("Programm", programMenu);
    menuBar.addSubmenu("Ansicht", viewMenu);
    menuBar.addItem(CMD_HELP, "Hilfe");
    setMenu(menuBar);
}

void MainWindow::setScale(std::uint32_t percent, int x, int y) {
    // Not a pixel, so not bounded as pixels are: the percentage read from the settings is the
    // one written back, a negative one included.
    document.view.scalePercent = percent;
    updateScaleMenu();
    reRender();

    ZRect area = getWindowRect();
    if (x == -1) {
        x = area.left;
    }
    if (y == -1) {
        y = area.top;
    }
    // The map picture and, around it, the two-pixel edge of the map panel.
    PictureGeometry picture = viewport().geometry();
    int width = picture.width;
    int height = picture.height;
    ZRect tabArea = tab.calcWindowRect(width + 4, height + 4);
    tab.setWindowPos(tabArea.left, tabArea.top, tabArea.width(), tabArea.height());

    ZRect window{x, y, x + tabArea.width(), y + tabArea.height() + statusBar.getHeight()};
    adjustWindowRect(window, true);
    setWindowPos(x, y, window.width(), window.height());
    tab.setFocusPage(0);
}

void MainWindow::onWindowClose() {
    // A second copy in the same folder must not replace what the first one writes.
    if (folderLock && folderLock->isHeld()) {
        saveSettings();
    }
    folderLock.reset();
    destroy();
    ZSystem::postQuitMessage(0);
}

void MainWindow::onWindowResize(int, int) {
    statusBar.adjust();
}

void MainWindow::paintMap(ZSurface& surface, const ZRect& update) {
    Viewport shown = viewport();
    MapRenderer::paintMap(MapScene{database.grid(), shown, document.background, &overlays, nullptr},
                          surface, mapBitmap, update);
}

void MainWindow::mouseMovedTo(int x, int y) {
    mouseX = x;
    mouseY = y;
    if (globeDrag) {
        turnGlobeTo(x, y);
    }
    updateReadout();
}

void MainWindow::updateReadout() {
    Position marker;
    PositionHit hit;
    bool onMarker = findPositionAt(mouseX, mouseY, marker) != 0;
    if (onMarker) {
        hit = PositionHit{marker.name, marker.coordinates};
    }
    ReadoutTexts texts =
        readoutTexts(database.grid(), viewport(), mouseX, mouseY, onMarker ? &hit : nullptr);
    statusBar.setText(texts.location, 0);
    statusBar.setText(texts.value, 1);
}

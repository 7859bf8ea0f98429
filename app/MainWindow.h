#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "app/MapPanel.h"
#include "app/MapPanelListener.h"
#include "app/MapWorker.h"
#include "app/PictureFormat.h"
#include "app/WorkingFolderLock.h"
#include "document/MapDocument.h"
#include "grid/GridDatabase.h"
#include "map/GlobeDrag.h"
#include "map/GlobePreview.h"
#include "map/MapRenderer.h"
#include "map/Viewport.h"
#include "overlays/MapOverlayPainter.h"
#include "toolkit/IntMap.h"
#include "toolkit/ZString.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZControlStatusbar.h"
#include "toolkit/ui/ZControlTab.h"
#include "toolkit/ui/ZMenu.h"
#include "toolkit/ui/ZWindow.h"
#include "toolkit/ui/ZWindowStyle.h"

class MapJob;
struct SaveFormat;

// The program's one window: menus, the tab with the map panel and the status bar; it owns the
// document, the open dataset and the rendered map, dispatches every command, and hands renders
// and saves to its worker as jobs.
class MainWindow : public ZWindow, public ZWindow::EventHandler, public MapPanelListener {
  public:
    MainWindow();
    ~MainWindow() override;

    void create(ZWindowContext* parent);
    // Sets the map scale in percent, renders and sizes the window to fit; -1 keeps that
    // coordinate of the window's corner.
    void setScale(std::uint32_t percent, int x, int y);
    // The name the save dialogs offer: the dataset's name before its first ".", the year (and
    // month), and the extension, without the folder.
    ZString defaultSaveName(const ZString& extension) const;
    // The map as it stands, caption on and markers off, saved as GIF, JPEG, PNG or SVG on the
    // worker at the chosen multiple of the window's scale; a failure is reported.
    void saveMap(PictureFormat format, const ZString& name);
    // What a picture of the map as it stands is drawn from.
    MapSnapshot snapshot();
    // Saves the document with the open dataset's name and month. A file that cannot be written
    // is reported in a message of its own, and so is an old "positions.txt" kept as
    // "positions.txt~" because it held lines that are not written back.
    void saveSettings();
    void onWindowCreate() override;
    void onWindowClose() override;
    void onWindowResize(int width, int height) override;
    std::intptr_t onWindowMessage(ZWindowContext& window, unsigned message, std::uintptr_t first,
                                  std::intptr_t second) override;

    void paintMap(ZSurface& surface, const ZRect& update) override;
    void editPositionAt(int x, int y) override;
    void removePositionAt(int x, int y) override;
    void mouseMovedTo(int x, int y) override;
    void leftPressedAt(int x, int y) override;
    void leftReleasedAt(int x, int y) override;

    // The layout of the window's picture for the view as it stands.
    Viewport viewport() const;

    // Read at start, saved on closing when the window holds the working folder; its dataset and
    // month are the open dataset's while the window runs.
    MapDocument document;
    // Draws the window's pictures on the worker and keeps what the globe reuses.
    MapRenderer renderer;
    // The last finished map, painted by the map panel; changed on the user-interface thread only.
    ZBitmap mapBitmap;
    GridDatabase database;

    // Members are made in the order they stand, whatever their access: the window's parts keep
    // the order in which they have always been made and destroyed.
  private:
    std::int32_t mouseX = 0;
    std::int32_t mouseY = 0;
    ZWindowStyle windowStyle;

  public:
    ZMenu menuBar;

  private:
    ZMenu programMenu;

  public:
    ZMenu viewMenu;

  private:
    ZMenu mapMenu;
    ZMenu saveAsMenu;
    ZMenu pictureSizeMenu;

  public:
    ZControlStatusbar statusBar;

  private:
    ZBitmap checkedMark;
    ZBitmap uncheckedMark;
    IntMap<std::uint32_t> scaleMenuItems;
    std::uint32_t checkedScaleItem = 0;
    std::uint32_t checkedMapItem = 0;
    // The multiple of the window's scale that saved pictures are drawn at, for this run only:
    // a size for print is chosen for a picture, not kept as a habit.
    std::uint32_t pictureSize = 1;

  public:
    ZControlTab tab;
    MapPanel mapPanel;
    // The overlays the panel paints live over the map.
    MapOverlayPainter overlays;
    // Its wait dialog is made with the window.
    MapWorker worker{this};

  private:
    // Taken once the window stands; a window without it saves nothing on closing.
    std::optional<WorkingFolderLock> folderLock;
    ZString layoutProblemShownFor;
    ZString layoutNoteShownFor;
    ZString notNumbersShownFor;
    bool coastlinesMissingShown = false;
    // The picture before the last, drawn over by the next render while the panel still paints
    // the last one.
    ZBitmap spareBitmap;
    // A press on the globe that may turn it, and what its previews reuse, made at its first
    // move.
    std::optional<GlobeDrag> globeDrag;
    bool globeDragMoved = false;
    std::optional<GlobePreview> globePreview;
    // Set once the hand has turned the globe: the centre is then the view's own, not the view
    // position's, until the view position changes.
    bool turnedByHand = false;

    void buildMenus();
    void runCommand(int command);
    void setMapType(std::uint32_t type, bool redraw);
    void toggleOrthView();
    void setColourScale(ColourScaleChoice choice);
    void setPictureSize(std::uint32_t size);
    void toggleEqualEarth();
    // The globe turned to the centre for the pointer at (x, y), drawn as a quick preview.
    void turnGlobeTo(int x, int y);
    void updateScaleMenu();
    // The id of the position whose marker (as last painted) covers the point, copied into hit;
    // 0 for none.
    std::uint32_t findPositionAt(int x, int y, Position& hit);
    // Rewrites the status bar's place and value for the last mouse point.
    void updateReadout();
    // Renders anew after a change of data or view.
    void reRender();
    // Tells the user, once per file, when the dataset's blocks are not where its layout says,
    // and once per month read when values in it were no numbers.
    void reportMissingData();
    // Tells the user, once per run, when the coastlines are chosen but their file is missing.
    void reportMissingCoastlines();
    // Asks for a file name in the format, offering the name given (the default save name when
    // it is empty); false when cancelled or refused.
    bool askSaveName(const SaveFormat& format, ZString& name);
    // Runs the job on the worker behind the wait dialog, handing a job that succeeded to
    // delivered on this thread; false, after reporting its failure, when it failed.
    bool runJob(MapJob& job, const std::function<void()>& delivered = {});

    void showPositionDialog();
    // The dialog for a new position; on OK it becomes the view position on the globe and a new
    // position on the flat map.
    void addPosition(const ZString& name, const GeoPosition& place);
    // Redraws after a position changed: the globe may turn, the flat map only repaints.
    void positionsChanged();
    // The view position's place, the centre of the globe; null when there is none.
    const GeoPosition* viewCentre() const;
    void showDatasetDialog();
    // A dataset file of any name, text or netCDF, chosen in the desktop's open dialog; one that
    // cannot be read is reported and the shown dataset kept.
    void openDatasetFile();
    void showExportDialog();
    void showHelpDialog();
    // Asks for the file, then shows the animation dialog on the shown month's span.
    void showAnimationDialog();
    // The map at ten times the scale as a metafile, on this thread; raises ZException when the
    // file cannot be made.
    void saveAsEmf(const ZString& name);
};

// The main window's commands: menus and keys, view choices, save names.
#include <filesystem>

#include "app/MainWindow.h"
#include "app/SaveFormat.h"
#include "dialogs/BaselineDialog.h"
#include "dialogs/DatasetDialog.h"
#include "dialogs/ExportDialog.h"
#include "dialogs/HelpDialog.h"
#include "resources/ResourceIds.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZFileSelectDialog.h"

namespace {

// Another file, averaged onto the 5-degree cells with the coverage of the settings.
GridSourceDescription datasetNamed(const ZString& name, std::uint32_t minCoverage) {
    GridSourceDescription description{1, name};
    description.minCoverage = minCoverage;
    return description;
}

// A file inside the working directory by its path from there ("data/cru/hadcrut4.dat"), so
// that the names which give the block sizes of the text files still apply; others as chosen.
ZString workingDirectoryName(const ZString& chosen) {
    const std::filesystem::path path = std::filesystem::absolute(chosen.str()).lexically_normal();
    const std::filesystem::path relative = path.lexically_relative(std::filesystem::current_path());
    if (relative.empty() || *relative.begin() == ".." || relative == ".") {
        return chosen;
    }
    return ZString(relative.generic_string());
}

}  // namespace

std::intptr_t MainWindow::onWindowMessage(ZWindowContext&, unsigned message, std::uintptr_t first,
                                          std::intptr_t) {
    if (message == Z_WM_COMMAND) {
        try {
            runCommand(static_cast<int>(first & 0xFFFF));
        } catch (const ZException& exception) {
            // The window goes on with the state the command left.
            ZSystem::showException(this, exception);
        }
    }
    return 0;
}

void MainWindow::runCommand(int command) {
    ZString name;
    switch (command) {
        case CMD_EXIT:
            onWindowClose();
            break;
        case CMD_POSITION:
        case CMD_POSITION_KEY:
            showPositionDialog();
            break;
        case CMD_DATASET:
        case CMD_DATASET_KEY:
            showDatasetDialog();
            break;
        case CMD_EXPORT:
            showExportDialog();
            break;
        case CMD_SERIES:
            showSeriesWindow();
            break;
        case CMD_OPEN_FILE:
        case CMD_OPEN_FILE_KEY:
            openDatasetFile();
            break;
        case CMD_SAVE_GIF:
        case CMD_SAVE_GIF_KEY:
            if (askSaveName(GIF_FORMAT, name)) {
                saveMap(PictureFormat::Gif, name);
            }
            break;
        case CMD_SAVE_JPEG:
            if (askSaveName(JPEG_FORMAT, name)) {
                saveMap(PictureFormat::Jpeg, name);
            }
            break;
        case CMD_SAVE_PNG:
            if (askSaveName(PNG_FORMAT, name)) {
                saveMap(PictureFormat::Png, name);
            }
            break;
        case CMD_SAVE_SVG:
            if (askSaveName(SVG_FORMAT, name)) {
                saveMap(PictureFormat::Svg, name);
            }
            break;
        case CMD_PICTURE_SIZE_1:
            setPictureSize(1);
            break;
        case CMD_PICTURE_SIZE_2:
            setPictureSize(2);
            break;
        case CMD_PICTURE_SIZE_4:
            setPictureSize(4);
            break;
        case CMD_SAVE_ANIMATION:
            showAnimationDialog();
            break;
        case CMD_SAVE_EMF:
            // The metafile is drawn on this thread, without the worker.
            if (askSaveName(EMF_FORMAT, name)) {
                saveAsEmf(name);
            }
            break;
        case CMD_SCALE_100:
            setScale(100, -1, -1);
            break;
        case CMD_SCALE_75:
            setScale(75, -1, -1);
            break;
        case CMD_SCALE_50:
            setScale(50, -1, -1);
            break;
        case CMD_MAP_OUTLINES:
            setMapType(1, true);
            break;
        case CMD_MAP_SATELLITE:
            setMapType(2, true);
            break;
        case CMD_MAP_LAND_WATER:
            setMapType(3, true);
            break;
        case CMD_MAP_NIGHT:
            setMapType(4, true);
            break;
        case CMD_ORTHOGRAPHIC:
            toggleOrthView();
            break;
        case CMD_COLOURS_STANDARD:
            setColourScale(ColourScaleChoice::Standard);
            break;
        case CMD_COLOURS_BLUE_WHITE_RED:
            setColourScale(ColourScaleChoice::BlueWhiteRed);
            break;
        case CMD_EQUAL_EARTH:
            toggleEqualEarth();
            break;
        case CMD_HELP:
            showHelpDialog();
            break;
        case CMD_LANGUAGE_GERMAN:
        case CMD_LANGUAGE_ENGLISH:
            setLanguage(command == CMD_LANGUAGE_ENGLISH);
            break;
        case CMD_PREVIOUS_MONTH:
            // In year-average mode the month keys change nothing.
            if (database.previousMonth()) {
                reRender();
            }
            break;
        case CMD_NEXT_MONTH:
            if (database.nextMonth()) {
                reRender();
            }
            break;
        case CMD_NEXT_YEAR:
            database.nextYear();
            reRender();
            break;
        case CMD_PREVIOUS_YEAR:
            database.previousYear();
            reRender();
            break;
        default:
            break;
    }
}

void MainWindow::setMapType(std::uint32_t type, bool redraw) {
    if (checkedMapItem != 0) {
        viewMenu.checkItem(static_cast<int>(checkedMapItem), false);
    }
    try {
        std::uint32_t item = CMD_MAP_OUTLINES;
        switch (type) {
            case 2:
                document.background.open("weltkarte1.jpg");
                item = CMD_MAP_SATELLITE;
                break;
            case 3:
                document.background.open("weltkarte3.jpg");
                item = CMD_MAP_LAND_WATER;
                break;
            case 4:
                // No menu item carries this type, so nothing shows a check.
                document.background.open("weltkarte2.jpg");
                item = CMD_MAP_NIGHT;
                break;
            default:
                document.background.close();
                break;
        }
        viewMenu.checkItem(static_cast<int>(item), true);
        checkedMapItem = item;
    } catch (const ZBitmapException& exception) {
        ZSystem::showException(this, exception);
    }
    document.view.mapType = type;
    if (type == 1) {
        reportMissingCoastlines();
    }
    if (redraw) {
        reRender();
    }
}

void MainWindow::toggleOrthView() {
    document.view.globe = !document.view.globe;
    viewMenu.checkItem(CMD_ORTHOGRAPHIC, document.view.globe);
    // The three views exclude each other.
    if (document.view.globe && document.view.equalEarth) {
        document.view.equalEarth = false;
        viewMenu.checkItem(CMD_EQUAL_EARTH, false);
    }
    reRender();
}

void MainWindow::toggleEqualEarth() {
    document.view.equalEarth = !document.view.equalEarth;
    viewMenu.checkItem(CMD_EQUAL_EARTH, document.view.equalEarth);
    if (document.view.equalEarth && document.view.globe) {
        document.view.globe = false;
        viewMenu.checkItem(CMD_ORTHOGRAPHIC, false);
    }
    reRender();
}

void MainWindow::setColourScale(ColourScaleChoice choice) {
    bool blueWhiteRed = choice == ColourScaleChoice::BlueWhiteRed;
    viewMenu.checkItem(CMD_COLOURS_STANDARD, !blueWhiteRed);
    viewMenu.checkItem(CMD_COLOURS_BLUE_WHITE_RED, blueWhiteRed);
    if (document.view.colourScale != choice) {
        document.view.colourScale = choice;
        reRender();
    }
}

void MainWindow::setPictureSize(std::uint32_t size) {
    pictureSize = size;
    saveAsMenu.checkItem(CMD_PICTURE_SIZE_1, size == 1);
    saveAsMenu.checkItem(CMD_PICTURE_SIZE_2, size == 2);
    saveAsMenu.checkItem(CMD_PICTURE_SIZE_4, size == 4);
}

void MainWindow::updateScaleMenu() {
    if (checkedScaleItem != 0) {
        viewMenu.checkItem(static_cast<int>(checkedScaleItem), false);
    }
    if (auto* item = scaleMenuItems.get(document.view.scalePercent)) {
        viewMenu.checkItem(static_cast<int>(item->value), true);
        checkedScaleItem = item->value;
    }
}

ZString MainWindow::defaultSaveName(const ZString& extension) const {
    ZString name = database.fileName();
    std::size_t dot = name.indexOf('.');
    if (dot != ZString::npos) {
        name = name.substring(0, dot);
    }
    const MonthSelection& selection = database.selection();
    if (selection.yearAverage()) {
        name += ZFormattedString("_%u", selection.year()).view();
    } else {
        name += ZFormattedString("_%u_%.2u", selection.year(), selection.month()).view();
    }
    if (!extension.isEmpty()) {
        name += ".";
        name += extension.view();
    }
    ZString fileName;
    ZSystem::extractPath(name, fileName, true);
    return fileName;
}

bool MainWindow::askSaveName(const SaveFormat& format, ZString& name) {
    ZFileSelectDialog dialog(this, {ZFileFilter{format.filterDescription, format.pattern}});
    dialog.setInitialFilename(name.isEmpty() ? defaultSaveName(format.extension) : name);
    if (!dialog.showSaveDialog(format.dialogTitle)) {
        return false;
    }
    name = dialog.getFilename();
    if (!format.completeName(name)) {
        ZSystem::showMessage(this, format.wrongExtensionMessage, "Information", false);
        return false;
    }
    return true;
}

void MainWindow::showDatasetDialog() {
    DatasetDialog dialog(this);
    dialog.year = database.selection().year();
    dialog.month = database.selection().month();
    dialog.dbFile = database.fileName();
    dialog.yearAverage = database.selection().yearAverage();
    if (dialog.show(true) == 0) {
        return;
    }
    // The open file is kept when it is chosen again; a file that cannot be opened raises here,
    // before anything is selected or drawn.
    if (dialog.dbFile != database.fileName()) {
        const GridSourceDescription chosen =
            datasetNamed(dialog.dbFile, document.dataset.minCoverage);
        if (!BaselineDialog::computeIfNeeded(this, chosen)) {
            return;
        }
        database.open(chosen);
    }
    database.select({dialog.year, dialog.month, dialog.yearAverage});
    reRender();
}

void MainWindow::openDatasetFile() {
    ZFileSelectDialog dialog(this, {ZFileFilter{ZTEXT("Datensätze"), "*.dat *.nc"},
                                    ZFileFilter{ZTEXT("Alle Dateien"), "*"}});
    // A dataset read from the installed files (no copy in the working directory) opens the
    // dialog in the installed folder, where the other datasets are.
    dialog.setInitialFilename(ZSystem::findProgramFile(database.fileName()));
    if (!dialog.showOpenDialog(ZTEXT("Datensatz öffnen"))) {
        return;
    }
    const GridSourceDescription chosen =
        datasetNamed(workingDirectoryName(dialog.getFilename()), document.dataset.minCoverage);
    // A file of temperatures computes its baseline first, with "Abbrechen"; stopped, the shown
    // dataset stays.
    if (!BaselineDialog::computeIfNeeded(this, chosen)) {
        return;
    }
    // Tried on a dataset of its own first: a file that cannot be read raises here and the
    // shown one stays as it was.
    {
        GridDatabase trial;
        trial.open(chosen);
    }
    database.open(chosen);
    database.select(database.selection());
    reRender();
}

void MainWindow::showExportDialog() {
    ExportDialog dialog(this);
    dialog.toYear = database.selection().year();
    dialog.toMonth = database.selection().month();
    dialog.request = ExportRequest::of(snapshot());
    dialog.show(true);
}

void MainWindow::showHelpDialog() {
    HelpDialog dialog(this);
    dialog.show(true);
}

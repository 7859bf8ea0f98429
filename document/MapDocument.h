#pragma once

#include "document/MapSnapshot.h"
#include "grid/GridSourceDescription.h"
#include "grid/MonthSelection.h"
#include "map/ViewChoices.h"
#include "positions/PositionList.h"
#include "toolkit/ZString.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZFont.h"

class GridDatabase;

// What the viewer shows and keeps between runs: the dataset and its month, the view choices,
// the named positions, the background picture of the map type and the two fonts. "init.txt"
// keeps the first three (with REGRID_MIN_COVERAGE, the share of a 5-degree cell that data
// averaged from a finer grid must cover, in percent), "positions.txt" the positions; the window
// reads both at start and writes both on closing, the command line only reads them. The members'
// initial values are the defaults.
struct MapDocument {
    MapDocument();

    static constexpr const char* SETTINGS_FILE = "init.txt";
    static constexpr const char* POSITIONS_FILE = "positions.txt";

    GridSourceDescription dataset{1, "data/cru/hadcrut3v.dat"};
    MonthSelection selection{1990, 6, false};
    ViewChoices view;
    // The first, id 1, is the view position.
    PositionList positions;
    // The picture of view.mapType; empty for the outlines.
    ZBitmap background;
    ZFont captionFont;
    ZFont labelFont;
    // The interface in English instead of German; kept in "init.txt" only while chosen.
    bool english = false;

    // How a save went; each file is saved on its own, so one that fails costs the other nothing.
    struct SaveOutcome {
        // Empty when saved.
        ZString settingsError;
        ZString positionsError;
        // The old positions file held lines that are not written back and was kept as
        // positionsBackupName.
        bool positionsKept = false;
    };

    // Reads both files of the working directory. A setting that is missing, empty or 0 (and a
    // missing file) takes its default; any other value is taken as it stands, a negative scale
    // included. A missing positions file means no positions. The background is not loaded.
    void load();
    // Replaces "init.txt" as a whole, one "KEY=value" line per setting, then "positions.txt".
    SaveOutcome save();
    // Opens the picture of view.mapType, or empties it for the outlines. Raises
    // ZBitmapException when the picture cannot be read; the background is then empty.
    void loadBackground();

    // What a picture of this document is drawn from, over the open dataset: a copy, so that
    // the document may change while the picture is drawn. The globe turns to the view position
    // unless turnToViewPosition is false (a centre chosen on the command line).
    MapSnapshot snapshot(const GridDatabase& database, bool turnToViewPosition = true);
};

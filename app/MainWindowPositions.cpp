// The main window's named positions: adding and editing by dialog, removing.
#include "app/MainWindow.h"
#include "dialogs/PositionDialog.h"
#include "map/Projections.h"
#include "overlays/PositionMarkers.h"
#include "overlays/Readout.h"
#include "toolkit/ZException.h"
#include "toolkit/ZSystem.h"

std::uint32_t MainWindow::findPositionAt(int x, int y, Position& hit) {
    return document.positions.findAt(x, y, &hit);
}

const GeoPosition* MainWindow::viewCentre() const {
    const Position* viewPosition = turnedByHand ? nullptr : document.positions.viewPosition();
    return viewPosition ? &viewPosition->coordinates : nullptr;
}

Viewport MainWindow::viewport() const {
    return Viewport(document.view, viewCentre());
}

// Ctrl+P: the user names the place and types it in. On the globe it replaces the view position.
void MainWindow::showPositionDialog() {
    addPosition(ZString(), GeoPosition());
}

void MainWindow::editPositionAt(int x, int y) {
    try {
        Position hit;
        std::uint32_t id = findPositionAt(x, y, hit);
        if (id == 0) {
            // Off the map the place stays 0° 0' N / 0° 0' O.
            GeoPosition place;
            pointToGeoPosition(viewport(), x, y, place);
            addPosition("Neue Position", place);
            return;
        }
        PositionDialog dialog(this);
        dialog.name = hit.name;
        dialog.coordinates = hit.coordinates;
        if (dialog.show(true) == 0) {
            return;
        }
        hit.name = dialog.name;
        hit.coordinates = dialog.coordinates;
        ScreenPoint at = viewport().projection().markerPixel(hit.coordinates);
        hit.x = at.x;
        hit.y = at.y;
        // Same id, same place in the list: the view position stays the view position.
        document.positions.put(id, hit);
        positionsChanged();
    } catch (const ZException& exception) {
        ZSystem::showException(this, exception);
    }
}

void MainWindow::addPosition(const ZString& name, const GeoPosition& place) {
    PositionDialog dialog(this);
    dialog.name = name;
    dialog.coordinates = place;
    if (dialog.show(true) == 0) {
        return;
    }
    Position added{dialog.name, 0, 0, dialog.coordinates};
    ScreenPoint at = viewport().projection().markerPixel(added.coordinates);
    added.x = at.x;
    added.y = at.y;
    if (viewport().projection().followsViewPosition()) {
        document.positions.put(VIEW_POSITION_ID, added);
    } else {
        document.positions.add(added);
    }
    positionsChanged();
}

void MainWindow::positionsChanged() {
    if (viewport().projection().followsViewPosition()) {
        // A new or changed view position turns the globe to it again.
        turnedByHand = false;
        reRender();
        return;
    }
    // Painted at once, so that the new marker counts for the read-out under the mouse.
    mapPanel.invalidateWindow();
    mapPanel.updateWindow();
    updateReadout();
}

void MainWindow::removePositionAt(int x, int y) {
    Position hit;
    std::uint32_t id = findPositionAt(x, y, hit);
    if (id == 0) {
        return;
    }
    if (viewport().projection().followsViewPosition()) {
        ZSystem::showMessage(
            this, "Im orthografischen Modus kann die Ansichtsposition nicht entfernt werden.",
            "Information", false);
        return;
    }
    if (id == VIEW_POSITION_ID && document.positions.size() > 1) {
        ZSystem::showMessage(this, "Bitte erst alle roten Positionen entfernen.", "Information",
                             false);
        return;
    }
    document.positions.remove(id);
    mapPanel.invalidateWindow();
    updateReadout();
}

#pragma once

class PositionList;
class ZSurface;
struct ViewState;
struct GeoPosition;
struct ScreenPoint;

// The pixel of a position's marker: its place on the flat map, or the globe's centre, which the
// globe turns to the view position.
ScreenPoint markerPixel(const ViewState& view, const GeoPosition& place);

// A cross in the pen the frame selected and a 4 x 4 square over its middle, blue for the view
// position and red for the others; on the globe only the view position. Stores each marker's
// pixel and tells the list which markers can now be hit.
void drawPositions(ZSurface& surface, const ViewState& view, PositionList& positions);

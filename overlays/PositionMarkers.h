#pragma once

class PositionList;
class ZSurface;
class Viewport;

// A cross in the pen the frame selected and a 4 x 4 square over its middle, blue for the view
// position and red for the others; on the globe only the view position. Stores each marker's
// pixel and tells the list which markers can now be hit. Where the picture follows the view
// position, only its marker is drawn.
void drawPositions(ZSurface& surface, const Viewport& viewport, PositionList& positions);

#pragma once

// Clears the upper halves of the processor's wide vector registers where it has them. The
// raster engine's vector code can leave them in use, and until they are cleared every scalar
// floating-point instruction pays for it: the globe's pixel loop ran up to ten times slower
// after painting. Called before long runs of scalar maths that follow drawing.
void clearVectorUpperState();

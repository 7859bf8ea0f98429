#pragma once

class Picture;

// Brings a true-colour picture down to 8 bits for a GIF: an octree palette of at most 256
// colours from its pixels, then every pixel mapped to it with error diffusion. False when the
// picture could not be reduced (its text in getLastError()).
bool reduceToOctreePalette(Picture& picture);

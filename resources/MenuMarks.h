#pragma once

#include <QImage>

// The item marks of the view menu, 15 x 15 pixels: a white square with a black dot (checked)
// and a plain white square (unchecked).
QImage checkedMarkImage();
QImage uncheckedMarkImage();

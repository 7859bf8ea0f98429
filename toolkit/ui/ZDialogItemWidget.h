#pragma once

#include <QRect>

#include "toolkit/ui/ZDialogTemplate.h"

class QWidget;

// The widget of one template item inside a dialog window, placed in the area given in pixels.
QWidget* createDialogItemWidget(const ZDialogItem& item, QWidget* parent, const QRect& area);

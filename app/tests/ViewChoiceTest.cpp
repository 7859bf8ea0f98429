#include <gtest/gtest.h>

#include <QImage>

#include "WindowTest.h"

namespace {

class ViewChoiceTest : public WindowTest {
  protected:
    bool checked(int item) const { return window->viewMenu.isItemChecked(item); }
};

// The three views exclude each other in the menu, and the equal-area map is there again after
// a restart.
TEST_F(ViewChoiceTest, EqualEarthExcludesTheOtherViewsAndIsRemembered) {
    MainWindow& w = start("");
    EXPECT_FALSE(checked(CMD_EQUAL_EARTH));
    qint64 flat = pictureKey();
    command(CMD_EQUAL_EARTH);
    EXPECT_TRUE(checked(CMD_EQUAL_EARTH));
    EXPECT_TRUE(w.viewport().projection().hasEdgeLabels());
    EXPECT_NE(pictureKey(), flat);
    command(CMD_ORTHOGRAPHIC);
    EXPECT_TRUE(checked(CMD_ORTHOGRAPHIC) && !checked(CMD_EQUAL_EARTH));
    command(CMD_EQUAL_EARTH);
    EXPECT_TRUE(checked(CMD_EQUAL_EARTH) && !checked(CMD_ORTHOGRAPHIC));
    EXPECT_FALSE(w.document.view.globe);
    closeWindow();

    MainWindow& again = start("");
    EXPECT_TRUE(checked(CMD_EQUAL_EARTH) && !checked(CMD_ORTHOGRAPHIC));
    EXPECT_TRUE(again.document.view.equalEarth);
}

// A press that stays within a click's slack leaves the globe; a drag turns it, and the picture
// drawn on release is the one the next start draws from the centre the settings keep.
TEST_F(ViewChoiceTest, ReleasingADragDrawsWhatTheSavedCentreDraws) {
    MainWindow& w = start("ORTH_VIEW=1\nSCALE_PERCENT=50\n");
    int cx = w.viewport().geometry().centreX;
    int cy = w.viewport().geometry().centreY;
    qint64 before = pictureKey();
    w.leftPressedAt(cx, cy);
    w.mouseMovedTo(cx + 2, cy + 3);
    w.leftReleasedAt(cx + 2, cy + 3);
    EXPECT_EQ(pictureKey(), before);
    EXPECT_EQ(w.document.view.centreLon, ViewChoices{}.centreLon);

    w.leftPressedAt(cx, cy);
    w.mouseMovedTo(cx + 30, cy + 10);
    qint64 preview = pictureKey();
    EXPECT_NE(preview, before);
    w.mouseMovedTo(cx + 60, cy - 40);
    w.leftReleasedAt(cx + 60, cy - 40);
    EXPECT_NE(pictureKey(), preview);
    const QImage released = w.mapBitmap.image().copy();
    const ViewChoices turned = w.document.view;
    EXPECT_NE(turned.centreLon, ViewChoices{}.centreLon);
    closeWindow();

    MainWindow& again = start("");
    EXPECT_TRUE(again.document.view == turned);
    EXPECT_TRUE(again.mapBitmap.image() == released);
}

}  // namespace

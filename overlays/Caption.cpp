#include "overlays/Caption.h"

#include "grid/GridDatabase.h"
#include "map/PictureGeometry.h"
#include "map/Viewport.h"
#include "overlays/OverlayText.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZSurface.h"

namespace {

// " +0.250°C", " -0.250°C", " 0.000°C": the sign goes by the value itself, as in the read-out,
// so a value just above zero reads +0.000 and one just below -0.000.
ZString degreesText(double value, double printed) {
    return ZFormattedString(" %s%.3f°C", value > 0 ? "+" : "", printed);
}

}  // namespace

const char* monthAbbreviation(std::uint32_t month) {
    static constexpr const char* names[] = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                                            "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    return month >= 1 && month <= 12 ? names[month - 1] : "";
}

ZString captionTitle(const ZString& fileName, const MonthSelection& selection,
                     const GridFigures& figures) {
    ZString name;
    ZSystem::extractPath(fileName, name, true);
    ZString title = selection.yearAverage()
                        ? ZFormattedString("%s %u", name.c_str(), selection.year())
                        : ZFormattedString("%s %u (%s)", name.c_str(), selection.year(),
                                           monthAbbreviation(selection.month()));
    if (figures.cellsWithData != 0) {
        // The global value is rounded to three places (ties away from zero) before it is printed.
        title += degreesText(figures.globalMean, ZSystem::round(figures.globalMean, 3)).view();
        auto coverage = static_cast<unsigned>(ZSystem::round(figures.coverage, 0));
        title += ZFormattedString(" (%u%%)", coverage).view();
    } else {
        title += " Keine Daten";
    }
    return title;
}

ZString captionTitle(const GridDatabase& database) {
    return captionTitle(database.fileName(), database.selection(), database.grid().figures());
}

ZString viewPositionLine(const ZString& name, double value) {
    ZString valueText = value == MISSING_VALUE ? ZString("Keine Daten") : degreesText(value, value);
    return ZFormattedString("%s: %s", name.c_str(), valueText.c_str());
}

ZString sourceLine(const ZString& baseline) {
    return ZFormattedString("Abweichungen in Grad Celsius (%s) - %s",
                            baseline.isEmpty() ? "1961-90" : baseline.c_str(), WEB_ADDRESS);
}

void drawCaption(ZSurface& surface, const Viewport& viewport, const ZString& title,
                 const ZString& positionLine, const ZFont& captionFont, const ZFont& labelFont,
                 const ZString& baseline) {
    surface.selectFont(captionFont);
    ZRect titleRect;
    ZRect bottomRect;
    bool large = isLargeMode(viewport);
    if (large) {
        // One mapping for the whole caption; the rectangles are those of the logical picture.
        setLargeModeMapping(surface, viewport);
        titleRect = ZRect{30, 0, 1030, 30};
        bottomRect = ZRect{30, 530, 1030, 605};
    } else {
        int right = roundPixel(1000 * viewport.scale().x + 30);
        titleRect = ZRect{30, 0, right, 30};
        bottomRect = ZRect{30, roundPixel(500 * viewport.scale().y + 30), right,
                           roundPixel(500 * viewport.scale().y + 105)};
    }
    surface.drawText(title, titleRect, Z_TEXT_CENTER | Z_TEXT_VCENTER | Z_TEXT_SINGLELINE);
    if (!positionLine.isEmpty()) {
        surface.drawText(positionLine, bottomRect, Z_TEXT_LEFT | Z_TEXT_BOTTOM | Z_TEXT_SINGLELINE);
    }
    surface.selectFont(labelFont);
    surface.drawText(sourceLine(baseline), bottomRect,
                     Z_TEXT_RIGHT | Z_TEXT_BOTTOM | Z_TEXT_SINGLELINE);
    if (large) {
        surface.resetMapping();
    }
}

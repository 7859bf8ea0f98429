#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "toolkit/ZFormattedString.h"
#include "toolkit/ui/ZSurface.h"

// Writes down the calls that place things, for pictures too large to draw in a test and for
// texts, whose pixels depend on the fonts at hand.
class RecordingSurface : public ZSurface {
  public:
    void selectPen(ZColour, int width) override { add(ZFormattedString("pen %d", width)); }
    void selectFont(const ZFont& font) override {
        add(ZFormattedString("font %s", font.face().c_str()));
    }
    void moveTo(int x, int y) override { add(ZFormattedString("move %d %d", x, y)); }
    void lineTo(int x, int y) override { add(ZFormattedString("line %d %d", x, y)); }
    void fillRect(const ZRect& r, ZColour colour) override {
        add(ZFormattedString("fill %d %d %d %d %06x", r.left, r.top, r.right, r.bottom, colour));
    }
    void setPixel(int, int, ZColour) override { add("pixel"); }
    void drawPixels(int, int, int, int, const std::uint32_t*, const std::uint8_t*) override {
        add("pixels");
    }
    void drawText(const ZString& text, const ZRect& r, unsigned flags) override {
        add(ZFormattedString("text '%s' %d %d %d %d %u", text.c_str(), r.left, r.top, r.right,
                             r.bottom, flags));
    }
    void setIsotropicMapping(int ww, int wh, int vw, int vh) override {
        add(ZFormattedString("map %d %d %d %d", ww, wh, vw, vh));
    }
    void resetMapping() override { add("unmap"); }
    void stretchBitmap(const ZBitmap&, const ZRect&, const ZRect&) override { add("stretch"); }
    void copyBitmap(const ZBitmap&, const ZRect&) override { add("copy"); }
    void fillTranslucent(const ZRect&, ZArgb) override { add("translucent"); }
    void drawEllipse(const ZRect&, ZArgb, double) override { add("ellipse"); }

    // The calls against those kept one a line under a golden/ folder (a path from the source
    // folder); with SORVO_WRITE_GOLDEN set they are written there first.
    testing::AssertionResult matchGolden(const std::string& relative) const {
        const std::string path = SORVO_SOURCE_DIR "/" + relative;
        if (std::getenv("SORVO_WRITE_GOLDEN")) {
            std::ofstream out(path);
            std::copy(calls.begin(), calls.end(), std::ostream_iterator<std::string>(out, "\n"));
        }
        std::ifstream in(path);
        std::vector<std::string> expected;
        for (std::string line; std::getline(in, line);) {
            expected.push_back(line);
        }
        if (calls == expected) {
            return testing::AssertionSuccess();
        }
        auto [call, kept] =
            std::mismatch(calls.begin(), calls.end(), expected.begin(), expected.end());
        return testing::AssertionFailure()
               << relative << ": call " << (call - calls.begin()) << " is \""
               << (call == calls.end() ? "(none)" : *call) << "\", kept \""
               << (kept == expected.end() ? "(none)" : *kept) << "\"";
    }

    std::vector<std::string> calls;

  private:
    void add(const ZString& call) { calls.push_back(call.str()); }
};

#include <gtest/gtest.h>

#include "app/SaveFormat.h"

namespace {

struct NameCase {
    const SaveFormat* format;
    const char* typed;
    bool accepted;
    const char* written;
};

TEST(SaveFormatTest, NamesAreCompletedOrRefusedByTheirExtension) {
    const NameCase cases[] = {
        {&GIF_FORMAT, "karte", true, "karte.gif"},
        {&GIF_FORMAT, "karte.GIF", true, "karte.GIF"},
        {&GIF_FORMAT, "karte.png", false, "karte.png"},
        {&GIF_FORMAT, "alt.bilder/karte", true, "alt.bilder/karte.gif"},
        {&JPEG_FORMAT, "bild.jpeg", true, "bild.jpeg"},
        {&JPEG_FORMAT, "bild.JPG", true, "bild.JPG"},
        {&JPEG_FORMAT, "bild", true, "bild.jpg"},
        {&JPEG_FORMAT, "bild.gif", false, "bild.gif"},
        {&EMF_FORMAT, "karte.emf", true, "karte.emf"},
        {&EMF_FORMAT, "karte.jpg", false, "karte.jpg"},
    };
    for (const NameCase& c : cases) {
        ZString name = c.typed;
        EXPECT_EQ(c.format->completeName(name), c.accepted) << c.typed;
        EXPECT_EQ(name, c.written) << c.typed;
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <string>
#include <vector>

#include "tests/grid/DatasetFiles.h"
#include "toolkit/ZErrorText.h"
#include "toolkit/ZFile.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZStringTokenizer.h"

namespace {

using Lines = std::vector<std::string>;

Lines readLines(const std::string& name) {
    ZFile file;
    file.open(name.c_str(), false);
    Lines lines;
    for (ZString line; file.readln(line);) {
        lines.push_back(line.str());
    }
    return lines;
}

TEST(TextFiles, ReadlnDropsEitherLineEndAndKeepsAnUnendedLastLine) {
    TemporaryDirectory directory;
    std::string name = directory.file("lines.txt");
    for (const char* data : {"a b\n\nc\n", "a b\r\n\r\nc\r\n", "a b\n\r\nc"}) {
        writeFile(name, data);
        EXPECT_EQ(readLines(name), (Lines{"a b", "", "c"})) << data;
    }
}

TEST(TextFiles, TokenizerMergesOrKeepsEmptyFields) {
    for (bool keepEmpty : {false, true}) {
        ZStringTokenizer fields("a\t\tb\t", "\t", keepEmpty);
        Lines taken;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            taken.push_back(fields.nextValue().str());
        }
        EXPECT_EQ(taken, (keepEmpty ? Lines{"a", "", "b", ""} : Lines{"a", "b"}));
    }
}

TEST(TextFiles, FormattedNumbersKeepTheDecimalPointUnderAGermanLocale) {
    std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    ZFormattedString text("%f;%.2f;%d", -3.7, 0.375, 42);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(text, "-3.700000;0.38;42");
}

TEST(TextFiles, ErrorTextNamesTheSystemsReasonAndNeverComesBackEmpty) {
    EXPECT_EQ(errorText(ENOSPC), "No space left on device");
    EXPECT_EQ(errorText(EROFS), "Read-only file system");
    EXPECT_FALSE(errorText(-5).isEmpty());
}

}  // namespace

#include "series/SeriesTable.h"

#include <cmath>
#include <map>
#include <utility>

#include "series/SeriesTexts.h"
#include "toolkit/ZDecimalText.h"
#include "toolkit/ZReplacedFile.h"

namespace texts = seriestexts;

std::string seriesTable(const std::vector<Series>& series, const SeriesTableHead& head) {
    // Rows by year and month, so that series of different lengths still line up.
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::vector<double>> rows;
    bool annual = true;
    for (std::size_t s = 0; s < series.size(); ++s) {
        for (const SeriesPoint& point : series[s].points) {
            std::vector<double>& row = rows[{point.year, point.month}];
            row.resize(series.size(), std::nan(""));
            row[s] = point.value;
            annual = annual && point.month == 0;
        }
    }
    std::string text = std::string(texts::TABLE_DATASET) + head.dataset + "\n";
    text += std::string(texts::TABLE_BASELINE) + head.baseline + "\n";
    text +=
        std::string(texts::TABLE_THRESHOLD) + shortestDecimalComma(head.thresholdPercent) + " %\n";
    text += std::string(texts::TABLE_GAPS) + "\n";
    text += texts::TABLE_YEAR;
    if (!annual) {
        text += std::string(";") + texts::TABLE_MONTH;
    }
    for (const Series& one : series) {
        text += ";" + one.label;
    }
    text += '\n';
    for (const auto& [key, values] : rows) {
        text += std::to_string(key.first);
        if (!annual) {
            text += ';';
            text += std::to_string(key.second);
        }
        for (double value : values) {
            text += ';';
            if (!std::isnan(value)) {
                text += decimalComma(value, 6);
            }
        }
        text += '\n';
    }
    return text;
}

void writeSeriesTable(const std::string& path, const std::vector<Series>& series,
                      const SeriesTableHead& head) {
    ZReplacedFile file{ZString(path)};
    file.write(seriesTable(series, head));
    file.commit();
}

#pragma once

#include <string>
#include <vector>

#include "series/Series.h"
#include "series/SeriesTexts.h"

struct SeriesTableHead {
    std::string dataset;                                      // file name
    std::string baseline = seriestexts::BASELINE_AS_IN_FILE;  // or "1961-1990"
    double thresholdPercent = 50;
};

// The series as a table in the export's style (";" separators, decimal commas, the head lines
// naming dataset, regions, baseline and threshold), one row per time point, one column per series.
// A gap is an empty field.
std::string seriesTable(const std::vector<Series>& series, const SeriesTableHead& head);
// Saves it through ZReplacedFile / ZSaveFile; raises ZException ("name": reason) when it cannot.
void writeSeriesTable(const std::string& path, const std::vector<Series>& series,
                      const SeriesTableHead& head);

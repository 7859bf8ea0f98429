#pragma once

#include <string>

// Every text the series window, its chart and its pictures show, kept in one table so that a
// translation finds them in one place.
enum class ChartText {
    YearAxis,
    ValueAxis,
    NoTrend,
    WindowTitle,
    Regions,
    ViewPosition,
    PositionPrefix,
    Box,
    Band,
    FromYear,
    ToYear,
    Step,
    EveryMonth,
    OneMonth,
    AnnualMeans,
    Baseline,
    BaselineAsInFile,
    BaselineOwnYears,
    BaselineOnMap,
    Threshold,
    TrendSpan,
    Show,
    ShowChart,
    ShowStripes,
    SavePng,
    SaveSvg,
    SaveCsv,
    Cancel,
    NoRegion,
    NotANumber,
    WholeFile,
    BaselineSeparator,
    Stopped,
    Reading,
    Computing,
    StripesOf,
    PngFiles,
    SvgFiles,
    CsvFiles,
    NothingToSave,
    Saved,
};

// The text in the interface's language, UTF-8.
std::string chartText(ChartText text);

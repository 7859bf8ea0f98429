#include "chart/ChartTexts.h"

#include "toolkit/ZLanguage.h"

namespace {

const char* german(ChartText text) {
    switch (text) {
        case ChartText::YearAxis:
            return ZTEXT("Jahr");
        case ChartText::ValueAxis:
            return ZTEXT("Anomalie (°C)");
        case ChartText::NoTrend:
            return ZTEXT("kein Trend (zu wenige Werte)");
        case ChartText::WindowTitle:
            return ZTEXT("Zeitreihe");
        case ChartText::Regions:
            return ZTEXT("Reihen");
        case ChartText::ViewPosition:
            return ZTEXT("Ansichtsposition");
        case ChartText::PositionPrefix:
            return ZTEXT("Position ");
        case ChartText::Box:
            return ZTEXT("Box (W, S, O, N in Grad):");
        case ChartText::Band:
            return ZTEXT("Breitenband (S, N in Grad):");
        case ChartText::FromYear:
            return ZTEXT("Von Jahr:");
        case ChartText::ToYear:
            return ZTEXT("bis:");
        case ChartText::Step:
            return ZTEXT("Schritt:");
        case ChartText::EveryMonth:
            return ZTEXT("jeder Monat");
        case ChartText::OneMonth:
            return ZTEXT("ein Monat jedes Jahres");
        case ChartText::AnnualMeans:
            return ZTEXT("Jahresmittel");
        case ChartText::Baseline:
            return ZTEXT("Bezugszeitraum:");
        case ChartText::BaselineAsInFile:
            return ZTEXT("wie in der Datei");
        case ChartText::BaselineOwnYears:
            return ZTEXT("eigene Jahre");
        case ChartText::BaselineOnMap:
            return ZTEXT("Bezugszeitraum auch für die Karte");
        case ChartText::Threshold:
            return ZTEXT("Mindestanteil mit Daten (%):");
        case ChartText::TrendSpan:
            return ZTEXT("Trend von Jahr:");
        case ChartText::Show:
            return ZTEXT("Anzeige:");
        case ChartText::ShowChart:
            return ZTEXT("Diagramm");
        case ChartText::ShowStripes:
            return ZTEXT("Streifen");
        case ChartText::SavePng:
            return ZTEXT("PNG speichern ...");
        case ChartText::SaveSvg:
            return ZTEXT("SVG speichern ...");
        case ChartText::SaveCsv:
            return ZTEXT("CSV speichern ...");
        case ChartText::Cancel:
            return ZTEXT("Abbrechen");
        case ChartText::NoRegion:
            return ZTEXT("Bitte mindestens eine Reihe wählen.");
        case ChartText::NotANumber:
            return ZTEXT("Keine Zahl: ");
        case ChartText::WholeFile:
            return ZTEXT("ganze Datei");
        case ChartText::BaselineSeparator:
            return ZTEXT("bis");
        case ChartText::Stopped:
            return ZTEXT("Berechnung abgebrochen.");
        case ChartText::Reading:
            return ZTEXT("Der Datensatz wird gelesen ...");
        case ChartText::Computing:
            return ZTEXT("Die Reihen werden berechnet ...");
        case ChartText::StripesOf:
            return ZTEXT("Streifen der Jahresmittel: ");
        case ChartText::PngFiles:
            return ZTEXT("PNG-Bilder");
        case ChartText::SvgFiles:
            return ZTEXT("SVG-Bilder");
        case ChartText::CsvFiles:
            return ZTEXT("CSV-Tabellen");
        case ChartText::NothingToSave:
            return ZTEXT("Es ist noch keine Reihe berechnet.");
        case ChartText::Saved:
            return ZTEXT("Gespeichert: ");
    }
    return "";
}

}  // namespace

std::string chartText(ChartText text) {
    return ztr(german(text)).str();
}

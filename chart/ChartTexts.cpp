#include "chart/ChartTexts.h"

const char* chartText(ChartText text) {
    switch (text) {
        case ChartText::YearAxis:
            return "Jahr";
        case ChartText::ValueAxis:
            return "Anomalie (°C)";
        case ChartText::NoTrend:
            return "kein Trend (zu wenige Werte)";
        case ChartText::WindowTitle:
            return "Zeitreihe";
        case ChartText::Regions:
            return "Reihen";
        case ChartText::ViewPosition:
            return "Ansichtsposition";
        case ChartText::PositionPrefix:
            return "Position ";
        case ChartText::Box:
            return "Box (W, S, O, N in Grad):";
        case ChartText::Band:
            return "Breitenband (S, N in Grad):";
        case ChartText::FromYear:
            return "Von Jahr:";
        case ChartText::ToYear:
            return "bis:";
        case ChartText::Step:
            return "Schritt:";
        case ChartText::EveryMonth:
            return "jeder Monat";
        case ChartText::OneMonth:
            return "ein Monat jedes Jahres";
        case ChartText::AnnualMeans:
            return "Jahresmittel";
        case ChartText::Baseline:
            return "Bezugszeitraum:";
        case ChartText::BaselineAsInFile:
            return "wie in der Datei";
        case ChartText::BaselineOwnYears:
            return "eigene Jahre";
        case ChartText::BaselineOnMap:
            return "Bezugszeitraum auch für die Karte";
        case ChartText::Threshold:
            return "Mindestanteil mit Daten (%):";
        case ChartText::TrendSpan:
            return "Trend von Jahr:";
        case ChartText::Show:
            return "Anzeige:";
        case ChartText::ShowChart:
            return "Diagramm";
        case ChartText::ShowStripes:
            return "Streifen";
        case ChartText::SavePng:
            return "PNG speichern ...";
        case ChartText::SaveSvg:
            return "SVG speichern ...";
        case ChartText::SaveCsv:
            return "CSV speichern ...";
        case ChartText::Cancel:
            return "Abbrechen";
        case ChartText::NoRegion:
            return "Bitte mindestens eine Reihe wählen.";
        case ChartText::NotANumber:
            return "Keine Zahl: ";
        case ChartText::WholeFile:
            return "ganze Datei";
        case ChartText::BaselineSeparator:
            return "bis";
        case ChartText::Stopped:
            return "Berechnung abgebrochen.";
        case ChartText::Reading:
            return "Der Datensatz wird gelesen ...";
        case ChartText::Computing:
            return "Die Reihen werden berechnet ...";
        case ChartText::StripesOf:
            return "Streifen der Jahresmittel: ";
        case ChartText::PngFiles:
            return "PNG-Bilder";
        case ChartText::SvgFiles:
            return "SVG-Bilder";
        case ChartText::CsvFiles:
            return "CSV-Tabellen";
        case ChartText::NothingToSave:
            return "Es ist noch keine Reihe berechnet.";
        case ChartText::Saved:
            return "Gespeichert: ";
    }
    return "";
}

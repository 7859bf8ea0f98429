#include "app/CommandLineTexts.h"

#include "app/CommandLine.h"

namespace {

constexpr std::string_view HELP_DE = R"(Aufruf: sorvo
       sorvo --render BILD [Optionen]
       sorvo --animate VON BIS ANIMATION.gif [Optionen]
       sorvo --help

Ohne Optionen öffnet sorvo das Fenster. Mit --render zeichnet es die Karte ohne Fenster und
ohne Bildschirm in eine Datei und endet, mit --animate ebenso eine GIF-Animation mit einem
Bild je Monat oder je Jahresmittel; ein DISPLAY wird nicht gebraucht.

Das Bild zeigt zunächst, was das Fenster in diesem Arbeitsverzeichnis zeigen würde: Datensatz,
Monat oder Jahresmittel, Maßstab, Karte und Ansicht aus init.txt (ohne init.txt die
Voreinstellungen), die Ansichtsposition aus positions.txt als Mitte des Globus und in der
Bildunterschrift. Die Optionen ändern davon nur, was sie nennen. init.txt und positions.txt
werden nur gelesen, nie geschrieben. Wie beim Speichern im Fenster trägt das Bild die
Bildunterschrift und keine Positionsmarken.

Optionen (Werte auch in der Form --option=WERT):
  --render BILD          schreibt das Bild; die Endung wählt das Format, gleich in welcher
                         Schreibweise: .png, .gif, .jpg oder .jpeg (Qualität 85), .svg
                         (Vektorgrafik), .emf (Metadatei im zehnfachen Maßstab)
  --dataset DATEI        Datensatzdatei, etwa data/cru/hadcrut4.dat
  --year JAHR            Jahr, 1850 bis 9999
  --month MONAT          Monat, 1 bis 12
  --year-average         Jahresmittel des mit --year gewählten Jahres (nicht mit --month)
  --scale PROZENT        50, 75 oder 100
  --size FAKTOR          1, 2 oder 4: das Bild im so vielfachen Maßstab gezeichnet (nicht
                         bei .emf)
  --map-type KARTE       umrisse (1), satellit (2), land-wasser (3) oder nacht (4);
                         auch outlines, satellite, land-water, night
  --globe                Globus (orthographische Ansicht)
  --flat                 flache Weltkarte
  --colours SKALA        Farbskala: standard oder blue-white-red (auch blau-weiss-rot, für
                         Farbenblinde lesbar, Zellen ohne Daten grau)
  --projection ANSICHT   equirectangular (flache Weltkarte), orthographic (Globus) oder
                         equal-earth (flächentreue Weltkarte); nicht mit --globe, --flat
  --centre LÄNGE,BREITE  Mitte des Globus in Dezimalgrad, Ost und Nord positiv, etwa
                         13.4,52.5; nur mit --globe (oder --projection orthographic), statt der
                         Ansichtsposition
  --animate VON BIS DATEI.gif
                         schreibt eine Animation: VON und BIS als JAHR-MONAT (2024-01
                         2024-12) für jeden Monat oder als JAHR (1990 2020) für jedes
                         Jahresmittel; nicht mit --render, --year, --month, --year-average.
                         Monate ohne Daten werden als Bilder ohne Daten gezeigt.
  --fps ZAHL             Bilder pro Sekunde der Animation, 1 bis 50 (sonst 4)
  --no-loop              die Animation läuft einmal statt endlos
  --help, -h             diese Hilfe

Rückgabewert: 0 Bild geschrieben; 1 kein Bild: der Datensatz lässt sich nicht öffnen, er
hat für den Monat keine Daten, das Hintergrundbild oder bei umrisse worldmap.txt fehlt, die
Datei ist eine des Programms (Hintergrundbilder, worldmap.txt, init.txt, positions.txt,
Information.rtf, Auswertung.csv, der Datensatz), oder sie lässt sich nicht schreiben (eine
vorhandene Datei bleibt dann unverändert); 2 falsche Argumente, auch jedes unbekannte, das
mit "-" beginnt. Für eine Animation gilt dasselbe, nur dass Monate ohne Daten kein Fehler
sind; Monate, die sich nicht lesen lassen, nennt eine Zeile. Eine Animation, die mehr als
zehn Jahre über den letzten Monat mit Daten hinausreicht, wird abgelehnt (2). Ohne Optionen
und ohne Bildschirm (weder DISPLAY noch WAYLAND_DISPLAY) endet sorvo mit 1. Meldungen gehen
nach stderr.

Sprache: Deutsch, wenn die erste gesetzte der Variablen LANGUAGE, LC_ALL, LC_MESSAGES und
LANG mit "de" beginnt, sonst Englisch.

Beispiele:
  sorvo --render karte.png --year 2024 --month 6
  sorvo --render globus.jpg --globe --centre 13.4,52.5 --scale 100
  sorvo --animate 2024-01 2024-12 jahr.gif --fps 2
)";

constexpr std::string_view HELP_EN = R"(Usage: sorvo
       sorvo --render PICTURE [options]
       sorvo --animate FROM TO ANIMATION.gif [options]
       sorvo --help

Without options sorvo opens its window. With --render it draws the map into a file without a
window and without a screen, then ends; with --animate likewise a GIF animation with one
frame per month or per year's average. No DISPLAY is needed.

The picture starts from what the window would show in this working directory: dataset, month
or year average, scale, map and view from init.txt (the defaults without init.txt), and the
view position from positions.txt as the centre of the globe and in the caption. The options
change only what they name. init.txt and positions.txt are only read, never written. As when
saving from the window, the picture carries the caption and no position markers.

Options (values also as --option=VALUE):
  --render PICTURE       writes the picture; the extension picks the format, in any case:
                         .png, .gif, .jpg or .jpeg (quality 85), .svg (vector picture),
                         .emf (metafile at ten times the scale)
  --dataset FILE         dataset file, e.g. data/cru/hadcrut4.dat
  --year YEAR            year, 1850 to 9999
  --month MONTH          month, 1 to 12
  --year-average         average of the year given with --year (not with --month)
  --scale PERCENT        50, 75 or 100
  --size FACTOR          1, 2 or 4: the picture drawn at that multiple of the scale (not
                         for .emf)
  --map-type MAP         outlines (1), satellite (2), land-water (3) or night (4);
                         also umrisse, satellit, land-wasser, nacht
  --globe                the globe (orthographic view)
  --flat                 the flat world map
  --colours SCALE        colour scale: standard or blue-white-red (also blau-weiss-rot,
                         readable with colour-blindness, cells without data grey)
  --projection VIEW      equirectangular (the flat world map), orthographic (the globe) or
                         equal-earth (the equal-area world map); not with --globe, --flat
  --centre LON,LAT       centre of the globe in decimal degrees, east and north positive,
                         e.g. 13.4,52.5; only with --globe (or --projection orthographic), instead of
                         the view position
  --animate FROM TO FILE.gif
                         writes an animation: FROM and TO as YEAR-MONTH (2024-01 2024-12)
                         for every month, or as YEAR (1990 2020) for every year's average;
                         not with --render, --year, --month, --year-average. Months without
                         data are shown as frames without data.
  --fps NUMBER           frames per second of the animation, 1 to 50 (default 4)
  --no-loop              the animation plays once instead of for ever
  --help, -h             this help

Exit status: 0 picture written; 1 no picture: the dataset cannot be opened, it has no data
for the month, the background picture or for outlines worldmap.txt is missing, the file is
one of the program's own (the background pictures, worldmap.txt, init.txt, positions.txt,
Information.rtf, Auswertung.csv, the dataset), or it cannot be written (a file already there
is then left as it was); 2 bad arguments, also any unknown one beginning with "-". The same
holds for an animation, except that months without data are no error; months that cannot be
read are named in one line. An animation reaching more than ten years past the last month
with data is refused (2). Without options and without a display (neither DISPLAY nor
WAYLAND_DISPLAY) sorvo ends with 1. Messages go to stderr.

Language: German when the first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set begins
with "de", otherwise English.

Examples:
  sorvo --render map.png --year 2024 --month 6
  sorvo --render globe.jpg --globe --centre 13.4,52.5 --scale 100
  sorvo --animate 2024-01 2024-12 year.gif --fps 2
)";

std::string quoted(Language language, std::string_view text) {
    std::string result = language == Language::German ? "„" : "\"";
    result += text;
    result += language == Language::German ? "“" : "\"";
    return result;
}

}  // namespace

Language CommandLineTexts::languageOf(const std::function<const char*(const char*)>& variable) {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = variable(name);
        if (value != nullptr && *value != '\0') {
            return std::string_view(value).starts_with("de") ? Language::German : Language::English;
        }
    }
    return Language::English;
}

std::string CommandLineTexts::help() const {
    return std::string(language_ == Language::German ? HELP_DE : HELP_EN);
}

std::string CommandLineTexts::line(std::string_view text) const {
    // The system's own texts may break their lines; a message here is one line.
    std::string joined;
    for (char c : text) {
        if (c == '\n') {
            joined += ' ';
        } else if (c != '\r') {
            joined += c;
        }
    }
    return "sorvo: " + joined + "\n";
}

std::string CommandLineTexts::refused(const ArgumentError& error) const {
    Language language = language_;
    std::string option = error.argument;
    std::string value = option + " " + quoted(language, error.other);
    const std::string years = std::to_string(CommandLine::FIRST_YEAR) + pick(" bis ", " to ") +
                              std::to_string(CommandLine::LAST_YEAR);
    std::string text;
    switch (error.problem) {
        case ArgumentProblem::Unknown:
            text = pick("unbekanntes Argument ", "unknown argument ");
            text += quoted(language, error.argument);
            break;
        case ArgumentProblem::MissingValue:
            text = option + pick(" braucht einen Wert", " needs a value");
            break;
        case ArgumentProblem::Repeated:
            text = option + pick(" ist mehrfach angegeben", " is given more than once");
            break;
        case ArgumentProblem::BadYear:
            text = value + pick(": erwartet wird ein Jahr von ", ": expected a year from ") + years;
            break;
        case ArgumentProblem::BadMonth:
            text = value + pick(": erwartet wird ein Monat von 1 bis 12",
                                ": expected a month from 1 to 12");
            break;
        case ArgumentProblem::BadScale:
            text = value + pick(": nur 50, 75 oder 100", ": only 50, 75 or 100");
            break;
        case ArgumentProblem::BadMapType:
            text = value + pick(": umrisse, satellit, land-wasser, nacht oder 1 bis 4",
                                ": outlines, satellite, land-water, night or 1 to 4");
            break;
        case ArgumentProblem::BadCentre:
            text = value + pick(
                               ": erwartet wird LÄNGE,BREITE in Dezimalgrad, etwa 13.4,52.5 "
                               "(Länge bis 180, Breite bis 90)",
                               ": expected LON,LAT in decimal degrees, e.g. 13.4,52.5 "
                               "(longitude up to 180, latitude up to 90)");
            break;
        case ArgumentProblem::BadColours:
            text = value + pick(": standard, blue-white-red oder blau-weiss-rot",
                                ": standard, blue-white-red or blau-weiss-rot");
            break;
        case ArgumentProblem::BadSize:
            text = value + pick(": nur 1, 2 oder 4", ": only 1, 2 or 4");
            break;
        case ArgumentProblem::BadProjection:
            text = value + pick(": equirectangular, orthographic oder equal-earth",
                                ": equirectangular, orthographic or equal-earth");
            break;
        case ArgumentProblem::BadExtension:
            text = value +
                   pick(": die Endung wählt das Format: .png, .gif, .jpg, .jpeg, .svg oder .emf",
                        ": the extension picks the format: .png, .gif, .jpg, .jpeg, .svg or "
                        ".emf");
            break;
        case ArgumentProblem::BadSpan:
            text = value +
                   pick(
                       ": erwartet werden VON und BIS als JAHR-MONAT (etwa 2024-01 2024-12) oder "
                       "beide als JAHR, Jahre von ",
                       ": expected FROM and TO as YEAR-MONTH (e.g. 2024-01 2024-12) or both as "
                       "a YEAR, years from ") +
                   years +
                   pick(", das Ende nicht vor dem Anfang", ", the end not before the start");
            break;
        case ArgumentProblem::NotGif:
            text = value + pick(": eine Animation wird als .gif geschrieben",
                                ": an animation is written as .gif");
            break;
        case ArgumentProblem::BadFramesPerSecond:
            text = value + pick(": 1 bis 50 Bilder pro Sekunde", ": 1 to 50 frames per second");
            break;
        case ArgumentProblem::WithoutMode:
            text = option + pick(" gilt nur zusammen mit --render oder --animate",
                                 " only works with --render or --animate");
            break;
        case ArgumentProblem::Needs:
            text = option + pick(" braucht ", " needs ") + error.other;
            break;
        case ArgumentProblem::Excludes:
            text = option + pick(" und ", " and ") + error.other +
                   pick(" schließen einander aus", " exclude each other");
            break;
    }
    text += pick(" (Hilfe: sorvo --help)", " (see sorvo --help)");
    return line(text);
}

std::string CommandLineTexts::datasetNotOpened(std::string_view reason) const {
    return line((pick("Datensatz lässt sich nicht öffnen: ", "the dataset cannot be opened: ")) +
                std::string(reason));
}

std::string CommandLineTexts::backgroundMissing(std::string_view reason) const {
    return line((pick("Hintergrundbild fehlt: ", "background picture missing: ")) +
                std::string(reason));
}

std::string CommandLineTexts::coastlinesMissing() const {
    return line(
        pick("die Umrissdatei \"worldmap.txt\" fehlt im Arbeitsverzeichnis oder kann "
             "nicht gelesen werden",
             "the coastline file \"worldmap.txt\" is missing from the working "
             "directory or cannot be read"));
}

std::string CommandLineTexts::noData(std::string_view dataset, std::uint32_t year,
                                     std::uint32_t month) const {
    std::string when = month == 0 ? (pick("im Jahr ", "for the year ")) + std::to_string(year)
                                  : (pick("für ", "for ")) + std::to_string(year) + "-" +
                                        (month < 10 ? "0" : "") + std::to_string(month);
    return line(std::string(dataset) + pick(" hat keine Daten ", " has no data ") + when +
                pick("; kein Bild geschrieben", "; no picture written"));
}

std::string CommandLineTexts::layoutProblem(std::string_view reason) const {
    return line(std::string(reason));
}

std::string CommandLineTexts::note(std::string_view text) const {
    return line((pick("Hinweis: ", "note: ")) + std::string(text));
}

std::string CommandLineTexts::notWritten(std::string_view reason) const {
    return line((pick("Bild nicht geschrieben: ", "picture not written: ")) + std::string(reason));
}

std::string CommandLineTexts::animationNotWritten(std::string_view reason) const {
    return line((pick("Animation nicht geschrieben: ", "animation not written: ")) +
                std::string(reason));
}

std::string CommandLineTexts::noDisplay() const {
    return line(
        pick("kein Bildschirm: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt, das "
             "Fenster kann nicht öffnen (Bilder ohne Bildschirm: sorvo --render, siehe "
             "sorvo --help)",
             "no display: neither DISPLAY nor WAYLAND_DISPLAY is set, so the window "
             "cannot open (pictures without a display: sorvo --render, see sorvo --help)"));
}

std::string CommandLineTexts::ownFile(std::string_view option, std::string_view target,
                                      std::string_view file) const {
    return line(std::string(option) + " " + quoted(language_, target) +
                pick(": das ist ", ": that is ") + quoted(language_, file) +
                pick(", eine Datei des Programms, die nie überschrieben wird; nichts geschrieben",
                     ", one of the program's own files, which is never overwritten; nothing "
                     "written"));
}

std::string CommandLineTexts::farPastData(std::string_view to, std::string_view dataset,
                                          std::string_view lastWithData) const {
    return line("--animate " + quoted(language_, to) +
                pick(": das Ende liegt mehr als zehn Jahre nach dem letzten Monat mit Daten in ",
                     ": the end lies more than ten years after the last month with data in ") +
                std::string(dataset) + " (" + std::string(lastWithData) + ")" +
                pick("; keine Animation geschrieben (Hilfe: sorvo --help)",
                     "; no animation written (see sorvo --help)"));
}

std::string CommandLineTexts::unreadableFrames(
    const std::vector<std::pair<std::string, std::string>>& runs, bool years) const {
    std::string list;
    for (const auto& [first, last] : runs) {
        list += list.empty() ? "" : ", ";
        list += first;
        if (last != first) {
            list += pick(" bis ", " to ") + last;
        }
    }
    std::string what = years ? pick("Jahre", "years") : pick("Monate", "months");
    return line(pick("diese ", "these ") + what +
                pick(" ließen sich nicht lesen und zeigen „Keine Daten“: ",
                     " could not be read and show \"Keine Daten\": ") +
                list);
}

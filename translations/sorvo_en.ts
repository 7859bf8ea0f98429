<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<!-- The English of the interface: one message a text, the German text as written in the program
     (line ends of messages as "&#10;") and its English. Texts alike in both languages are listed too. -->
<context>
<name>sorvo</name>
<message><source>Programm</source><translation>Program</translation></message>
<message><source>Ansicht</source><translation>View</translation></message>
<message><source>Hilfe</source><translation>Help</translation></message>
<message><source>Sprache / Language</source><translation>Sprache / Language</translation></message>
<message><source>Deutsch</source><translation>Deutsch</translation></message>
<message><source>English</source><translation>English</translation></message>
<message><source>Position&#9;STRG+P</source><translation>Position&#9;Ctrl+P</translation></message>
<message><source>Datensatz laden&#9;STRG+D</source><translation>Load dataset&#9;Ctrl+D</translation></message>
<message><source>Datenreihe exportieren</source><translation>Export time series</translation></message>
<message><source>Speichern als ...</source><translation>Save as ...</translation></message>
<message><source>GIF</source><translation>GIF</translation></message>
<message><source>JPEG</source><translation>JPEG</translation></message>
<message><source>Animation (GIF) ...</source><translation>Animation (GIF) ...</translation></message>
<message><source>Datei öffnen ...&#9;STRG+O</source><translation>Open file ...&#9;Ctrl+O</translation></message>
<message><source>Beenden</source><translation>Exit</translation></message>
<message><source>100%</source><translation>100%</translation></message>
<message><source>75%</source><translation>75%</translation></message>
<message><source>50%</source><translation>50%</translation></message>
<message><source>Karte</source><translation>Map</translation></message>
<message><source>Umrisse</source><translation>Outlines</translation></message>
<message><source>Satellitenfoto</source><translation>Satellite photo</translation></message>
<message><source>Land/Wasser</source><translation>Land/water</translation></message>
<message><source>Orthographisch</source><translation>Orthographic</translation></message>
<message><source>Sorvo Visualizer V0.91 - Visualisierung von HadCRUT3-Daten</source><translation>Sorvo Visualizer V0.91 - Visualisation of HadCRUT3 data</translation></message>
<message><source>Weltkarte</source><translation>World map</translation></message>
<message><source>Position</source><translation>Position</translation></message>
<message><source>Name / Bezeichnung</source><translation>Name / label</translation></message>
<message><source>GMS-Position</source><translation>DMS position</translation></message>
<message><source>Grad</source><translation>Degree</translation></message>
<message><source>Minute</source><translation>Minute</translation></message>
<message><source>Breite</source><translation>Lat.</translation></message>
<message><source>Länge</source><translation>Long.</translation></message>
<message><source>OK</source><translation>OK</translation></message>
<message><source>Abbrechen</source><translation>Cancel</translation></message>
<message><source>Nord</source><translation>North</translation></message>
<message><source>Süd</source><translation>South</translation></message>
<message><source>Ost</source><translation>East</translation></message>
<message><source>West</source><translation>West</translation></message>
<message><source>Datensatz laden</source><translation>Load dataset</translation></message>
<message><source>Jahr (ab 1850)</source><translation>Year (from 1850)</translation></message>
<message><source>Monat (1..12)</source><translation>Month (1..12)</translation></message>
<message><source>Jahresdurchschnitt berechnen</source><translation>Compute the year's average</translation></message>
<message><source>Datenbank</source><translation>Database</translation></message>
<message><source>Hilfe schließen</source><translation>Close help</translation></message>
<message><source>Aktuelle Datenbank als CSV für Excel exportieren&#10;Die Datei wird nach dem Export automatisch geöffnet.</source><translation>Export the current database as CSV for spreadsheets&#10;The file is opened after the export.</translation></message>
<message><source>von Jahr</source><translation>from year</translation></message>
<message><source>von Monat</source><translation>from month</translation></message>
<message><source>bis Jahr</source><translation>to year</translation></message>
<message><source>bis Monat</source><translation>to month</translation></message>
<message><source>Monatsdurchschnitt</source><translation>Monthly average</translation></message>
<message><source>Start ...</source><translation>Start ...</translation></message>
<message><source>Als Animation speichern</source><translation>Save as animation</translation></message>
<message><source>Die Karte als Animation über eine Zeitspanne speichern:</source><translation>Save the map as an animation over a span of time:</translation></message>
<message><source>Bilder pro Sekunde (1-50)</source><translation>Frames per second (1-50)</translation></message>
<message><source>Jahresdurchschnitte</source><translation>Year averages</translation></message>
<message><source>Endlos wiederholen</source><translation>Repeat endlessly</translation></message>
<message><source>Bitte waren ...</source><translation>Please wait ...</translation></message>
<message><source>Die Karte wird erstellt ...</source><translation>The map is being drawn ...</translation></message>
<message><source>Erstelle Karte ...</source><translation>Drawing the map ...</translation></message>
<message><source>Speicher GIF-Datei ...</source><translation>Saving the GIF file ...</translation></message>
<message><source>Speicher JPG-Datei ...</source><translation>Saving the JPG file ...</translation></message>
<message><source>Information</source><translation>Information</translation></message>
<message><source>Fehler</source><translation>Error</translation></message>
<message><source>Jan</source><translation>Jan</translation></message>
<message><source>Feb</source><translation>Feb</translation></message>
<message><source>Mär</source><translation>Mar</translation></message>
<message><source>Apr</source><translation>Apr</translation></message>
<message><source>Mai</source><translation>May</translation></message>
<message><source>Jun</source><translation>Jun</translation></message>
<message><source>Jul</source><translation>Jul</translation></message>
<message><source>Aug</source><translation>Aug</translation></message>
<message><source>Sep</source><translation>Sep</translation></message>
<message><source>Okt</source><translation>Oct</translation></message>
<message><source>Nov</source><translation>Nov</translation></message>
<message><source>Dez</source><translation>Dec</translation></message>
<message><source>Januar</source><translation>January</translation></message>
<message><source>Februar</source><translation>February</translation></message>
<message><source>März</source><translation>March</translation></message>
<message><source>April</source><translation>April</translation></message>
<message><source>Juni</source><translation>June</translation></message>
<message><source>Juli</source><translation>July</translation></message>
<message><source>August</source><translation>August</translation></message>
<message><source>September</source><translation>September</translation></message>
<message><source>Oktober</source><translation>October</translation></message>
<message><source>November</source><translation>November</translation></message>
<message><source>Dezember</source><translation>December</translation></message>
<message><source>Keine Daten</source><translation>No data</translation></message>
<message><source>Abweichungen in Grad Celsius (%s) - %s</source><translation>Anomalies in degrees Celsius (%s) - %s</translation></message>
<message><source>O</source><translation>E</translation></message>
<message><source>Sorvo Visualizer läuft in diesem Arbeitsordner bereits.&#10;Dieses Fenster speichert beim Schließen weder Einstellungen (init.txt) noch Positionen (positions.txt).</source><translation>Sorvo Visualizer is already running in this working folder.&#10;This window saves neither settings (init.txt) nor positions (positions.txt) when it closes.</translation></message>
<message><source>Konfiguration konnte nicht gespeichert werden.&#10;%s</source><translation>The settings could not be saved.&#10;%s</translation></message>
<message><source>Die bisherige Datei &quot;%s&quot; enthielt Zeilen, die das Programm nicht zurückschreibt (Kommentare oder Zeilen, die es nicht vollständig lesen kann). Sie wurde als &quot;%s&quot; aufbewahrt.</source><translation>The previous file &quot;%s&quot; held lines that the program does not write back (comments or lines it cannot read completely). It was kept as &quot;%s&quot;.</translation></message>
<message><source>Positionen konnten nicht gespeichert werden.&#10;%s</source><translation>The positions could not be saved.&#10;%s</translation></message>
<message><source>Bild kann nicht gespeichert werden: %s (%s)</source><translation>The picture cannot be saved: %s (%s)</translation></message>
<message><source>Die Umrissdatei &quot;worldmap.txt&quot; fehlt im Arbeitsverzeichnis oder kann nicht gelesen werden. Die Karte wird ohne Umrisse gezeigt.</source><translation>The outline file &quot;worldmap.txt&quot; is missing from the working directory or cannot be read. The map is shown without outlines.</translation></message>
<message><source>Neue Position</source><translation>New position</translation></message>
<message><source>Im orthografischen Modus kann die Ansichtsposition nicht entfernt werden.</source><translation>The view position cannot be removed in orthographic mode.</translation></message>
<message><source>Bitte erst alle roten Positionen entfernen.</source><translation>Please remove all red positions first.</translation></message>
<message><source>Datensätze</source><translation>Datasets</translation></message>
<message><source>Alle Dateien</source><translation>All files</translation></message>
<message><source>Datensatz öffnen</source><translation>Open dataset</translation></message>
<message><source>GIF-Dateien</source><translation>GIF files</translation></message>
<message><source>Als GIF speichern</source><translation>Save as GIF</translation></message>
<message><source>Unbekannte Dateiendung.&#10;*.gif erlaubt.</source><translation>Unknown file extension.&#10;*.gif allowed.</translation></message>
<message><source>JPG-Dateien</source><translation>JPG files</translation></message>
<message><source>Als JPG speichern</source><translation>Save as JPG</translation></message>
<message><source>Unbekannte Dateiendung.&#10;*.jpg erlaubt.</source><translation>Unknown file extension.&#10;*.jpg allowed.</translation></message>
<message><source>EMF-Dateien</source><translation>EMF files</translation></message>
<message><source>Als EMF speichern</source><translation>Save as EMF</translation></message>
<message><source>Unbekannte Dateiendung.&#10;*.emf erlaubt.</source><translation>Unknown file extension.&#10;*.emf allowed.</translation></message>
<message><source>Datei kann nicht geöffnet werden:</source><translation>File cannot be opened:</translation></message>
<message><source>Bilddatei nicht gefunden: %s</source><translation>Picture file not found: %s</translation></message>
<message><source>Bilddatei kann nicht gelesen werden: %s (%s)</source><translation>Picture file cannot be read: %s (%s)</translation></message>
<message><source>Die Karte (%d x %d Pixel) kann nicht erstellt werden. Ein Bild darf höchstens %d Millionen Pixel haben.</source><translation>The map (%d x %d pixels) cannot be made. A picture may have at most %d million pixels.</translation></message>
<message><source>Die Karte (%d x %d Pixel) kann nicht erstellt werden.</source><translation>The map (%d x %d pixels) cannot be made.</translation></message>
<message><source>Ungültige Breitenangabe (0..90 Bogengrad, 0..59 Minuten möglich)!</source><translation>Invalid latitude (0..90 degrees, 0..59 minutes possible)!</translation></message>
<message><source>Ungültige Längenangabe (0..180 Längengrad, 0..59 Minuten möglich)!</source><translation>Invalid longitude (0..180 degrees, 0..59 minutes possible)!</translation></message>
<message><source>Start-Jahr muss vor dem Stop-Jahr liegen.</source><translation>The start year must lie before the stop year.</translation></message>
<message><source>Der Zeitraum reicht mehr als zehn Jahre über den letzten Monat mit Daten (%.2u-%llu) hinaus. Danach folgen nur Monate ohne Daten, und der Export kann sehr lange dauern.&#10;&#10;Trotzdem exportieren?</source><translation>The span reaches more than ten years past the last month with data (%.2u-%llu). After it come only months without data, and the export may take very long.&#10;&#10;Export anyway?</translation></message>
<message><source>Export wurde abgebrochen.&#10;&#10;Export wurde bis %.2u-%llu durchgeführt.</source><translation>The export was stopped.&#10;&#10;The export was done up to %.2u-%llu.</translation></message>
<message><source>Export wurde erfolgreich durchgeführt.</source><translation>The export was completed.</translation></message>
<message><source>Kein Programm konnte die Tabelle öffnen. Sie wurde gespeichert unter:&#10;%s%s</source><translation>No program could open the table. It was saved as:&#10;%s%s</translation></message>
<message><source>&#10;&#10;Nicht lesbar und daher ohne Daten, die Jahre: </source><translation>&#10;&#10;Not readable and hence without data, the years: </translation></message>
<message><source>&#10;&#10;Nicht lesbar und daher ohne Daten, die Monate: </source><translation>&#10;&#10;Not readable and hence without data, the months: </translation></message>
<message><source> bis </source><translation> to </translation></message>
<message><source>Die Animation reicht mehr als zehn Jahre über den letzten Monat mit Daten (%.2u-%llu) hinaus. Danach folgen nur Bilder ohne Daten, und das Speichern kann sehr lange dauern.&#10;&#10;Trotzdem speichern?</source><translation>The animation reaches more than ten years past the last month with data (%.2u-%llu). After it come only frames without data, and saving may take very long.&#10;&#10;Save anyway?</translation></message>
<message><source>Animation mit %llu %s gespeichert:&#10;%s</source><translation>Animation with %llu %s saved:&#10;%s</translation></message>
<message><source>Bild</source><translation>frame</translation></message>
<message><source>Bildern</source><translation>frames</translation></message>
<message><source>Die Animation konnte nicht gespeichert werden.&#10;%s</source><translation>The animation could not be saved.&#10;%s</translation></message>
<message><source>LF-Zeilenenden statt CRLF</source><translation>LF line ends instead of CRLF</translation></message>
<message><source>CRLF-Zeilenenden statt LF</source><translation>CRLF line ends instead of LF</translation></message>
<message><source>&quot;%s&quot; hat Monatsblöcke von %llu statt %llu Bytes%s%s%s und wird so gelesen.</source><translation>&quot;%s&quot; has month blocks of %llu instead of %llu bytes%s%s%s and is read so.</translation></message>
<message><source>Die Datei &quot;%s&quot; hat nicht den erwarteten Aufbau: Der Block für %02u/%llu (ab Byte %llu, %llu Bytes je Monat) beginnt mit &quot;%s&quot; statt mit der Kopfzeile dieses Monats. Es werden keine Daten gezeigt.</source><translation>The file &quot;%s&quot; is not laid out as expected: the block for %02u/%llu (from byte %llu, %llu bytes a month) begins with &quot;%s&quot; instead of this month's header line. No data are shown.</translation></message>
<message><source>Die Datei &quot;%s&quot; hat nicht den erwarteten Aufbau: Der Block für %02u/%llu müsste %llu Bytes lang sein, Kopfzeile und %u Zeilen sind aber %llu Bytes lang%s%s%s. Es werden keine Daten gezeigt.</source><translation>The file &quot;%s&quot; is not laid out as expected: the block for %02u/%llu should be %llu bytes long, but the header line and %u lines are %llu bytes long%s%s%s. No data are shown.</translation></message>
<message><source>Jahr %u</source><translation>Year %u</translation></message>
<message><source>Wert ist keine Zahl und gilt</source><translation>value is no number and counts</translation></message>
<message><source>Werte sind keine Zahlen und gelten</source><translation>values are no numbers and count</translation></message>
<message><source>%s: %u %s als 0,0.</source><translation>%s: %u %s as 0.0.</translation></message>
<message><source>Jahr ab %u möglich.</source><translation>Years from %u possible.</translation></message>
<message><source>Monatsbereich 1-12.</source><translation>Months 1-12.</translation></message>
<message><source>Die Datei &quot;%s&quot; ist keine netCDF-Datei: Sie beginnt nicht wie eine netCDF- oder HDF5-Datei.</source><translation>The file &quot;%s&quot; is no netCDF file: it does not begin as a netCDF or HDF5 file does.</translation></message>
<message><source>Das Ende der Animation darf nicht vor ihrem Anfang liegen.</source><translation>The animation's end must not lie before its start.</translation></message>
<message><source>Bilder pro Sekunde 1-%u.</source><translation>Frames per second 1-%u.</translation></message>
<message><source>Die Datei &quot;%s&quot; kann nicht geschrieben werden (%s).</source><translation>The file &quot;%s&quot; cannot be written (%s).</translation></message>
<message><source>Für die Animation reicht der Speicher nicht.</source><translation>There is not enough memory for the animation.</translation></message>
<message><source>Unerwarteter Fehler: %s</source><translation>Unexpected error: %s</translation></message>
<message><source>Die Datei &quot;%s&quot; kann nicht angelegt werden (%s).</source><translation>The file &quot;%s&quot; cannot be created (%s).</translation></message>
<message><source>Die Datei &quot;%s&quot; fehlt: sie ist weder im Arbeitsverzeichnis %s noch bei den installierten Dateien des Programms.</source><translation>The file &quot;%s&quot; is missing: it is neither in the working directory %s nor among the program's installed files.</translation></message>
<message><source>Die Datei &quot;%s&quot; ist größer als %zu MB und wird darum nicht gezeigt.</source><translation>The file &quot;%s&quot; is larger than %zu MB and is therefore not shown.</translation></message>
<message><source>Die Datei &quot;%s&quot; kann nicht gelesen werden: %s</source><translation>The file &quot;%s&quot; cannot be read: %s</translation></message>
<message><source>Die Datei &quot;%s&quot; ist nicht vollständig lesbar; gezeigt ist, was gelesen werden konnte.</source><translation>The file &quot;%s&quot; is not completely readable; shown is what could be read.</translation></message>
<message><source>Die Datei beginnt nicht mit &quot;{\rtf&quot; und ist wohl keine RTF-Datei.</source><translation>The file does not begin with &quot;{\rtf&quot; and is probably no RTF file.</translation></message>
<message><source>Die Datei endet mitten im Text: der Schluss fehlt wohl, gezeigt ist der Anfang.</source><translation>The file ends in the middle of the text: the end is probably missing, the beginning is shown.</translation></message>
<message><source>Die Datei hat schließende Klammern ohne öffnende; sie wurden übergangen.</source><translation>The file has closing braces without opening ones; they were skipped.</translation></message>
<message><source>Abgebrochen.</source><translation>Stopped.</translation></message>
<message><source>Die Datei &quot;%s&quot; hat im Bezugszeitraum %s zu wenige Daten: In keiner Zelle haben mindestens die Hälfte der Jahre Werte.</source><translation>The file &quot;%s&quot; has too little data in the baseline %s: no cell has values in at least half of the years.</translation></message>
<message><source>Die netCDF-Datei &quot;%s&quot; kann nicht geöffnet werden: %s</source><translation>The netCDF file &quot;%s&quot; cannot be opened: %s</translation></message>
<message><source>Die Datei &quot;%s&quot; ist kein netCDF-Datensatz mit Monatswerten in einem regelmäßigen Längen-Breiten-Gitter: %s.</source><translation>The file &quot;%s&quot; is no netCDF dataset of monthly values on a regular latitude-longitude grid: %s.</translation></message>
<message><source>Sie enthält keine der Variablen &quot;tas_mean&quot;, &quot;temperature_anomaly&quot;, &quot;tas&quot;, &quot;t2m&quot;, &quot;air&quot;, &quot;temperature&quot; und nicht genau eine dreidimensionale Gleitkommavariable</source><translation>It holds none of the variables &quot;tas_mean&quot;, &quot;temperature_anomaly&quot;, &quot;tas&quot;, &quot;t2m&quot;, &quot;air&quot;, &quot;temperature&quot; and not exactly one three-dimensional floating-point variable</translation></message>
<message><source>Die Variable &quot;%s&quot; enthält keine Zahlen</source><translation>The variable &quot;%s&quot; holds no numbers</translation></message>
<message><source>Das Gitter ist gedreht (rotated_pole), kein Gitter mit Nordpol oben</source><translation>The grid is rotated (rotated_pole), not a grid with the North Pole at the top</translation></message>
<message><source>Das Gitter ist krummlinig: Die Koordinate &quot;%s&quot; ist zweidimensional</source><translation>The grid is curvilinear: the coordinate &quot;%s&quot; is two-dimensional</translation></message>
<message><source>Die Koordinate &quot;%s&quot; fehlt oder ist keine Zahlenreihe</source><translation>The coordinate &quot;%s&quot; is missing or is no row of numbers</translation></message>
<message><source>Die Variable &quot;%s&quot; hat die Dimensionen (%s), keine Zeit, Breite und Länge: Das Gitter ist unstrukturiert oder kein Längen-Breiten-Gitter</source><translation>The variable &quot;%s&quot; has the dimensions (%s), not time, latitude and longitude: the grid is unstructured or no latitude-longitude grid</translation></message>
<message><source>Die Breiten laufen nicht stetig in eine Richtung oder liegen außerhalb von -90 bis 90 Grad</source><translation>The latitudes do not run steadily in one direction or lie outside -90 to 90 degrees</translation></message>
<message><source>Die Längen laufen nicht stetig in eine Richtung oder überdecken die Erde mehr als einmal</source><translation>The longitudes do not run steadily in one direction or cover the Earth more than once</translation></message>
<message><source>Die Zeitkoordinate &quot;%s&quot; fehlt oder läuft nicht entlang der Zeit</source><translation>The time coordinate &quot;%s&quot; is missing or does not run along time</translation></message>
<message><source>Die Zeitkoordinate hat keine Einheit (units)</source><translation>The time coordinate has no unit (units)</translation></message>
<message><source>Die Zeiteinheit &quot;%s&quot; ist nicht lesbar (erwartet etwa &quot;days since 1850-01-01 00:00:00&quot; oder &quot;hours since ...&quot;)</source><translation>The time unit &quot;%s&quot; cannot be read (expected e.g. &quot;days since 1850-01-01 00:00:00&quot; or &quot;hours since ...&quot;)</translation></message>
<message><source>Der Kalender &quot;%s&quot; wird nicht unterstützt (nur standard, gregorian und proleptic_gregorian)</source><translation>The calendar &quot;%s&quot; is not supported (only standard, gregorian and proleptic_gregorian)</translation></message>
<message><source>Sie enthält keinen Zeitschritt</source><translation>It holds no time step</translation></message>
<message><source>Die Zeitwerte sind nicht lesbar</source><translation>The time values cannot be read</translation></message>
<message><source>Der Zeitschritt %llu hat keinen gültigen Zeitwert</source><translation>Time step %llu has no valid time value</translation></message>
<message><source>Die Zeitschritte sind Tage oder kürzer, keine Monate</source><translation>The time steps are days or shorter, not months</translation></message>
<message><source>Die Zeitschritte sind Jahre, keine Monate</source><translation>The time steps are years, not months</translation></message>
<message><source>Die Zeitschritte folgen nicht Monat für Monat aufeinander: Schritt %llu fällt in %02u/%lld statt in %02u/%lld</source><translation>The time steps do not follow month after month: step %llu falls in %02u/%lld instead of %02u/%lld</translation></message>
<message><source>Der Monat %02u/%lld kann aus &quot;%s&quot; nicht gelesen werden: %s. Es werden keine Daten gezeigt.</source><translation>The month %02u/%lld cannot be read from &quot;%s&quot;: %s. No data are shown.</translation></message>
<message><source>Auf 5°-Zellen gemittelt aus %s°.</source><translation>Averaged onto 5° cells from %s°.</translation></message>
<message><source>Das Gitter der Datei deckt nicht die ganze Erde ab.</source><translation>The file's grid does not cover the whole Earth.</translation></message>
<message><source>Bezugswerte berechnen</source><translation>Computing the baseline</translation></message>
<message><source>Die Bezugswerte der Temperaturen werden berechnet ...</source><translation>The baseline of the temperatures is being computed ...</translation></message>
<message><source>PNG</source><translation>PNG</translation></message>
<message><source>SVG</source><translation>SVG</translation></message>
<message><source>EMF</source><translation>EMF</translation></message>
<message><source>Größe</source><translation>Size</translation></message>
<message><source>1×</source><translation>1×</translation></message>
<message><source>2×</source><translation>2×</translation></message>
<message><source>4×</source><translation>4×</translation></message>
<message><source>Equal Earth (flächentreu)</source><translation>Equal Earth (equal-area)</translation></message>
<message><source>Farbskala: Standard</source><translation>Colour scale: standard</translation></message>
<message><source>Farbskala: Blau–Weiß–Rot (farbenblind-freundlich)</source><translation>Colour scale: blue–white–red (colour-blind friendly)</translation></message>
<message><source>Zeitreihe ...&#9;STRG+T</source><translation>Time series ...&#9;Ctrl+T</translation></message>
<message><source>PNG-Dateien</source><translation>PNG files</translation></message>
<message><source>Als PNG speichern</source><translation>Save as PNG</translation></message>
<message><source>Unbekannte Dateiendung.&#10;*.png erlaubt.</source><translation>Unknown file extension.&#10;*.png allowed.</translation></message>
<message><source>SVG-Dateien</source><translation>SVG files</translation></message>
<message><source>Als SVG speichern</source><translation>Save as SVG</translation></message>
<message><source>Unbekannte Dateiendung.&#10;*.svg erlaubt.</source><translation>Unknown file extension.&#10;*.svg allowed.</translation></message>
<message><source>Speicher PNG-Datei ...</source><translation>Saving the PNG file ...</translation></message>
<message><source>Speicher SVG-Datei ...</source><translation>Saving the SVG file ...</translation></message>
<message><source>Jahr</source><translation>Year</translation></message>
<message><source>Anomalie (°C)</source><translation>Anomaly (°C)</translation></message>
<message><source>kein Trend (zu wenige Werte)</source><translation>no trend (too few values)</translation></message>
<message><source>Zeitreihe</source><translation>Time series</translation></message>
<message><source>Reihen</source><translation>Series</translation></message>
<message><source>Ansichtsposition</source><translation>View position</translation></message>
<message><source>Position </source><translation>Position </translation></message>
<message><source>Box (W, S, O, N in Grad):</source><translation>Box (W, S, E, N in degrees):</translation></message>
<message><source>Breitenband (S, N in Grad):</source><translation>Latitude band (S, N in degrees):</translation></message>
<message><source>Von Jahr:</source><translation>From year:</translation></message>
<message><source>bis:</source><translation>to:</translation></message>
<message><source>Schritt:</source><translation>Step:</translation></message>
<message><source>jeder Monat</source><translation>every month</translation></message>
<message><source>ein Monat jedes Jahres</source><translation>one month of each year</translation></message>
<message><source>Jahresmittel</source><translation>Annual means</translation></message>
<message><source>Bezugszeitraum:</source><translation>Baseline:</translation></message>
<message><source>wie in der Datei</source><translation>as in the file</translation></message>
<message><source>eigene Jahre</source><translation>own years</translation></message>
<message><source>Bezugszeitraum auch für die Karte</source><translation>Baseline for the map as well</translation></message>
<message><source>Mindestanteil mit Daten (%):</source><translation>Least share with data (%):</translation></message>
<message><source>Trend von Jahr:</source><translation>Trend from year:</translation></message>
<message><source>Anzeige:</source><translation>Show:</translation></message>
<message><source>Diagramm</source><translation>Chart</translation></message>
<message><source>Streifen</source><translation>Stripes</translation></message>
<message><source>PNG speichern ...</source><translation>Save PNG ...</translation></message>
<message><source>SVG speichern ...</source><translation>Save SVG ...</translation></message>
<message><source>CSV speichern ...</source><translation>Save CSV ...</translation></message>
<message><source>Bitte mindestens eine Reihe wählen.</source><translation>Please choose at least one series.</translation></message>
<message><source>Keine Zahl: </source><translation>Not a number: </translation></message>
<message><source>ganze Datei</source><translation>whole file</translation></message>
<message><source>bis</source><translation>to</translation></message>
<message><source>Berechnung abgebrochen.</source><translation>Computation stopped.</translation></message>
<message><source>Der Datensatz wird gelesen ...</source><translation>Reading the dataset ...</translation></message>
<message><source>Die Reihen werden berechnet ...</source><translation>Computing the series ...</translation></message>
<message><source>Streifen der Jahresmittel: </source><translation>Stripes of the annual means: </translation></message>
<message><source>PNG-Bilder</source><translation>PNG pictures</translation></message>
<message><source>SVG-Bilder</source><translation>SVG pictures</translation></message>
<message><source>CSV-Tabellen</source><translation>CSV tables</translation></message>
<message><source>Es ist noch keine Reihe berechnet.</source><translation>No series has been computed yet.</translation></message>
<message><source>Gespeichert: </source><translation>Saved: </translation></message>
<message><source>Globaler Wert (wie in der Kopfzeile)</source><translation>Global value (as in the header line)</translation></message>
<message><source>Flächenmittel der Zellen mit Daten</source><translation>Area mean of the cells with data</translation></message>
<message><source>Nordhalbkugel</source><translation>Northern hemisphere</translation></message>
<message><source>Südhalbkugel</source><translation>Southern hemisphere</translation></message>
<message><source>Tropen (23,5° S bis 23,5° N)</source><translation>Tropics (23.5° S to 23.5° N)</translation></message>
<message><source>Arktis (nördlich von 66,5° N)</source><translation>Arctic (north of 66.5° N)</translation></message>
<message><source>Box</source><translation>Box</translation></message>
<message><source>Breitenband</source><translation>Latitude band</translation></message>
<message><source>Die Position 0 gibt es nicht: die Nummern beginnen bei 1 (der Ansichtsposition).</source><translation>There is no position 0: the numbers begin at 1 (the view position).</translation></message>
<message><source>Die Breiten müssen zwischen 90° S und 90° N liegen.</source><translation>The latitudes must lie between 90° S and 90° N.</translation></message>
<message><source>Die Längen müssen zwischen 180° W und 180° O liegen.</source><translation>The longitudes must lie between 180° W and 180° E.</translation></message>
<message><source>Das Gebiet ist leer: sein Südrand liegt nicht südlich seines Nordrands.</source><translation>The region is empty: its southern edge does not lie south of its northern edge.</translation></message>
<message><source>Die Box ist leer: West- und Ostrand sind gleich.</source><translation>The box is empty: its western and eastern edges are the same.</translation></message>
<message><source>Es ist keine Reihe gewählt.</source><translation>No series is chosen.</translation></message>
<message><source>Der Mindestanteil mit Daten muss zwischen 0 und 100 % liegen.</source><translation>The least share with data must lie between 0 and 100 %.</translation></message>
<message><source>Der Monat muss zwischen 1 und 12 liegen.</source><translation>The month must lie between 1 and 12.</translation></message>
<message><source>Die Berechnung der Zeitreihen wurde abgebrochen.</source><translation>The computation of the time series was stopped.</translation></message>
<message><source>°C/Jahrzehnt</source><translation>°C/decade</translation></message>
<message><source>Kein Trend: zu wenige Werte im Zeitraum</source><translation>No trend: too few values in the span</translation></message>
<message><source>kein Intervall: zu wenige unabhängige Werte</source><translation>no interval: too few independent values</translation></message>
<message><source>Unbekanntes Gebiet &quot;%s&quot;: erwartet wird global, mean, position[:N], nh, sh, tropics, arctic, box:W,S,E,N oder band:S,N.</source><translation>Unknown region &quot;%s&quot;: expected is global, mean, position[:N], nh, sh, tropics, arctic, box:W,S,E,N or band:S,N.</translation></message>
<message><source>Das Gebiet &quot;%s&quot; braucht vier Zahlen in Grad: box:West,Süd,Ost,Nord (Süden und Westen negativ).</source><translation>The region &quot;%s&quot; needs four numbers in degrees: box:west,south,east,north (south and west negative).</translation></message>
<message><source>Das Gebiet &quot;%s&quot; braucht zwei Zahlen in Grad: band:Süd,Nord (Süden negativ).</source><translation>The region &quot;%s&quot; needs two numbers in degrees: band:south,north (south negative).</translation></message>
<message><source>Das Gebiet &quot;%s&quot; nennt keine Positionsnummer: position:N mit N ab 1 (1 = Ansichtsposition).</source><translation>The region &quot;%s&quot; names no position number: position:N with N from 1 (1 = view position).</translation></message>
<message><source>Das Gebiet &quot;%s&quot; geht nicht: %s</source><translation>The region &quot;%s&quot; cannot be used: %s</translation></message>
<message><source>Das Endjahr %u liegt vor dem Anfangsjahr %u.</source><translation>The end year %u lies before the start year %u.</translation></message>
<message><source>Der Bezugszeitraum %u-%u ist leer: sein Ende liegt vor seinem Anfang.</source><translation>The baseline %u-%u is empty: its end lies before its start.</translation></message>
<message><source>Das Gebiet &quot;%s&quot; enthält keinen Zellmittelpunkt des Gitters: es ist zu klein für eine Reihe.</source><translation>The region &quot;%s&quot; holds no centre of a grid cell: it is too small for a series.</translation></message>
<message><source>Die Position %u gibt es nicht.</source><translation>There is no position %u.</translation></message>
<message><source>Der Zeitraum %u-%u liegt außerhalb der Daten (%u-%u).</source><translation>The span %u-%u lies outside the data (%u-%u).</translation></message>
<message><source>Der Bezugszeitraum %u-%u enthält keine Zelle mit Daten in mindestens der Hälfte seiner Jahre.</source><translation>The baseline %u-%u holds no cell with data in at least half of its years.</translation></message>
<message><source>Die Datei &quot;%s&quot; enthält keinen Monat mit Daten.</source><translation>The file &quot;%s&quot; holds no month with data.</translation></message>
</context>
</TS>

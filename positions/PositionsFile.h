#pragma once

#include "toolkit/ZString.h"

class PositionList;

// "positions.txt": one position per line, UTF-8, nine tab-separated fields: the name, then
// latitude degrees, minutes, reserved number, south flag, longitude degrees, minutes, reserved
// number, west flag. A line that is not UTF-8 was written by the older program in Windows-1252
// and is read as such.

// Reads the file into the list, replacing it. Lines that are empty or begin with "#" after
// trimming, and lines with fewer than nine fields, are skipped; fields after the ninth are
// ignored; numbers are read as far as they are digits. A missing or unreadable file leaves the
// list empty; the result tells whether the file was read.
bool readPositions(const ZString& fileName, PositionList& positions);

// Writes every position in list order to a new file next to the target and renames it over
// the target, so that the last saved positions survive any failure. When the old file holds
// lines that are not written back (comments, lines the reader skips or reads only in part), it
// is first kept as positionsBackupName; the result tells whether it was. Raises ZException when
// the file or the backup cannot be written (then the old file is left as it was).
bool writePositions(const ZString& fileName, PositionList& positions);

// "positions.txt~" for "positions.txt".
ZString positionsBackupName(const ZString& fileName);

// A name as the file can keep it: tabs and other control characters become spaces, blanks at
// both ends and "#" at the start (which would make the line a comment) are taken away.
ZString cleanPositionName(const ZString& name);

#pragma once

#include <utility>
#include <vector>

#include "toolkit/ZString.h"

// A key-value settings file: one "key<separator>value" line per entry, in insertion order.
class ZInitFile {
public:
    // Reads the file. A file that is missing or unreadable reads as an empty file; the result
    // says whether the file was there.
    bool open(const ZString& name, const ZString& separator);
    // Value of a key, empty when the key is missing.
    ZString getValue(const ZString& key) const;
    // Leading whole number of the value (optional sign, decimal digits), 0 when missing or none.
    int getIntValue(const ZString& key) const;
    // True for "1", "true" or "yes" (any case), false otherwise and when missing.
    bool getFlagValue(const ZString& key) const;

    void putValue(const ZString& key, const ZString& value);
    void putValue(const ZString& key, int value);
    void putValue(const ZString& key, bool value);

    // Writes every entry to a new file next to the target and renames it over the target, so a
    // failed save never destroys the old file. Raises ZException when the file cannot be written.
    void save(const ZString& name, const ZString& separator) const;

private:
    std::vector<std::pair<ZString, ZString>> entries_;
};

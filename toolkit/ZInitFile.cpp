#include "toolkit/ZInitFile.h"

#include <cstdio>

#include "toolkit/ZException.h"
#include "toolkit/ZFile.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZReplacedFile.h"

bool ZInitFile::open(const ZString& name, const ZString& separator) {
    entries_.clear();
    ZFile file;
    try {
        file.open(name, false);
    } catch (const ZFileNotFoundException&) {
        return false;
    }
    ZString line;
    while (file.readln(line)) {
        std::size_t at = line.indexOf(separator.view());
        if (at == ZString::npos) {
            continue;
        }
        ZString key = line.substring(0, at);
        ZString value = line.substring(at + separator.length());
        putValue(key.trim(), value.trim());
    }
    return true;
}

ZString ZInitFile::getValue(const ZString& key) const {
    for (const auto& [k, v] : entries_) {
        if (k == key) {
            return v;
        }
    }
    return ZString();
}

int ZInitFile::getIntValue(const ZString& key) const {
    ZString text = getValue(key);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.length() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.length() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 0x7fffffffLL) {
            value = 0x7fffffffLL;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

bool ZInitFile::getFlagValue(const ZString& key) const {
    ZString text = getValue(key);
    text.toLowerCase();
    return text == "1" || text == "true" || text == "yes";
}

void ZInitFile::putValue(const ZString& key, const ZString& value) {
    for (auto& [k, v] : entries_) {
        if (k == key) {
            v = value;
            return;
        }
    }
    entries_.emplace_back(key, value);
}

void ZInitFile::putValue(const ZString& key, int value) {
    putValue(key, ZString(ZFormattedString("%d", value)));
}

void ZInitFile::putValue(const ZString& key, bool value) {
    putValue(key, ZString(value ? "1" : "0"));
}

void ZInitFile::save(const ZString& name, const ZString& separator) const {
    ZReplacedFile file(name);
    for (const auto& [k, v] : entries_) {
        file.writeln(k + separator.view() + v.view());
    }
    file.commit();
}

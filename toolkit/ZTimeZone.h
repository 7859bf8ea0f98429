#pragma once

// The zone in which a date's fields are read and written: the machine's local time or UTC.
enum class ZTimeZone {
    Local,
    Utc,
};

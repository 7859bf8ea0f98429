#pragma once

#include <cstdint>

// What a form field binds: the type of its variable and the control that shows it.
enum FieldKind : std::uint32_t {
    FIELD_TEXT = 1,
    FIELD_UNSIGNED = 2,
    FIELD_INT = 3,
    FIELD_FLOAT = 4,
    FIELD_DATE = 5,
    FIELD_MAP_TEXT = 6,
    FIELD_INT_CHOICE = 7,
    FIELD_TEXT_CHOICE = 8,
    FIELD_CHECK = 9,
};

#pragma once

// Numbers of the program's resources, and the command ids that menus and accelerators share.

// Resources.
inline constexpr int IDI_SORVO = 5;
inline constexpr int IDR_ACCELERATORS = 103;
inline constexpr int IDB_CHECKED_MARK = 105;
inline constexpr int IDB_UNCHECKED_MARK = 106;
inline constexpr int IDD_WAIT = 115;

// Controls of the wait dialog.
inline constexpr int IDC_WAIT_PROGRESS = 1034;
inline constexpr int IDC_WAIT_TEXT = 1036;

// Commands of the main window.
enum Command : int {
    CMD_EXIT = 10000,
    CMD_POSITION = 11000,
    CMD_DATASET = 11001,
    CMD_EXPORT = 11003,
    CMD_SAVE_GIF = 11100,
    CMD_SAVE_JPEG = 11101,
    CMD_SAVE_EMF = 11102,
    CMD_SCALE_100 = 12000,
    CMD_SCALE_75 = 12001,
    CMD_SCALE_50 = 12002,
    CMD_MAP_OUTLINES = 12100,
    CMD_MAP_SATELLITE = 12101,
    CMD_MAP_LAND_WATER = 12102,
    CMD_MAP_NIGHT = 12103,
    CMD_ORTHOGRAPHIC = 12200,
    CMD_HELP = 13000,
    CMD_PREVIOUS_MONTH = 40001,
    CMD_NEXT_MONTH = 40002,
    CMD_NEXT_YEAR = 40003,
    CMD_PREVIOUS_YEAR = 40004,
    CMD_DATASET_KEY = 40006,
    CMD_POSITION_KEY = 40007,
    CMD_SAVE_GIF_KEY = 40008,
};

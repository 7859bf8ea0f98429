#pragma once

// Numbers of the program's resources, and the command ids that menus and accelerators share.

// Resources.
inline constexpr int IDI_SORVO = 5;
inline constexpr int IDD_POSITION = 101;
inline constexpr int IDD_DATASET = 102;
inline constexpr int IDR_ACCELERATORS = 103;
inline constexpr int IDD_HELP = 104;
inline constexpr int IDB_CHECKED_MARK = 105;
inline constexpr int IDB_UNCHECKED_MARK = 106;
inline constexpr int IDD_EXPORT = 111;
inline constexpr int IDD_WAIT = 115;
inline constexpr int IDD_ANIMATION = 116;
inline constexpr int IDD_BASELINE = 117;

// Controls of the position dialog.
inline constexpr int IDC_POSITION_LAT_DEGREES = 1001;
inline constexpr int IDC_POSITION_LAT_MINUTES = 1002;
inline constexpr int IDC_POSITION_LAT_HEMISPHERE = 1004;
inline constexpr int IDC_POSITION_LON_DEGREES = 1005;
inline constexpr int IDC_POSITION_LON_MINUTES = 1006;
inline constexpr int IDC_POSITION_LON_HEMISPHERE = 1008;
inline constexpr int IDC_POSITION_NAME = 1009;

// Controls of the dataset dialog.
inline constexpr int IDC_DATASET_YEAR = 1010;
inline constexpr int IDC_DATASET_MONTH = 1011;
inline constexpr int IDC_DATASET_YEAR_AVERAGE = 1013;
inline constexpr int IDC_DATASET_FILE = 1014;

// Controls of the help dialog.
inline constexpr int IDC_HELP_TEXT = 1015;
inline constexpr int IDC_HELP_CLOSE = 1017;

// Controls of the export dialog.
inline constexpr int IDC_EXPORT_PROGRESS = 1019;
inline constexpr int IDC_EXPORT_FROM_YEAR = 1020;
inline constexpr int IDC_EXPORT_FROM_MONTH = 1021;
inline constexpr int IDC_EXPORT_TO_YEAR = 1022;
inline constexpr int IDC_EXPORT_TO_MONTH = 1023;
inline constexpr int IDC_EXPORT_CANCEL = 1024;
inline constexpr int IDC_EXPORT_START = 1025;
inline constexpr int IDC_EXPORT_MONTHLY_AVERAGE = 1033;

// Controls of the wait dialog.
inline constexpr int IDC_WAIT_PROGRESS = 1034;
inline constexpr int IDC_WAIT_TEXT = 1036;

// Controls of the animation dialog.
inline constexpr int IDC_ANIMATION_FILE = 1040;
inline constexpr int IDC_ANIMATION_FROM_YEAR = 1041;
inline constexpr int IDC_ANIMATION_FROM_MONTH = 1042;
inline constexpr int IDC_ANIMATION_TO_YEAR = 1043;
inline constexpr int IDC_ANIMATION_TO_MONTH = 1044;
inline constexpr int IDC_ANIMATION_FRAMES_PER_SECOND = 1045;
inline constexpr int IDC_ANIMATION_YEAR_AVERAGES = 1046;
inline constexpr int IDC_ANIMATION_LOOP = 1047;
inline constexpr int IDC_ANIMATION_PROGRESS = 1048;
inline constexpr int IDC_ANIMATION_START = 1049;
inline constexpr int IDC_ANIMATION_CANCEL = 1050;

// Commands of the main window.
enum Command : int {
    CMD_EXIT = 10000,
    CMD_POSITION = 11000,
    CMD_DATASET = 11001,
    CMD_EXPORT = 11003,
    CMD_OPEN_FILE = 11004,
    CMD_SERIES = 11010,
    CMD_SAVE_GIF = 11100,
    CMD_SAVE_JPEG = 11101,
    CMD_SAVE_EMF = 11102,
    CMD_SAVE_ANIMATION = 11103,
    CMD_SAVE_PNG = 11110,
    CMD_SAVE_SVG = 11111,
    CMD_PICTURE_SIZE_1 = 11112,
    CMD_PICTURE_SIZE_2 = 11113,
    CMD_PICTURE_SIZE_4 = 11114,
    CMD_SCALE_100 = 12000,
    CMD_SCALE_75 = 12001,
    CMD_SCALE_50 = 12002,
    CMD_MAP_OUTLINES = 12100,
    CMD_MAP_SATELLITE = 12101,
    CMD_MAP_LAND_WATER = 12102,
    CMD_MAP_NIGHT = 12103,
    CMD_ORTHOGRAPHIC = 12200,
    CMD_COLOURS_STANDARD = 12300,
    CMD_COLOURS_BLUE_WHITE_RED = 12301,
    CMD_EQUAL_EARTH = 12210,
    CMD_HELP = 13000,
    CMD_LANGUAGE_GERMAN = 13010,
    CMD_LANGUAGE_ENGLISH = 13011,
    CMD_PREVIOUS_MONTH = 40001,
    CMD_NEXT_MONTH = 40002,
    CMD_NEXT_YEAR = 40003,
    CMD_PREVIOUS_YEAR = 40004,
    CMD_DATASET_KEY = 40006,
    CMD_POSITION_KEY = 40007,
    CMD_SAVE_GIF_KEY = 40008,
    CMD_OPEN_FILE_KEY = 40009,
};

// Controls of the baseline dialog.
inline constexpr int IDC_BASELINE_TEXT = 1060;
inline constexpr int IDC_BASELINE_PROGRESS = 1061;

#pragma once

class ZResourceModule;

// The program's resources: dialog templates, accelerator table, menu marks and icon.
const ZResourceModule& sorvoResources();
// The English table of the interface's texts, compiled in.
inline constexpr const char* ENGLISH_TABLE = ":/sorvo/i18n/sorvo_en.qm";

#pragma once

#include "toolkit/ZLanguage.h"
#include "toolkit/ZString.h"

// A picture format the map can be saved in: what the file dialog offers and which names it
// accepts.
struct SaveFormat {
    const char* filterDescription;
    const char* pattern;
    const char* extension;
    // A second spelling of the extension, null when there is none.
    const char* alternativeExtension;
    const char* dialogTitle;
    const char* wrongExtensionMessage;

    // Gives a name without extension this format's extension; true when the name's extension
    // (in any case) is one of the format's.
    bool completeName(ZString& name) const;
};

inline constexpr SaveFormat GIF_FORMAT{ZTEXT("GIF-Dateien"),
                                       "*.gif",
                                       "gif",
                                       nullptr,
                                       ZTEXT("Als GIF speichern"),
                                       ZTEXT("Unbekannte Dateiendung.\r\n*.gif erlaubt.")};
inline constexpr SaveFormat JPEG_FORMAT{ZTEXT("JPG-Dateien"),
                                        "*.jpg",
                                        "jpg",
                                        "jpeg",
                                        ZTEXT("Als JPG speichern"),
                                        ZTEXT("Unbekannte Dateiendung.\r\n*.jpg erlaubt.")};
inline constexpr SaveFormat ANIMATION_FORMAT{ZTEXT("GIF-Dateien"),
                                             "*.gif",
                                             "gif",
                                             nullptr,
                                             ZTEXT("Als Animation speichern"),
                                             ZTEXT("Unbekannte Dateiendung.\r\n*.gif erlaubt.")};
inline constexpr SaveFormat EMF_FORMAT{ZTEXT("EMF-Dateien"),
                                       "*.emf",
                                       "emf",
                                       nullptr,
                                       ZTEXT("Als EMF speichern"),
                                       ZTEXT("Unbekannte Dateiendung.\r\n*.emf erlaubt.")};
inline constexpr SaveFormat PNG_FORMAT{ZTEXT("PNG-Dateien"),
                                       "*.png",
                                       "png",
                                       nullptr,
                                       ZTEXT("Als PNG speichern"),
                                       ZTEXT("Unbekannte Dateiendung.\r\n*.png erlaubt.")};
inline constexpr SaveFormat SVG_FORMAT{ZTEXT("SVG-Dateien"),
                                       "*.svg",
                                       "svg",
                                       nullptr,
                                       ZTEXT("Als SVG speichern"),
                                       ZTEXT("Unbekannte Dateiendung.\r\n*.svg erlaubt.")};

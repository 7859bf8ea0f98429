#pragma once

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

inline constexpr SaveFormat GIF_FORMAT{"GIF-Dateien",
                                       "*.gif",
                                       "gif",
                                       nullptr,
                                       "Als GIF speichern",
                                       "Unbekannte Dateiendung.\r\n*.gif erlaubt."};
inline constexpr SaveFormat JPEG_FORMAT{"JPG-Dateien",
                                        "*.jpg",
                                        "jpg",
                                        "jpeg",
                                        "Als JPG speichern",
                                        "Unbekannte Dateiendung.\r\n*.jpg erlaubt."};
inline constexpr SaveFormat ANIMATION_FORMAT{"GIF-Dateien",
                                             "*.gif",
                                             "gif",
                                             nullptr,
                                             "Als Animation speichern",
                                             "Unbekannte Dateiendung.\r\n*.gif erlaubt."};
inline constexpr SaveFormat EMF_FORMAT{"EMF-Dateien",
                                       "*.emf",
                                       "emf",
                                       nullptr,
                                       "Als EMF speichern",
                                       "Unbekannte Dateiendung.\r\n*.emf erlaubt."};
inline constexpr SaveFormat PNG_FORMAT{"PNG-Dateien",
                                       "*.png",
                                       "png",
                                       nullptr,
                                       "Als PNG speichern",
                                       "Unbekannte Dateiendung.\r\n*.png erlaubt."};
inline constexpr SaveFormat SVG_FORMAT{"SVG-Dateien",
                                       "*.svg",
                                       "svg",
                                       nullptr,
                                       "Als SVG speichern",
                                       "Unbekannte Dateiendung.\r\n*.svg erlaubt."};

#include "app/PictureFormat.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

struct Extension {
    std::string_view text;
    PictureFormat format;
};

constexpr Extension EXTENSIONS[] = {
    {"png", PictureFormat::Png},   {"gif", PictureFormat::Gif}, {"jpg", PictureFormat::Jpeg},
    {"jpeg", PictureFormat::Jpeg}, {"emf", PictureFormat::Emf}, {"svg", PictureFormat::Svg},
};

}  // namespace

std::optional<PictureFormat> pictureFormatOf(std::string_view fileName) {
    std::string_view name = fileName.substr(fileName.find_last_of('/') + 1);
    std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos) {
        return std::nullopt;
    }
    std::string extension(name.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const Extension& known : EXTENSIONS) {
        if (known.text == extension) {
            return known.format;
        }
    }
    return std::nullopt;
}

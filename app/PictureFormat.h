#pragma once

#include <optional>
#include <string_view>

// The file formats a map picture can be written in.
enum class PictureFormat { Png, Gif, Jpeg, Emf, Svg };

// The format a file name's extension asks for, in any case (".jpeg" as well as ".jpg"); none
// for another extension or none at all.
std::optional<PictureFormat> pictureFormatOf(std::string_view fileName);

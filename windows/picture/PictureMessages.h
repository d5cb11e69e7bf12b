#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Every text that picture loading and decoding can put in front of the user.

std::string CannotOpenFileMessage(std::string_view path);           // "Cannot open file %s"
std::string JpegErrorMessage(int code);                             // "JPEG error #%d"
std::string UnknownExtensionMessage(std::string_view extension);    // "Unknown picture file extension (.%s)"

// Not among the classic texts: they guard against files crafted to exhaust
// memory or time. `source` is the path, or empty for stored artwork.
std::string PictureTooLargeMessage(std::int64_t width, std::int64_t height, std::string_view source);
std::string TooManyScansMessage(int limit, std::string_view source);
std::string UnsupportedPictureTypeMessage(std::string_view extension, std::string_view source);
std::string InvalidBitmapMessage(std::string_view source);

#include "PictureMessages.h"

namespace {

std::string InSource(std::string text, std::string_view source)
{
    if (!source.empty()) {
        text += " in ";
        text += source;
    }
    return text;
}

} // namespace

std::string CannotOpenFileMessage(std::string_view path)
{
    return "Cannot open file " + std::string(path);
}

std::string JpegErrorMessage(int code)
{
    return "JPEG error #" + std::to_string(code);
}

std::string UnknownExtensionMessage(std::string_view extension)
{
    return "Unknown picture file extension (." + std::string(extension) + ")";
}

std::string PictureTooLargeMessage(std::int64_t width, std::int64_t height, std::string_view source)
{
    return InSource("Picture too large (" + std::to_string(width) + " x " + std::to_string(height) + " pixels)",
                    source);
}

std::string TooManyScansMessage(int limit, std::string_view source)
{
    return InSource("Too many scans (more than " + std::to_string(limit) + ")", source);
}

std::string UnsupportedPictureTypeMessage(std::string_view extension, std::string_view source)
{
    return InSource("Unsupported picture type (." + std::string(extension) + ")", source);
}

std::string InvalidBitmapMessage(std::string_view source)
{
    return InSource("Bitmap image is not valid", source);
}

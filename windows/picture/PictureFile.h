#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "JpegDecoder.h"

class QImage;

// The picture types chosen by a file name's extension.
enum class PictureType {
    Bitmap,   ///< "bmp"
    Icon,     ///< "ico": registered, but no decoder; loading one fails
    Metafile, ///< "wmf", "emf": registered, but no decoder; loading one fails
    Jpeg,     ///< "jpg", "jpeg"
};

// A loaded picture, immutable once made: the control that shows it keeps the
// decoded pixels itself, so one Picture may be shared between controls.
class Picture {
public:
    // A JPEG from its whole compressed content; reads the header now (empty
    // data gives 0 x 0). `source` names the picture in messages (a path, or
    // empty for artwork stored with a window). Throws SorvitaError.
    static std::shared_ptr<const Picture> FromJpegData(std::vector<std::uint8_t> data,
                                                       std::string source = {});
    // A bitmap from decoded pixels (any QImage format; kept as Format_RGB32).
    static std::shared_ptr<const Picture> FromBitmap(const QImage& image, std::string source = {});
    // A bitmap from the bytes of a BMP file. Throws SorvitaError.
    static std::shared_ptr<const Picture> FromBitmapData(const std::vector<std::uint8_t>& data,
                                                         std::string source = {});

    ~Picture();

    PictureType Type() const { return type_; }
    int Width() const;
    int Height() const;
    const std::string& Source() const { return source_; }

    // JPEG only: the header as read at load, and the compressed content.
    const JpegHeader& Header() const { return header_; }
    const std::vector<std::uint8_t>& JpegData() const { return data_; }

    // Bitmap only: the pixels, Format_RGB32. A null image for other types.
    const QImage& Bitmap() const;

private:
    Picture();

    PictureType type_ = PictureType::Jpeg;
    std::string source_;
    JpegHeader header_;
    std::vector<std::uint8_t> data_;
    std::unique_ptr<QImage> bitmap_;
};

// Throws SorvitaError with PictureTooLargeMessage when width x height exceeds
// MaxPicturePixels.
void CheckPictureSize(int width, int height, const std::string& source);

// The extension after the last "." of a path, without the dot; empty when the
// file name has no dot.
std::string PictureExtension(std::string_view path);

// The registered type for an extension, compared without regard to case.
// Throws SorvitaError "Unknown picture file extension (.%s)" otherwise.
PictureType PictureTypeForExtension(std::string_view extension);

// Loads a picture file: type by extension (the file untouched when unknown),
// the file read whole (read-only) and closed, then for a JPEG its header read
// and the pixel limit applied. Throws SorvitaError with the user's message:
// "Unknown picture file extension (.%s)", "Cannot open file %s" (path as
// passed), "JPEG error #%d", or the limit and unsupported-type messages of
// PictureMessages.h.
std::shared_ptr<const Picture> LoadPictureFile(const std::string& path);

// Reads a whole file into memory, read-only. Throws SorvitaError
// "Cannot open file %s" on any failure, a folder included.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

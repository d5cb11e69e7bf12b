#include "PictureFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include "PictureMessages.h"
#include "SorvitaError.h"

namespace {

struct ExtensionType {
    std::string_view extension;
    PictureType type;
};

constexpr std::array<ExtensionType, 6> RegisteredTypes{{
    {"bmp", PictureType::Bitmap},
    {"ico", PictureType::Icon},
    {"wmf", PictureType::Metafile},
    {"emf", PictureType::Metafile},
    {"jpg", PictureType::Jpeg},
    {"jpeg", PictureType::Jpeg},
}};

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

} // namespace

Picture::Picture() = default;
Picture::~Picture() = default;

int Picture::Width() const
{
    return type_ == PictureType::Bitmap ? bitmap_->width() : header_.width;
}

int Picture::Height() const
{
    return type_ == PictureType::Bitmap ? bitmap_->height() : header_.height;
}

const QImage& Picture::Bitmap() const
{
    static const QImage none;
    return bitmap_ ? *bitmap_ : none;
}

std::shared_ptr<const Picture> Picture::FromJpegData(std::vector<std::uint8_t> data, std::string source)
{
    JpegHeader header;
    if (!data.empty()) {
        header = ReadJpegHeader(data.data(), data.size());
        CheckPictureSize(header.width, header.height, source);
    }
    std::shared_ptr<Picture> picture(new Picture);
    picture->type_ = PictureType::Jpeg;
    picture->source_ = std::move(source);
    picture->header_ = header;
    picture->data_ = std::move(data);
    return picture;
}

std::shared_ptr<const Picture> Picture::FromBitmap(const QImage& image, std::string source)
{
    std::shared_ptr<Picture> picture(new Picture);
    picture->type_ = PictureType::Bitmap;
    picture->source_ = std::move(source);
    picture->bitmap_ = std::make_unique<QImage>(image.format() == QImage::Format_RGB32
                                                    ? image
                                                    : image.convertToFormat(QImage::Format_RGB32));
    return picture;
}

std::shared_ptr<const Picture> Picture::FromBitmapData(const std::vector<std::uint8_t>& data, std::string source)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data.data()),
                                               static_cast<qsizetype>(data.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    const QSize size = reader.size();
    if (!size.isValid())
        throw SorvitaError(InvalidBitmapMessage(source));
    CheckPictureSize(size.width(), size.height(), source);
    QImage image;
    if (!reader.read(&image))
        throw SorvitaError(InvalidBitmapMessage(source));
    return FromBitmap(image, std::move(source));
}

void CheckPictureSize(int width, int height, const std::string& source)
{
    if (static_cast<std::int64_t>(width) * static_cast<std::int64_t>(height) > MaxPicturePixels)
        throw SorvitaError(PictureTooLargeMessage(width, height, source));
}

std::string PictureExtension(std::string_view path)
{
    const auto nameStart = path.rfind('/');
    const std::string_view name = nameStart == std::string_view::npos ? path : path.substr(nameStart + 1);
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

PictureType PictureTypeForExtension(std::string_view extension)
{
    for (const ExtensionType& entry : RegisteredTypes) {
        if (EqualsIgnoringCase(entry.extension, extension))
            return entry.type;
    }
    throw SorvitaError(UnknownExtensionMessage(extension));
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path)
{
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode))
        throw SorvitaError(CannotOpenFileMessage(path));

    // Sized by fstat; a file that grew since then is read on to its end.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    std::array<std::uint8_t, 16384> extra;
    for (;;) {
        const bool intoBytes = filled < bytes.size();
        std::uint8_t* target = intoBytes ? bytes.data() + filled : extra.data();
        const std::size_t room = intoBytes ? bytes.size() - filled : extra.size();
        const ssize_t got = ::read(file.Get(), target, room);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw SorvitaError(CannotOpenFileMessage(path));
        }
        if (got == 0)
            break;
        if (!intoBytes)
            bytes.insert(bytes.end(), extra.begin(), extra.begin() + got);
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

std::shared_ptr<const Picture> LoadPictureFile(const std::string& path)
{
    const std::string extension = PictureExtension(path);
    const PictureType type = PictureTypeForExtension(extension);
    std::vector<std::uint8_t> bytes = ReadWholeFile(path);

    switch (type) {
    case PictureType::Jpeg:
        return Picture::FromJpegData(std::move(bytes), path);
    case PictureType::Bitmap:
        return Picture::FromBitmapData(bytes, path);
    case PictureType::Icon:
    case PictureType::Metafile:
        break;
    }
    throw SorvitaError(UnsupportedPictureTypeMessage(extension, path));
}

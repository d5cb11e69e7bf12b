#include "PictureImport.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <stdexcept>

#include <QImage>
#include <QImageReader>
#include <QString>
#include <QTransform>

#include "DemoPictures.h"
#include "JpegDecoder.h"
#include "JpegWriter.h"
#include "PictureDrawRect.h"
#include "PictureFile.h"
#include "PictureMessages.h"
#include "PictureSet.h"
#include "SorvitaError.h"

namespace fs = std::filesystem;

namespace {

// Written a little above the demo's quality: these are photographs, and small.
constexpr int PhotoQuality = 90;

QString Fold(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString plain;
    plain.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c;
    }
    plain.replace(QLatin1Char('_'), QLatin1Char(' '));
    return plain.toCaseFolded().simplified();
}

QString FromPath(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

int SeedByNumberOrName(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool number = false;
    const int seed = trimmed.toInt(&number);
    if (number)
        return seed >= 0 && seed < SeedCount && !trimmed.startsWith(QLatin1Char('+')) ? seed : -1;
    return SeedByName(trimmed);
}

int ViewDigit(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() != 1 || trimmed[0] < QLatin1Char('0') || trimmed[0] > QLatin1Char('3'))
        return -1;
    return trimmed[0].digitValue();
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

bool IsJpegName(const fs::path& file)
{
    const std::string ext = Lower(file.extension().string());
    return ext == ".jpg" || ext == ".jpeg";
}

bool IsReadableName(const fs::path& file)
{
    const std::string ext = Lower(file.extension().string());
    return IsJpegName(file) || ext == ".png" || ext == ".bmp";
}

bool QuizShows(const PhotoSlot& slot)
{
    const auto seed = static_cast<std::size_t>(slot.seed);
    if (slot.view <= 1)
        return HasViews01[seed] == 1;
    if (slot.view == 2)
        return HasView2[seed] == 1;
    return true;
}

int ExifOrientation(const std::uint8_t* tiff, std::size_t size)
{
    if (size < 8)
        return 1;
    const bool little = tiff[0] == 'I' && tiff[1] == 'I';
    const bool big = tiff[0] == 'M' && tiff[1] == 'M';
    if (!little && !big)
        return 1;
    const auto u16 = [&](std::size_t at) -> unsigned {
        return little ? tiff[at] | (tiff[at + 1] << 8) : (tiff[at] << 8) | tiff[at + 1];
    };
    const auto u32 = [&](std::size_t at) -> std::size_t {
        return little ? u16(at) | (std::size_t{u16(at + 2)} << 16) : (std::size_t{u16(at)} << 16) | u16(at + 2);
    };
    const std::size_t ifd = u32(4);
    if (ifd + 2 > size)
        return 1;
    const unsigned count = u16(ifd);
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t entry = ifd + 2 + 12 * std::size_t{i};
        if (entry + 12 > size)
            return 1;
        if (u16(entry) == 0x0112 && u16(entry + 2) == 3) {
            const unsigned value = u16(entry + 8);
            return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
        }
    }
    return 1;
}

struct Photo {
    QImage image;
    std::string error;
};

Photo ReadPhoto(const fs::path& file)
{
    const std::string path = file.string();
    if (IsJpegName(file)) {
        std::vector<std::uint8_t> bytes;
        try {
            bytes = ReadWholeFile(path);
        } catch (const SorvitaError& e) {
            return {{}, e.what()};
        }
        const auto unreadable = [](const std::string& message) {
            return Photo{{}, message + " (not a JPEG the program can read, or damaged)"};
        };
        JpegHeader header;
        try {
            header = ReadJpegHeader(bytes.data(), bytes.size());
        } catch (const SorvitaError& e) {
            return unreadable(e.what());
        }
        // Decoded straight into the picture that gets scaled and written.
        QImage image;
        if (std::int64_t{header.width} * header.height <= MaxPicturePixels)
            image = QImage(header.width, header.height, QImage::Format_RGB888);
        if (image.isNull())
            return {{}, PictureTooLargeMessage(header.width, header.height, path)};
        const JpegDecodeStatus status =
            DecodeJpegInto(bytes.data(), bytes.size(), image.bits(), image.bytesPerLine(), JpegPixelFormat::Rgb888);
        if (status.errorCode != 0)
            return unreadable(JpegErrorMessage(status.errorCode));
        if (!status.Complete())
            return {{}, TooManyScansMessage(MaxJpegScans, path)};
        return {Upright(image, JpegOrientation(bytes)), {}};
    }
    QImageReader reader(FromPath(file));
    const QSize size = reader.size();
    if (size.isValid() && std::int64_t{size.width()} * size.height() > MaxPicturePixels)
        return {{}, PictureTooLargeMessage(size.width(), size.height(), path)};
    QImage image;
    if (!reader.read(&image))
        return {{}, "cannot read it: " + reader.errorString().toStdString()};
    return {image, {}};
}

} // namespace

int SeedByName(const QString& name)
{
    const QString folded = Fold(name);
    for (int seed = 0; seed < SeedCount; ++seed) {
        const std::string_view catalogue = SeedNames[static_cast<std::size_t>(seed)];
        if (Fold(QString::fromUtf8(catalogue.data(), static_cast<qsizetype>(catalogue.size()))) == folded)
            return seed;
    }
    return -1;
}

std::optional<PhotoSlot> ParsePhotoName(const fs::path& relative)
{
    std::vector<fs::path> parts(relative.begin(), relative.end());
    const QString stem = FromPath(relative.stem());
    if (parts.size() == 2) {
        const int view = ViewDigit(FromPath(parts[0]));
        const int seed = SeedByNumberOrName(stem);
        if (view >= 0 && seed >= 0)
            return PhotoSlot{seed, view};
        return std::nullopt;
    }
    if (parts.size() == 1) {
        const auto dash = stem.lastIndexOf(QLatin1Char('-'));
        if (dash < 0)
            return std::nullopt;
        const int view = ViewDigit(stem.mid(dash + 1));
        const int seed = SeedByNumberOrName(stem.left(dash));
        if (view >= 0 && seed >= 0)
            return PhotoSlot{seed, view};
    }
    return std::nullopt;
}

int JpegOrientation(const std::vector<std::uint8_t>& jpeg)
{
    const std::size_t size = jpeg.size();
    if (size < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8)
        return 1;
    std::size_t at = 2;
    while (at + 4 <= size) {
        if (jpeg[at] != 0xFF)
            return 1;
        const std::uint8_t marker = jpeg[at + 1];
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) // image data follows: no more headers
            return 1;
        const std::size_t length = (std::size_t{jpeg[at + 2]} << 8) | jpeg[at + 3];
        if (length < 2 || at + 2 + length > size)
            return 1;
        static constexpr char Exif[] = "Exif\0";
        if (marker == 0xE1 && length >= 8 && std::memcmp(&jpeg[at + 4], Exif, 6) == 0)
            return ExifOrientation(&jpeg[at + 10], length - 8);
        at += 2 + length;
    }
    return 1;
}

QImage Upright(const QImage& image, int orientation)
{
    const auto turned = [&image](double degrees) { return image.transformed(QTransform().rotate(degrees)); };
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return turned(180);
    case 4:
        return image.mirrored(false, true);
    case 5:
        return turned(90).mirrored(true, false);
    case 6:
        return turned(90);
    case 7:
        return turned(270).mirrored(true, false);
    case 8:
        return turned(270);
    default:
        return image;
    }
}

ImportReport ImportPictureFolder(const fs::path& source, const fs::path& folder,
                                 const std::function<void(const std::string& line)>& log)
{
    std::error_code error;
    if (!fs::is_directory(source, error))
        throw std::runtime_error("no photograph folder " + source.string());
    if (fs::exists(folder, error) && fs::equivalent(source, folder, error))
        throw std::runtime_error("the photograph folder and the picture folder must be different folders");
    const fs::path folderInSource = fs::weakly_canonical(folder, error);

    ImportReport report;
    std::vector<fs::path> files;
    for (auto it = fs::recursive_directory_iterator(source, fs::directory_options::skip_permission_denied, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_directory(error)) {
            if (fs::weakly_canonical(it->path(), error) == folderInSource)
                it.disable_recursion_pending();
            continue;
        }
        files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());

    std::map<std::pair<int, int>, std::vector<fs::path>> found;
    for (const fs::path& file : files) {
        const fs::path relative = file.lexically_relative(source);
        const std::optional<PhotoSlot> slot = ParsePhotoName(relative);
        if (!slot) {
            report.warnings.push_back({file.string(), "not used: the name does not follow the naming rule"});
            continue;
        }
        if (!IsReadableName(file)) {
            report.errors.push_back({file.string(), "not used: only JPEG, PNG and BMP photographs are read"});
            continue;
        }
        if (!QuizShows(*slot)) {
            report.warnings.push_back({file.string(), "not used: the quiz never shows view " + std::to_string(slot->view) +
                                                          " of " + SeedLabel(slot->seed)});
            continue;
        }
        found[{slot->seed, slot->view}].push_back(file);
    }

    for (int view = 0; view < ViewCount; ++view) {
        fs::create_directories(folder / std::to_string(view), error);
        if (error)
            throw std::runtime_error("cannot create folder " + (folder / std::to_string(view)).string() + ": " +
                                     error.message());
    }

    std::map<PlaceholderKind, std::vector<std::uint8_t>> placeholders;
    const auto placeholder = [&placeholders](PlaceholderKind kind) -> const std::vector<std::uint8_t>& {
        auto it = placeholders.find(kind);
        if (it == placeholders.end())
            it = placeholders.emplace(kind, EncodeImageJpeg(DrawPlaceholder(kind))).first;
        return it->second;
    };
    const auto placeholderFor = [](int view) {
        return view <= 1 ? PlaceholderKind::Views01 : view == 2 ? PlaceholderKind::View2 : PlaceholderKind::View3;
    };

    std::map<int, std::vector<int>> lacking;
    for (const ExpectedPicture& picture : ExpectedPictures()) {
        const std::string target = (folder / picture.path).string();
        if (picture.seed < 0) {
            WriteFileBytes(target, placeholder(placeholderFor(picture.view)));
            ++report.written;
            continue;
        }
        bool done = false;
        const auto candidates = found.find({picture.seed, picture.view});
        if (candidates != found.end() && candidates->second.size() > 1) {
            std::string names;
            for (const fs::path& file : candidates->second)
                names += (names.empty() ? "" : ", ") + file.filename().string();
            for (const fs::path& file : candidates->second)
                report.errors.push_back({file.string(), "not used: more than one photograph for view " +
                                                            std::to_string(picture.view) + " of " +
                                                            SeedLabel(picture.seed) + " (" + names + ")"});
        } else if (candidates != found.end()) {
            const fs::path& file = candidates->second.front();
            const Photo photo = ReadPhoto(file);
            if (!photo.error.empty()) {
                report.errors.push_back({file.string(), "not used: " + photo.error});
            } else {
                const SlotBox box = SlotBoxes[static_cast<std::size_t>(picture.view)];
                const QImage& image = photo.image;
                const PictureRect fit = PictureDrawRect(image.width(), image.height(), box.width, box.height, false,
                                                        true, false);
                const bool shrink = fit.width != image.width() || fit.height != image.height();
                const QImage scaled = shrink ? image.scaled(fit.width, fit.height, Qt::IgnoreAspectRatio,
                                                            Qt::SmoothTransformation)
                                             : image;
                WriteFileBytes(target, EncodeImageJpeg(scaled, PhotoQuality));
                ++report.photos;
                done = true;
                if (log) {
                    std::string line = picture.path + " <- " + file.lexically_relative(source).string() + " (" +
                                       std::to_string(image.width()) + " x " + std::to_string(image.height());
                    if (shrink)
                        line += ", shrunk to " + std::to_string(fit.width) + " x " + std::to_string(fit.height);
                    log(line + ")");
                }
            }
        }
        if (!done) {
            WriteFileBytes(target, placeholder(placeholderFor(picture.view)));
            lacking[picture.seed].push_back(picture.view);
        }
        ++report.written;
    }
    for (auto& [seed, views] : lacking)
        report.lacking.emplace_back(seed, views);
    return report;
}

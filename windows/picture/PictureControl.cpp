#include "PictureControl.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#ifdef __linux__
#include <sys/mman.h>
#endif

#include <QByteArray>
#include <QPaintEvent>
#include <QPainter>
#include <QSysInfo>

#include "ErrorReport.h"
#include "JpegDecoder.h"
#include "PictureFile.h"
#include "PictureMessages.h"
#include "SorvitaError.h"

namespace {

// Format_RGB32 is 0xffRRGGBB in native byte order.
constexpr JpegPixelFormat NativeRgb32 =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JpegPixelFormat::Bgrx8888 : JpegPixelFormat::Xrgb8888;

#ifdef __linux__
void FreePixels(void* pixels)
{
    std::free(pixels);
}
#endif

// A Format_RGB32 image for a full-size decode. Large ones go in memory backed
// by transparent huge pages where the kernel offers them: faulting in a 12
// megapixel image page by page costs about three times its decode.
QImage AllocateRgb32(int width, int height)
{
#ifdef __linux__
    constexpr std::size_t HugePage = std::size_t{2} << 20;
    const std::size_t stride = static_cast<std::size_t>(width) * 4;
    const std::size_t bytes = stride * static_cast<std::size_t>(height);
    if (bytes >= 2 * HugePage) {
        const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
        if (void* pixels = std::aligned_alloc(HugePage, rounded)) {
            ::madvise(pixels, rounded, MADV_HUGEPAGE); // advice only: without it the pages are ordinary
            return QImage(static_cast<uchar*>(pixels), width, height, static_cast<qsizetype>(stride),
                          QImage::Format_RGB32, FreePixels, pixels);
        }
        return {};
    }
#endif
    return QImage(width, height, QImage::Format_RGB32);
}

std::vector<std::uint8_t> ToBytes(const QByteArray& data)
{
    return {reinterpret_cast<const std::uint8_t*>(data.constData()),
            reinterpret_cast<const std::uint8_t*>(data.constData()) + data.size()};
}

} // namespace

DisplayImage DecodeForDisplay(const Picture& picture, QImage reuse)
{
    DisplayImage result;
    if (picture.Type() == PictureType::Bitmap) {
        result.image = picture.Bitmap();
        return result;
    }
    if (picture.Type() != PictureType::Jpeg)
        return result;

    const JpegHeader& header = picture.Header();
    const std::vector<std::uint8_t>& data = picture.JpegData();
    if (header.width > 0 && header.height > 0) {
        // Fresh memory is paid for in page faults, about as much again as the
        // decode of a large photograph: successive seeds' photographs
        // usually share a size, so the previous buffer is worth keeping.
        if (reuse.width() == header.width && reuse.height() == header.height &&
            reuse.format() == QImage::Format_RGB32 && reuse.isDetached())
            result.image = std::move(reuse);
        else
            result.image = AllocateRgb32(header.width, header.height);
        if (result.image.isNull()) {
            result.error = PictureTooLargeMessage(header.width, header.height, picture.Source());
            return result;
        }
    }
    // An empty picture still goes through the decoder, which rejects it with
    // its own error number.
    const JpegDecodeStatus status =
        DecodeJpegInto(data.data(), data.size(), result.image.bits(), result.image.bytesPerLine(), NativeRgb32);
    if (status.Complete())
        return result;

    result.error = status.scanLimitHit ? TooManyScansMessage(MaxJpegScans, picture.Source())
                                       : JpegErrorMessage(status.errorCode);
    if (status.rowsDecoded <= 0) {
        result.image = QImage();
    } else if (status.rowsDecoded < result.image.height()) {
        result.image.convertTo(QImage::Format_ARGB32_Premultiplied);
        for (int y = status.rowsDecoded; y < result.image.height(); ++y)
            std::fill_n(reinterpret_cast<QRgb*>(result.image.scanLine(y)), result.image.width(), QRgb(0));
    }
    return result;
}

QImage ScaleNearest(const QImage& source, int width, int height)
{
    if (source.isNull() || width <= 0 || height <= 0)
        return {};
    const QImage input = source.depth() == 32 ? source : source.convertToFormat(QImage::Format_RGB32);
    QImage output(width, height, input.format());
    if (output.isNull())
        return {};

    const std::int64_t sw = input.width();
    const std::int64_t sh = input.height();
    std::vector<int> columns(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
        columns[static_cast<std::size_t>(x)] = static_cast<int>((2 * std::int64_t{x} + 1) * sw / (2 * std::int64_t{width}));

    int previousRow = -1;
    for (int y = 0; y < height; ++y) {
        const int row = static_cast<int>((2 * std::int64_t{y} + 1) * sh / (2 * std::int64_t{height}));
        auto* out = reinterpret_cast<QRgb*>(output.scanLine(y));
        if (row == previousRow) {
            std::copy_n(reinterpret_cast<const QRgb*>(output.constScanLine(y - 1)), width, out);
            continue;
        }
        const auto* in = reinterpret_cast<const QRgb*>(input.constScanLine(row));
        for (int x = 0; x < width; ++x)
            out[x] = in[columns[static_cast<std::size_t>(x)]];
        previousRow = row;
    }
    return output;
}

PictureControl::PictureControl(QWidget* parent) : QWidget(parent)
{
    // Left transparent on purpose: outside its picture's rectangle a control
    // shows the window and the controls beneath it.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

PictureControl::~PictureControl() = default;

void PictureControl::SetStretch(bool on)
{
    if (stretch_ != on) {
        stretch_ = on;
        update();
    }
}

void PictureControl::SetProportional(bool on)
{
    if (proportional_ != on) {
        proportional_ = on;
        update();
    }
}

void PictureControl::SetCenter(bool on)
{
    if (center_ != on) {
        center_ = on;
        update();
    }
}

void PictureControl::LoadFromFile(const std::string& path)
{
    Replace(LoadPictureFile(path));
}

void PictureControl::SetJpegData(const QByteArray& data)
{
    Replace(Picture::FromJpegData(ToBytes(data)));
}

void PictureControl::SetJpegData(std::vector<std::uint8_t> data)
{
    Replace(Picture::FromJpegData(std::move(data)));
}

void PictureControl::SetBitmap(const QImage& image)
{
    Replace(Picture::FromBitmap(image));
}

void PictureControl::SetBitmapData(const QByteArray& bmpFileBytes)
{
    Replace(Picture::FromBitmapData(ToBytes(bmpFileBytes)));
}

void PictureControl::SetPicture(std::shared_ptr<const Picture> picture)
{
    Replace(std::move(picture));
}

void PictureControl::ClearPicture()
{
    Replace(nullptr);
}

bool PictureControl::HasPicture() const
{
    return picture_ != nullptr;
}

int PictureControl::PictureWidth() const
{
    return picture_ ? picture_->Width() : 0;
}

int PictureControl::PictureHeight() const
{
    return picture_ ? picture_->Height() : 0;
}

PictureRect PictureControl::DrawRect() const
{
    return PictureDrawRect(PictureWidth(), PictureHeight(), width(), height(), stretch_, proportional_, center_);
}

void PictureControl::Replace(std::shared_ptr<const Picture> picture)
{
    const bool nextIsJpeg = picture && picture->Type() == PictureType::Jpeg;
    if (!nextIsJpeg)
        spare_ = QImage();
    else if (state_ != PictureState::Empty && picture_->Type() == PictureType::Jpeg && !decoded_.isNull())
        spare_ = std::move(decoded_);
    picture_ = std::move(picture);
    decoded_ = QImage();
    scaled_ = QImage();
    if (!picture_) {
        state_ = PictureState::Empty;
    } else if (picture_->Type() == PictureType::Jpeg) {
        state_ = PictureState::HeaderRead;
    } else {
        decoded_ = picture_->Bitmap();
        state_ = PictureState::Decoded;
    }
    update();
}

void PictureControl::DecodeOnce()
{
    ++decodeCount_;
    DisplayImage display = DecodeForDisplay(*picture_, std::move(spare_));
    spare_ = QImage();
    decoded_ = std::move(display.image);
    if (display.error.empty()) {
        state_ = PictureState::Decoded;
        return;
    }
    state_ = PictureState::Failed;
    // This paint ends here; the rows decoded before the error show from the next.
    if (!decoded_.isNull())
        update();
    throw SorvitaError(display.error);
}

const QImage& PictureControl::ImageFor(const PictureRect& rect)
{
    if (rect.width == decoded_.width() && rect.height == decoded_.height())
        return decoded_;
    if (scaled_.isNull() || scaled_.width() != rect.width || scaled_.height() != rect.height) {
        scaled_ = ScaleNearest(decoded_, rect.width, rect.height);
        ++scaleCount_;
    }
    return scaled_;
}

void PictureControl::paintEvent(QPaintEvent*)
{
    GuardedPaint([this] {
        if (state_ == PictureState::HeaderRead)
            DecodeOnce();
        if (decoded_.isNull())
            return;
        const PictureRect rect = DrawRect();
        if (rect.width <= 0 || rect.height <= 0)
            return;
        const QImage& image = ImageFor(rect);
        QPainter painter(this);
        painter.drawImage(QPoint(rect.left, rect.top), image);
    });
}

#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QImage>
#include <QWidget>

#include "PictureDrawRect.h"

class Picture;
class QByteArray;

// What a control's picture has gone through.
enum class PictureState {
    Empty,      ///< no picture: draws nothing
    HeaderRead, ///< a JPEG whose header is known; decoded at its first draw
    Decoded,    ///< pixels ready (a bitmap is decoded from the start)
    Failed,     ///< decoding failed once and was reported; draws the rows decoded before the error
};

// A picture control: draws its picture into PictureDrawRect and nothing else,
// so the rest of its box shows whatever lies beneath, earlier siblings included.
class PictureControl : public QWidget {
    Q_OBJECT

public:
    explicit PictureControl(QWidget* parent = nullptr);
    ~PictureControl() override;

    void SetStretch(bool on);
    void SetProportional(bool on);
    void SetCenter(bool on);
    bool Stretch() const { return stretch_; }
    bool Proportional() const { return proportional_; }
    bool Center() const { return center_; }

    // Loads a picture file (see LoadPictureFile). Throws SorvitaError and then
    // keeps the picture it had.
    void LoadFromFile(const std::string& path);

    // Artwork stored with a window: no file steps. A JPEG's header is read now
    // (throws SorvitaError like a load) and it is decoded at its first draw.
    void SetJpegData(const QByteArray& data);
    void SetJpegData(std::vector<std::uint8_t> data);
    void SetBitmap(const QImage& image);
    void SetBitmapData(const QByteArray& bmpFileBytes); ///< throws SorvitaError
    void SetPicture(std::shared_ptr<const Picture> picture); ///< nullptr empties the control
    void ClearPicture();

    bool HasPicture() const;
    int PictureWidth() const;
    int PictureHeight() const;
    std::shared_ptr<const Picture> CurrentPicture() const { return picture_; }
    PictureState State() const { return state_; }

    // Where the picture goes now, by the control's size and flags.
    PictureRect DrawRect() const;

    // Counters for tests and benchmarks, over the control's lifetime.
    int DecodeCount() const { return decodeCount_; }
    int ScaleCount() const { return scaleCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Replace(std::shared_ptr<const Picture> picture);
    void DecodeOnce(); // throws SorvitaError once, when decoding fails
    const QImage& ImageFor(const PictureRect& rect);

    bool stretch_ = false;
    bool proportional_ = false;
    bool center_ = false;

    std::shared_ptr<const Picture> picture_;
    PictureState state_ = PictureState::Empty;
    QImage decoded_; ///< full size; for a bitmap, shares the picture's pixels
    QImage scaled_;  ///< decoded_ scaled to the last target size, when that differs
    QImage spare_;   ///< the previous JPEG's pixels, decoded into again when the size matches
    int decodeCount_ = 0;
    int scaleCount_ = 0;
};

// A picture's pixels as a control draws them: full size, Format_RGB32. After a
// decoding error the rows decoded before it stay and the rest are transparent
// (Format_ARGB32_Premultiplied); with no row decoded the image is null.
// `error` holds the user's message, empty when decoding completed. `reuse`,
// when it has the picture's size and format and shares its pixels with no one,
// is decoded into instead of fresh memory.
struct DisplayImage {
    QImage image;
    std::string error;
};
DisplayImage DecodeForDisplay(const Picture& picture, QImage reuse = QImage());

// Scales by dropping or repeating pixels: output pixel (x, y) takes source
// pixel ((2x + 1) * w / (2 * W), (2y + 1) * h / (2 * H)), the one nearest its
// centre. Keeps the source's format; alpha is copied like any channel.
QImage ScaleNearest(const QImage& source, int width, int height);

#include "DemoPictures.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "DemoRandom.h"
#include "JpegWriter.h"
#include "PictureSet.h"
#include "SeedLooks.h"
#include "SeedPainter.h"

namespace {

// Random streams of one picture, kept apart so that changing one part of a
// picture leaves the others as they were.
enum Stream : std::uint64_t { BackdropStream = 1, LayoutStream = 2, SeedStream = 3 };

int Clamp255(double v)
{
    return std::clamp(static_cast<int>(v + 0.5), 0, 255);
}

// A flat colour with per-pixel grain and, optionally, woven threads.
void FillTexture(QImage& image, double r, double g, double b, double grain, double weave, DemoRandom& random)
{
    const int w = image.width();
    const int h = image.height();
    std::vector<double> rowShade(static_cast<std::size_t>(h));
    std::vector<double> colShade(static_cast<std::size_t>(w));
    for (double& s : rowShade)
        s = random.Spread(weave);
    for (double& s : colShade)
        s = random.Spread(weave);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            double d = random.Spread(grain) + rowShade[static_cast<std::size_t>(y)] +
                       colShade[static_cast<std::size_t>(x)];
            if (weave > 0)
                d += ((x + y / 3) % 3 == 0 ? -weave : 0.0) + ((y + x / 3) % 3 == 0 ? -0.8 * weave : 0.0);
            line[x] = qRgb(Clamp255(r + d), Clamp255(g + d), Clamp255(b + d));
        }
    }
}

QImage Backdrop(int view, int width, int height, DemoRandom& random)
{
    QImage image(width, height, QImage::Format_RGB32);
    const double tone = random.Spread(6);
    switch (view) {
    case 0: // paper
        FillTexture(image, 236 + tone, 231 + tone, 219 + tone, 3.0, 0, random);
        break;
    case 1: // grey card
        FillTexture(image, 178 + tone, 180 + tone, 178 + tone, 2.0, 0, random);
        break;
    case 2: // light card
        FillTexture(image, 224 + tone, 226 + tone, 228 + tone, 2.0, 0, random);
        break;
    default: // linen
        FillTexture(image, 206 + tone, 194 + tone, 172 + tone, 3.0, 4.0, random);
        break;
    }
    // Uneven light over the card: brighter toward the upper left.
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient light(QPointF(width * random.Range(0.15, 0.4), height * random.Range(0.1, 0.35)),
                          std::max(width, height) * 1.1);
    light.setColorAt(0, QColor(255, 255, 255, 28));
    light.setColorAt(0.6, QColor(255, 255, 255, 0));
    light.setColorAt(1, QColor(0, 0, 0, 40));
    p.fillRect(image.rect(), light);
    return image;
}

struct Spot {
    double x;
    double y;
    double r;
};

bool Clear(const std::vector<Spot>& spots, const Spot& s, double overlap)
{
    return std::all_of(spots.begin(), spots.end(), [&](const Spot& o) {
        return std::hypot(o.x - s.x, o.y - s.y) >= overlap * (o.r + s.r);
    });
}

SeedPose RandomPose(const SeedLook& look, double x, double y, double pxPerMm, DemoRandom& random)
{
    SeedPose pose;
    pose.x = x;
    pose.y = y;
    pose.angle = random.Range(0, 360);
    pose.pxPerMm = pxPerMm;
    pose.flip = random.Chance(0.5);
    if (look.maxTilt > 0 && random.Chance(look.maxTilt))
        pose.tilt = random.Range(0.35, 0.8);
    return pose;
}

double SeedArea(const SeedLook& look, double pxPerMm)
{
    return 0.8 * look.length * look.width * pxPerMm * pxPerMm;
}

int CountFor(double area, double fill, const SeedLook& look, double pxPerMm, int lo, int hi)
{
    return std::clamp(static_cast<int>(std::lround(fill * area / SeedArea(look, pxPerMm))), lo, hi);
}

// View 0: several seeds close up.
void LayCloseUp(QPainter& p, const SeedLook& look, int w, int h, DemoRandom& layout, DemoRandom& seeds)
{
    const double s = 58.0 / std::max(look.length, look.width) * layout.Range(0.9, 1.1);
    const double r = SeedRadius(look, s);
    const int count = CountFor(double(w) * h, 0.3, look, s, 4, 12);
    std::vector<Spot> spots;
    for (int tries = 0; tries < 600 && static_cast<int>(spots.size()) < count; ++tries) {
        // The first seeds go where the view 1 slot leaves this one uncovered.
        const double right = spots.size() < 3 ? 150.0 : w + 0.2 * r;
        const Spot spot{layout.Range(-0.2 * r, right), layout.Range(-0.2 * r, h + 0.2 * r), r};
        if (Clear(spots, spot, 0.85))
            spots.push_back(spot);
    }
    for (const Spot& spot : spots)
        PaintSeed(p, look, RandomPose(look, spot.x, spot.y, s, layout), seeds);
}

// View 1: one seed, large.
void LayPortrait(QPainter& p, const SeedLook& look, int w, int h, DemoRandom& layout, DemoRandom& seeds)
{
    const double s = 170.0 / std::max(look.length, look.width) * layout.Range(0.94, 1.04);
    SeedPose pose;
    pose.x = w / 2.0 + layout.Spread(6);
    pose.y = h / 2.0 + layout.Spread(6);
    pose.angle = layout.Spread(35) + (look.length > 1.3 * look.width ? -30 : 0);
    pose.pxPerMm = s;
    pose.flip = layout.Chance(0.5);
    PaintSeed(p, look, pose, seeds);
}

// View 2 scale: as large as keeps the seed under 60 px, from steps the rule can mark.
double RuleScale(const SeedLook& look)
{
    static constexpr double Steps[] = {40, 30, 25, 20, 16, 12, 10, 8, 6, 5, 4, 3};
    for (double s : Steps)
        if (std::max(look.length, look.width) * s <= 60)
            return s;
    return 3;
}

void PaintRule(QPainter& p, double pxPerMm, int width, double top, double zeroX)
{
    const double bottom = top + 40;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(QRectF(0, top + 2, width, bottom - top));
    QLinearGradient face(0, top, 0, bottom);
    face.setColorAt(0, QColor(250, 246, 230));
    face.setColorAt(1, QColor(232, 226, 204));
    p.setBrush(face);
    p.setPen(QPen(QColor(150, 144, 126), 1));
    p.drawRect(QRectF(-1, top, width + 2, bottom - top));

    const int labelEvery = pxPerMm >= 25 ? 1 : pxPerMm >= 12 ? 5 : 10;
    QFont font("Liberation Sans");
    font.setPixelSize(10);
    p.setFont(font);
    for (int mm = 0;; ++mm) {
        const double x = zeroX + mm * pxPerMm;
        if (x > width)
            break;
        const double len = mm % 10 == 0 ? 15 : mm % 5 == 0 ? 10 : 6;
        p.setPen(QPen(QColor(40, 40, 44), mm % 5 == 0 ? 1.2 : 0.9));
        p.drawLine(QPointF(x, top), QPointF(x, top + len));
        if (mm % labelEvery == 0) {
            const QString label = QString::number(mm);
            const double tw = QFontMetricsF(font).horizontalAdvance(label);
            if (x + tw / 2 < width - 2)
                p.drawText(QPointF(x - tw / 2, top + 28), label);
        }
    }
}

// View 2: seeds beside a millimetre rule.
void LayBesideRule(QPainter& p, const SeedLook& look, int w, int h, DemoRandom& layout, DemoRandom& seeds)
{
    const double s = RuleScale(look);
    const double ruleTop = h - 44;
    const double zeroX = 12;
    PaintRule(p, s, w, ruleTop, zeroX);

    const double len = look.length * s;
    const double wid = look.width * s;
    const double r = SeedRadius(look, s);
    std::vector<Spot> spots;
    // A row lying along the rule, the first from its zero mark.
    double x = zeroX + len / 2;
    const int inRow = std::min(4, static_cast<int>((View2OpenRowWidth - zeroX) / (len * 1.25)));
    for (int i = 0; i < inRow; ++i) {
        const double y = ruleTop - 5 - wid / 2;
        SeedPose pose;
        pose.x = x + (i == 0 ? 0 : layout.Spread(0.05 * len));
        pose.y = y + layout.Spread(2);
        pose.angle = i == 0 ? 0 : layout.Spread(10);
        pose.pxPerMm = s;
        pose.flip = layout.Chance(0.5);
        PaintSeed(p, look, pose, seeds);
        spots.push_back({pose.x, pose.y, r});
        x += len * layout.Range(1.2, 1.5);
    }
    // More scattered in the open column above.
    const double columnArea = View2OpenColumnWidth * (ruleTop - wid - 10);
    const int more = CountFor(columnArea, 0.2, look, s, 2, 30);
    for (int tries = 0, placed = 0; tries < 500 && placed < more; ++tries) {
        const Spot spot{layout.Range(6 + r, View2OpenColumnWidth - 4 - 0.6 * r),
                        layout.Range(6 + r, ruleTop - wid - 12 - 0.6 * r), r};
        if (!Clear(spots, spot, 0.9))
            continue;
        spots.push_back(spot);
        ++placed;
        PaintSeed(p, look, RandomPose(look, spot.x, spot.y, s, layout), seeds);
    }
}

// View 3: a handful, at the same scale for every seed.
constexpr double HandfulScale = 6.0;

void LayHandful(QPainter& p, const SeedLook& look, int w, int h, DemoRandom& layout, DemoRandom& seeds)
{
    const double s = HandfulScale;
    const double r = SeedRadius(look, s);
    const int count = CountFor(double(w) * h, 0.36, look, s, 3, 400);
    std::vector<Spot> spots;
    for (int i = 0; i < count; ++i) {
        Spot spot{};
        for (int tries = 0; tries < 12; ++tries) {
            spot = {std::clamp(w / 2.0 + layout.Bell() * 0.24 * w, 0.6 * r, w - 0.6 * r),
                    std::clamp(h * 0.52 + layout.Bell() * 0.24 * h, 0.6 * r, h - 0.6 * r), r};
            if (Clear(spots, spot, 0.7))
                break;
        }
        spots.push_back(spot);
        PaintSeed(p, look, RandomPose(look, spot.x, spot.y, s, layout), seeds);
    }
}

// The crossed-out camera and the words, centred on `centre`.
void PaintNoPhoto(QPainter& p, const QPointF& centre, double maxTextWidth)
{
    const QColor ink(118, 118, 118);
    p.save();
    p.translate(centre);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(-32, -40, 64, 44), 7, 7);
    p.drawRoundedRect(QRectF(-12, -47, 24, 10), 3, 3);
    p.setBrush(QColor(232, 232, 230));
    p.drawEllipse(QPointF(0, -18), 14, 14);
    p.setBrush(ink);
    p.drawEllipse(QPointF(0, -18), 9, 9);
    p.setPen(QPen(QColor(232, 232, 230), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-34, -48), QPointF(34, 10));
    p.setPen(QPen(QColor(176, 62, 52), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-34, -48), QPointF(34, 10));

    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(17);
    const QString text = QStringLiteral("Bez fotografie");
    while (font.pixelSize() > 8 && QFontMetricsF(font).horizontalAdvance(text) > maxTextWidth)
        font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    p.setPen(QColor(84, 84, 84));
    const double tw = QFontMetricsF(font).horizontalAdvance(text);
    p.drawText(QPointF(-tw / 2, 36), text);
    p.restore();
}

} // namespace

QImage DrawSeedPicture(int seed, int view)
{
    const SlotBox box = SlotBoxes[static_cast<std::size_t>(view)];
    const SeedLook& look = SeedLooks()[static_cast<std::size_t>(seed)];
    DemoRandom backdrop = DemoRandom::For(static_cast<std::uint64_t>(seed), static_cast<std::uint64_t>(view), BackdropStream);
    DemoRandom layout = DemoRandom::For(static_cast<std::uint64_t>(seed), static_cast<std::uint64_t>(view), LayoutStream);
    DemoRandom seeds = DemoRandom::For(static_cast<std::uint64_t>(seed), static_cast<std::uint64_t>(view), SeedStream);

    QImage image = Backdrop(view, box.width, box.height, backdrop);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    switch (view) {
    case 0:
        LayCloseUp(p, look, box.width, box.height, layout, seeds);
        break;
    case 1:
        LayPortrait(p, look, box.width, box.height, layout, seeds);
        break;
    case 2:
        LayBesideRule(p, look, box.width, box.height, layout, seeds);
        break;
    default:
        LayHandful(p, look, box.width, box.height, layout, seeds);
        break;
    }
    return image;
}

QImage DrawPlaceholder(PlaceholderKind kind)
{
    const int view = kind == PlaceholderKind::Views01 ? 0 : kind == PlaceholderKind::View2 ? 2 : 3;
    const SlotBox box = SlotBoxes[static_cast<std::size_t>(view)];
    QImage image(box.width, box.height, QImage::Format_RGB32);
    image.fill(QColor(232, 232, 230));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPen frame(QColor(160, 160, 158), 2, Qt::DashLine);
    p.setPen(frame);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6, 6, box.width - 12, box.height - 12), 8, 8);

    // Where the symbol goes: in neni.jpg inside the part of the view 0 slot that
    // the view 1 slot leaves open; in neni2.jpg inside the open left column.
    switch (kind) {
    case PlaceholderKind::Views01:
        PaintNoPhoto(p, QPointF(80, 128), 148);
        break;
    case PlaceholderKind::View2:
        PaintNoPhoto(p, QPointF(View2OpenColumnWidth / 2.0, 130), View2OpenColumnWidth - 14);
        break;
    case PlaceholderKind::View3:
        PaintNoPhoto(p, QPointF(box.width / 2.0, box.height / 2.0 + 8), box.width - 14);
        break;
    }
    return image;
}

std::vector<std::uint8_t> EncodeImageJpeg(const QImage& image, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int w = rgb.width();
    const int h = rgb.height();
    const std::size_t row = static_cast<std::size_t>(w) * 3;
    std::vector<std::uint8_t> packed(row * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
        std::memcpy(packed.data() + row * static_cast<std::size_t>(y), rgb.constScanLine(y), row);
    JpegWriteOptions options;
    options.quality = quality;
    return EncodeJpeg(packed.data(), w, h, options);
}

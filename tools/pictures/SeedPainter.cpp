#include "SeedPainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include "DemoRandom.h"
#include "SeedLooks.h"

namespace {

constexpr double Pi = std::numbers::pi;

// One seed as drawn: the look with this seed's own variation applied.
struct Instance {
    const SeedLook* look = nullptr;
    double length = 0; ///< mm
    double width = 0;  ///< mm
    double bend = 0;   ///< mm the middle is lifted
    QColor body;
    QColor mark;
    QColor scar;
    double lumpAmp[3] = {};
    double lumpPhase[3] = {};
    bool backUp = false;   ///< the belly (crease, germ-less) side faces up
    bool scarUp = false;   ///< the hilum faces up
    std::uint64_t markSeed = 0;
};

QColor Shifted(const Rgb& rgb, double hue, double sat, double value)
{
    QColor c(rgb.r, rgb.g, rgb.b);
    float h = 0, s = 0, v = 0, a = 0;
    c.getHsvF(&h, &s, &v, &a);
    double hh = (h < 0 ? 0.0 : h) + hue / 360.0;
    hh -= std::floor(hh);
    return QColor::fromHsvF(static_cast<float>(hh), static_cast<float>(std::clamp(s * sat, 0.0, 1.0)),
                            static_cast<float>(std::clamp(v * value, 0.0, 1.0)));
}

QColor WithAlpha(QColor c, int alpha)
{
    c.setAlpha(std::clamp(alpha, 0, 255));
    return c;
}

Instance MakeInstance(const SeedLook& look, DemoRandom& random)
{
    Instance in;
    in.look = &look;
    const double size = 1.0 + random.Spread(look.sizeSpread);
    in.length = look.length * size;
    in.width = look.width * size * (1.0 + random.Spread(0.05));
    in.bend = look.bend * in.width * (random.Chance(0.5) ? 1.0 : -1.0) * random.Range(0.6, 1.2);
    const double hue = random.Spread(look.hueSpread);
    const double sat = 1.0 + random.Spread(look.satSpread);
    const double value = 1.0 + random.Spread(look.valueSpread);
    in.body = Shifted(look.body, hue, sat, value);
    in.mark = Shifted(look.mark, hue, sat, value);
    in.scar = look.ownScar ? QColor(look.scar.r, look.scar.g, look.scar.b) : in.mark;
    for (int i = 0; i < 3; ++i) {
        in.lumpAmp[i] = random.Range(0.3, 1.0);
        in.lumpPhase[i] = random.Range(0, 2 * Pi);
    }
    in.backUp = random.Chance(0.5);
    in.scarUp = random.Chance(0.6);
    in.markSeed = random.Next();
    return in;
}

// Half width, in units of width / 2, at u in [-1, 1] along the seed.
double HalfWidth(const SeedLook& k, double u)
{
    const double a = std::min(std::abs(u), 1.0);
    const double q = u >= 0 ? k.headQ : k.tailQ;
    const double p = u >= 0 ? k.headPower : k.tailPower;
    return std::pow(std::max(0.0, 1.0 - std::pow(a, p)), q) * (1.0 + k.taper * u);
}

// A point on the seed: u along it (-1 tail .. 1 head), v across (-1 .. 1 edge to edge).
QPointF At(const Instance& in, double u, double v)
{
    return {0.5 * in.length * u, v * 0.5 * in.width * HalfWidth(*in.look, u) + in.bend * (1 - u * u)};
}

double Lump(const Instance& in, double theta)
{
    static constexpr int Harmonics[3] = {2, 3, 4};
    static constexpr double Weights[3] = {1.0, 0.7, 0.4};
    double sum = 0;
    for (int i = 0; i < 3; ++i)
        sum += Weights[i] * in.lumpAmp[i] * std::sin(Harmonics[i] * theta + in.lumpPhase[i]);
    return 1.0 + in.look->lumps * sum / 1.4;
}

QPainterPath Outline(const Instance& in)
{
    constexpr int Points = 144;
    QPolygonF polygon;
    polygon.reserve(Points);
    for (int i = 0; i < Points; ++i) {
        const double theta = 2 * Pi * i / Points;
        QPointF p;
        if (in.look->shape == SeedShape::RamHead) {
            // A lumpy ball with a beak at the upper right and the hollow under it.
            auto bump = [theta](double at, double spread) {
                double d = std::remainder(theta - at, 2 * Pi);
                return std::exp(-(d * d) / (spread * spread));
            };
            const double r = 0.9 + 0.06 * std::cos(2 * theta) + 0.3 * bump(0.55, 0.2) - 0.13 * bump(1.1, 0.25)
                             + 0.05 * bump(2.6, 0.5);
            p = {0.5 * in.length * r * std::cos(theta), 0.5 * in.width * r * std::sin(theta)};
        } else {
            const double u = std::cos(theta);
            p = At(in, u, std::sin(theta) >= 0 ? 1.0 : -1.0);
        }
        polygon.append(p * Lump(in, theta));
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath Line(const Instance& in, double v, double u0, double u1, int steps = 28)
{
    QPainterPath path;
    for (int i = 0; i <= steps; ++i) {
        const double u = u0 + (u1 - u0) * i / steps;
        const QPointF p = At(in, u, v);
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

QPen Pen(const QColor& colour, double width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void FillEllipse(QPainter& p, const QPointF& centre, double rx, double ry, const QColor& colour, double angle = 0)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(0, 0), rx, ry);
    p.restore();
}

void SoftEllipse(QPainter& p, const QPointF& centre, double rx, double ry, const QColor& colour)
{
    p.save();
    p.translate(centre);
    p.scale(1.0, ry / rx);
    QRadialGradient g(QPointF(0, 0), rx);
    g.setColorAt(0, colour);
    g.setColorAt(0.6, WithAlpha(colour, colour.alpha() / 2));
    g.setColorAt(1, WithAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

// What sticks out beyond the outline, drawn under the body.
void PaintAppendages(QPainter& p, const Instance& in, DemoRandom& r)
{
    const auto marks = in.look->marks;
    const double L = in.length;
    const double W = in.width;
    if (marks & MarkBrush) {
        const QColor hair = WithAlpha(in.body.lighter(118), 210);
        const QPointF tip = At(in, 1.0, 0.0) - QPointF(0.03 * L, 0);
        for (int i = 0; i < 11; ++i) {
            const double a = r.Spread(0.9);
            const double len = r.Range(0.05, 0.1) * L;
            p.setPen(Pen(hair, 0.012 * L));
            p.drawLine(tip, tip + QPointF(std::cos(a) * len, std::sin(a) * len));
        }
    }
    if (marks & MarkStub) {
        p.setPen(Qt::NoPen);
        p.setBrush(in.mark.darker(125));
        p.drawRoundedRect(QRectF(-0.58 * L, -0.05 * W, 0.14 * L, 0.1 * W), 0.03 * W, 0.03 * W);
    }
}

void PaintMarks(QPainter& p, const Instance& in, DemoRandom& r)
{
    const auto marks = in.look->marks;
    const double L = in.length;
    const double W = in.width;
    const double big = std::max(L, W);
    p.setBrush(Qt::NoBrush);

    if (marks & MarkWrinkles) {
        for (int i = 0; i < 6; ++i) {
            const double v = r.Range(-0.75, 0.75);
            const double u0 = r.Range(-0.8, -0.2);
            const double u1 = u0 + r.Range(0.4, 1.0);
            QPainterPath path = Line(in, v, u0, std::min(u1, 0.85), 16);
            p.setPen(Pen(WithAlpha(in.body.darker(150), 60), 0.03 * W));
            p.drawPath(path);
        }
    }
    if (marks & MarkHuskLines) {
        for (double v : {-0.66, -0.33, 0.0, 0.33, 0.66}) {
            const double vv = v + r.Spread(0.05);
            p.setPen(Pen(WithAlpha(in.mark, v == 0.0 ? 150 : 110), 0.035 * W));
            p.drawPath(Line(in, vv, -0.9, 0.93));
            p.setPen(Pen(WithAlpha(in.body.lighter(125), 70), 0.03 * W));
            p.drawPath(Line(in, vv + 0.09, -0.85, 0.9));
        }
    }
    if (marks & MarkRidges) {
        for (double v : {-0.55, 0.0, 0.55}) {
            p.setPen(Pen(WithAlpha(in.mark, 120), 0.04 * W));
            p.drawPath(Line(in, v, -0.95, 0.9));
            p.setPen(Pen(WithAlpha(QColor(255, 255, 255), 90), 0.04 * W));
            p.drawPath(Line(in, v + 0.1, -0.9, 0.88));
        }
    }
    if (marks & MarkRibs) {
        for (double v : {-0.78, -0.47, -0.16, 0.16, 0.47, 0.78}) {
            p.setPen(Pen(WithAlpha(in.mark, 140), 0.05 * W));
            p.drawPath(Line(in, v, -0.98, 0.98));
            p.setPen(Pen(WithAlpha(in.body.lighter(125), 70), 0.05 * W));
            p.drawPath(Line(in, v + 0.13, -0.95, 0.95));
        }
    }
    if (marks & MarkStripes) {
        for (double v : {-0.86, -0.56, -0.22, 0.22, 0.56, 0.86}) {
            const bool edge = std::abs(v) > 0.7;
            const double vv = v + r.Spread(0.05);
            const double w = (edge ? r.Range(0.06, 0.09) : r.Range(0.025, 0.05)) * W;
            p.setPen(Pen(WithAlpha(in.mark, edge ? r.Range(150, 210) : r.Range(70, 150)), w));
            double u = -0.95;
            while (u < 0.95) {
                const double run = r.Range(0.5, 1.6);
                p.drawPath(Line(in, vv, u, std::min(u + run, 0.97), 16));
                u += run + r.Range(0.04, 0.15);
            }
        }
    }
    if (marks & MarkSpeckles) {
        for (int i = 0; i < 34; ++i) {
            const QPointF c(r.Spread(0.5) * L, r.Spread(0.5) * W);
            const double s = r.Range(0.02, 0.06) * big;
            FillEllipse(p, c, s, s * r.Range(0.6, 1.0), WithAlpha(in.mark, static_cast<int>(r.Range(120, 220))),
                        r.Range(0, 180));
        }
    }
    if (marks & MarkStreaks) {
        for (int i = 0; i < 16; ++i) {
            const QPointF c(r.Spread(0.5) * L, r.Spread(0.5) * W);
            FillEllipse(p, c, r.Range(0.05, 0.16) * L, r.Range(0.02, 0.06) * W,
                        WithAlpha(in.mark, static_cast<int>(r.Range(150, 230))), r.Range(-40, 40));
        }
        for (int i = 0; i < 10; ++i) {
            const QPointF c(r.Spread(0.5) * L, r.Spread(0.5) * W);
            FillEllipse(p, c, r.Range(0.01, 0.03) * L, r.Range(0.01, 0.03) * L,
                        WithAlpha(in.mark, static_cast<int>(r.Range(150, 230))));
        }
    }
    if (marks & MarkVeins) {
        p.setPen(Pen(WithAlpha(in.mark, 115), 0.016 * W));
        for (int i = 0; i < 18; ++i) {
            QPointF at(r.Spread(0.5) * L, r.Spread(0.5) * W);
            double dir = r.Range(0, 2 * Pi);
            QPainterPath path(at);
            for (int s = 0; s < 6; ++s) {
                dir += r.Spread(1.0);
                at += QPointF(std::cos(dir), std::sin(dir)) * 0.09 * L;
                path.lineTo(at);
            }
            p.drawPath(path);
        }
    }
    if (marks & MarkDimples) {
        // Each dimple: shadow on the side away from the light, a lit rim toward it.
        for (int i = 0; i < 14; ++i) {
            const QPointF c(r.Spread(0.42) * L, r.Spread(0.42) * W);
            const double rad = r.Range(0.07, 0.14) * L;
            SoftEllipse(p, c + QPointF(0.25 * rad, 0.25 * rad), rad, rad * r.Range(0.6, 1.0),
                        WithAlpha(in.body.darker(150), 90));
            SoftEllipse(p, c - QPointF(0.35 * rad, 0.35 * rad), 0.7 * rad, 0.5 * rad,
                        WithAlpha(in.body.lighter(130), 70));
        }
    }
    if (marks & MarkFurrow) {
        QPainterPath furrow(QPointF(0.3 * L, 0.28 * W));
        furrow.cubicTo(QPointF(0.05 * L, 0.1 * W), QPointF(-0.05 * L, -0.05 * W), QPointF(0.06 * L, -0.42 * W));
        p.setPen(Pen(WithAlpha(in.body.darker(170), 130), 0.05 * L));
        p.drawPath(furrow);
        p.setPen(Pen(WithAlpha(in.body.lighter(130), 80), 0.03 * L));
        p.drawPath(furrow.translated(-0.04 * L, -0.02 * L));
    }
    if (marks & MarkFacets) {
        QPainterPath face;
        face.addPolygon(QPolygonF({At(in, 1.05, 0), At(in, -1.05, 0), QPointF(-0.6 * L, -0.6 * W),
                                   QPointF(0.6 * L, -0.6 * W)}));
        p.fillPath(face, WithAlpha(QColor(0, 0, 0), 55));
        p.setPen(Pen(WithAlpha(in.body.lighter(150), 130), 0.035 * W));
        p.drawPath(Line(in, 0.04, -0.92, 0.95));
    }
    if ((marks & MarkDent)) {
        // The soft starch of the crown shrinks as it dries and leaves a pale, pinched dent.
        SoftEllipse(p, QPointF(0.4 * L, 0), 0.28 * L, 0.6 * W, WithAlpha(in.mark, 255));
        FillEllipse(p, QPointF(0.43 * L, 0), 0.14 * L, 0.4 * W, WithAlpha(in.mark, 190));
        const double y = r.Spread(0.05) * W;
        FillEllipse(p, QPointF(0.4 * L, y), 0.06 * L, 0.24 * W, WithAlpha(in.body.darker(140), 110));
        FillEllipse(p, QPointF(0.37 * L, y), 0.03 * L, 0.18 * W, WithAlpha(QColor(255, 255, 255), 90));
        p.setPen(Pen(WithAlpha(in.body.darker(150), 70), 0.015 * L));
        for (int i = 0; i < 4; ++i) {
            const double a = r.Range(0.3, 0.5);
            p.drawLine(QPointF(a * L, y + r.Spread(0.3) * W), QPointF((a + 0.06) * L, y + r.Spread(0.3) * W));
        }
    }
    if (marks & MarkKernelGerm) {
        FillEllipse(p, QPointF(-0.47 * L, 0), 0.08 * L, 0.16 * W, WithAlpha(in.body.darker(190), 170));
        if (!in.backUp) {
            SoftEllipse(p, QPointF(-0.1 * L, 0), 0.3 * L, 0.25 * W, WithAlpha(in.mark, 150));
            p.setPen(Pen(WithAlpha(in.body.darker(130), 70), 0.02 * W));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(-0.12 * L, 0), 0.26 * L, 0.2 * W);
        }
    }
    if (marks & MarkCrease) {
        if (in.backUp) {
            p.setPen(Pen(WithAlpha(in.mark, 200), 0.08 * W));
            p.drawPath(Line(in, 0.0, -0.8, 0.88));
            p.setPen(Pen(WithAlpha(in.body.lighter(130), 80), 0.05 * W));
            p.drawPath(Line(in, 0.2, -0.78, 0.85));
        }
    }
    if ((marks & MarkGerm) && !in.backUp) {
        SoftEllipse(p, QPointF(-0.36 * L, 0), 0.16 * L, 0.26 * W, WithAlpha(in.mark, 150));
    }
    if (marks & MarkGroove) {
        p.setPen(Pen(WithAlpha(in.mark, 170), 0.07 * W));
        p.drawPath(Line(in, 0.25, -0.85, 0.85));
    }
    if (marks & MarkChalk) {
        SoftEllipse(p, QPointF(0.05 * L, 0.1 * W), 0.2 * L, 0.3 * W, WithAlpha(in.mark, 200));
        FillEllipse(p, QPointF(-0.47 * L, -0.28 * W), 0.05 * L, 0.16 * W, WithAlpha(in.body.darker(135), 130));
    }
    if (marks & MarkGlumes) {
        if (in.scarUp) {
            for (double side : {-1.0, 1.0}) {
                FillEllipse(p, QPointF(-0.36 * L, side * 0.2 * W), 0.2 * L, 0.17 * W, WithAlpha(in.mark, 235),
                            side * 22);
                FillEllipse(p, QPointF(-0.33 * L, side * 0.16 * W), 0.1 * L, 0.04 * W,
                            WithAlpha(QColor(255, 255, 255), 50), side * 22);
            }
        }
    }
    if (marks & MarkHairs) {
        const QColor hair = WithAlpha(QColor(255, 250, 235), 70);
        for (int i = 0; i < 40; ++i) {
            const QPointF c(r.Spread(0.48) * L, r.Spread(0.45) * W);
            const double a = r.Spread(0.3);
            p.setPen(Pen(hair, 0.012 * L));
            p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * 0.035 * L);
        }
    }
    if (marks & MarkNet) {
        const double d = 0.09 * big;
        const QColor dot = WithAlpha(in.mark, 85);
        for (int row = -7; row <= 7; ++row)
            for (int col = -7; col <= 7; ++col) {
                const QPointF c((col + 0.5 * (row & 1)) * d, row * d * 0.87);
                FillEllipse(p, c, 0.024 * big, 0.024 * big, dot);
            }
    }
    if (marks & MarkRim) {
        QTransform inset;
        inset.scale(0.86, 0.8);
        p.setPen(Pen(WithAlpha(in.mark, 75), 0.05 * std::min(L, W)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(inset.map(Outline(in)));
    }
    if ((marks & MarkHilum) && in.scarUp) {
        const QPointF c = At(in, 0.04, -0.6);
        FillEllipse(p, c, 0.14 * L, 0.065 * W, WithAlpha(in.scar, 215));
        p.setPen(Pen(WithAlpha(in.scar.darker(140), 150), 0.015 * L));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 0.14 * L, 0.065 * W);
    }
    if (marks & MarkHilumEnd) {
        FillEllipse(p, QPointF(0.45 * L, 0), 0.05 * L, 0.26 * W, WithAlpha(in.mark, 235));
        FillEllipse(p, QPointF(0.43 * L, 0), 0.012 * L, 0.2 * W, WithAlpha(in.body.lighter(140), 120));
    }
    if (marks & MarkHilumNotch) {
        const QPointF c = At(in, -0.5, -0.88);
        FillEllipse(p, c, 0.07 * L, 0.05 * W, WithAlpha(in.mark, 210), 20);
    }
}

// Blurs the alpha of a mask drawn in one colour and gives it back as black
// with that alpha, scaled by `weight` and inverted when asked: two passes of a
// box of the given radius, across then down, which comes close enough to a
// Gaussian for shadows and shading.
void BlurMask(QImage& image, int radius, double weight, bool invert)
{
    const int w = image.width();
    const int h = image.height();
    std::vector<int> alpha(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            alpha[static_cast<std::size_t>(y * w + x)] = qAlpha(row[x]);
    }
    std::vector<int> line(static_cast<std::size_t>(std::max(w, h)));
    const int window = 2 * radius + 1;
    // One pass over n values spaced `step` apart from `first`, edges repeated.
    const auto pass = [&](std::size_t first, std::size_t step, int n) {
        for (int i = 0; i < n; ++i)
            line[static_cast<std::size_t>(i)] = alpha[first + step * static_cast<std::size_t>(i)];
        const auto at = [&](int i) { return line[static_cast<std::size_t>(std::clamp(i, 0, n - 1))]; };
        int sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += at(i);
        for (int i = 0; i < n; ++i) {
            alpha[first + step * static_cast<std::size_t>(i)] = sum / window;
            sum += at(i + radius + 1) - at(i - radius);
        }
    };
    for (int round = 0; round < 2; ++round) {
        for (int y = 0; y < h; ++y)
            pass(static_cast<std::size_t>(y * w), 1, w);
        for (int x = 0; x < w; ++x)
            pass(static_cast<std::size_t>(x), static_cast<std::size_t>(w), h);
    }
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = alpha[static_cast<std::size_t>(y * w + x)];
            row[x] = qRgba(0, 0, 0, static_cast<int>((invert ? 255 - a : a) * weight));
        }
    }
}

// Darkening that grows toward the seed's edge, where a rounded seed turns away
// from the light: the inverse of the blurred outline.
QImage EdgeShade(const QSize& size, const QTransform& local, const QPainterPath& outline, double depthPx,
                 double relief)
{
    QImage shade(size, QImage::Format_ARGB32_Premultiplied);
    shade.fill(Qt::transparent);
    {
        QPainter p(&shade);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(local);
        p.fillPath(outline, Qt::white);
    }
    BlurMask(shade, std::max(1, static_cast<int>(std::lround(depthPx))), 150 * relief / 255.0, true);
    return shade;
}

} // namespace

double SeedRadius(const SeedLook& look, double pxPerMm)
{
    return 0.5 * std::max(look.length, look.width) * pxPerMm;
}

void PaintSeed(QPainter& canvas, const SeedLook& look, const SeedPose& pose, DemoRandom& random)
{
    const Instance in = MakeInstance(look, random);
    const QPainterPath outline = Outline(in);

    QTransform shape;
    shape.rotate(pose.angle);
    shape.scale(pose.pxPerMm, pose.pxPerMm * pose.tilt * (pose.flip ? -1.0 : 1.0));

    const QRectF bounds = shape.map(outline).boundingRect();
    const double reach = 0.2 * in.length * pose.pxPerMm + 4.0; // room for brush, stub and shadow
    const int left = static_cast<int>(std::floor(pose.x + bounds.left() - reach));
    const int top = static_cast<int>(std::floor(pose.y + bounds.top() - reach));
    const int right = static_cast<int>(std::ceil(pose.x + bounds.right() + reach));
    const int bottom = static_cast<int>(std::ceil(pose.y + bounds.bottom() + reach));

    // A soft shadow, cast away from the light.
    const double drop = std::max(0.8, 0.05 * in.length * pose.pxPerMm);
    {
        QImage shadow(right - left, bottom - top, QImage::Format_ARGB32_Premultiplied);
        shadow.fill(Qt::transparent);
        QPainter p(&shadow);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(shape * QTransform::fromTranslate(pose.x - left + 0.6 * drop, pose.y - top + 0.9 * drop));
        p.fillPath(outline, Qt::black);
        p.end();
        BlurMask(shadow, std::max(1, static_cast<int>(std::lround(0.7 * drop))), 100 / 255.0, false);
        canvas.drawImage(left, top, shadow);
    }

    // The seed is drawn on a layer of its own so that marks and shading, drawn
    // "source atop", stay inside its antialiased edge.
    QImage layer(right - left, bottom - top, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    const QPointF centre(pose.x - left, pose.y - top);
    const QTransform local = shape * QTransform::fromTranslate(centre.x(), centre.y());
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(local);
        DemoRandom marks(in.markSeed);
        PaintAppendages(p, in, marks);
        p.fillPath(outline, in.body);

        p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        PaintMarks(p, in, marks);

        // Rounded edges darken; the light comes from the upper left.
        const double minor = std::min(in.length, in.width);
        p.setBrush(Qt::NoBrush);
        p.resetTransform();
        p.drawImage(0, 0, EdgeShade(layer.size(), local, outline, 0.1 * minor * pose.pxPerMm, look.relief));

        p.resetTransform();
        const double radius = 0.5 * std::max(bounds.width(), bounds.height());
        QRadialGradient light(centre, radius * 1.05, centre + QPointF(-0.45, -0.5) * radius * 0.7);
        light.setColorAt(0, QColor(255, 255, 255, static_cast<int>(35 + 55 * look.gloss)));
        light.setColorAt(0.45, QColor(255, 255, 255, 0));
        light.setColorAt(0.75, QColor(0, 0, 0, static_cast<int>(35 * look.relief)));
        light.setColorAt(1, QColor(0, 0, 0, static_cast<int>(95 * look.relief)));
        p.fillRect(layer.rect(), light);

        if (look.gloss > 0.25) {
            // The highlight sits toward the light, inside the seed's own frame.
            const QTransform toLocal = shape.inverted();
            QPointF dir = toLocal.map(QPointF(-1, -1)) - toLocal.map(QPointF(0, 0));
            const double n = std::hypot(dir.x() / in.length, dir.y() / in.width);
            dir = QPointF(dir.x() / n * 0.26, dir.y() / n * 0.26);
            p.setTransform(local);
            SoftEllipse(p, dir, 0.16 * in.length, 0.12 * in.width,
                        QColor(255, 255, 255, static_cast<int>(170 * look.gloss)));
        }

        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setTransform(local);
        p.setBrush(Qt::NoBrush);
        p.setPen(Pen(WithAlpha(in.body.darker(170), 130), 0.7 / pose.pxPerMm));
        p.drawPath(outline);
    }
    canvas.drawImage(left, top, layer);
}

#include "FalconPainting.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "ArtworkRandom.h"
#include "JpegWriter.h"

namespace {

constexpr double W = FalconWidth;
constexpr double H = FalconHeight;

QColor Mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor Alpha(QColor c, double alpha)
{
    c.setAlphaF(static_cast<float>(std::clamp(alpha, 0.0, 1.0)));
    return c;
}

// A soft round blob: full colour in the middle fading to nothing at radius r.
void SoftBlob(QPainter& p, QPointF centre, double rx, double ry, const QColor& colour, double alpha)
{
    p.save();
    p.translate(centre);
    p.scale(1.0, ry / rx);
    QRadialGradient g(QPointF(0, 0), rx);
    g.setColorAt(0.0, Alpha(colour, alpha));
    g.setColorAt(0.45, Alpha(colour, alpha * 0.75));
    g.setColorAt(0.8, Alpha(colour, alpha * 0.22));
    g.setColorAt(1.0, Alpha(colour, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

// ---------------------------------------------------------------- background

void PaintSky(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, H);
    sky.setColorAt(0.00, QColor(30, 78, 150));
    sky.setColorAt(0.35, QColor(62, 120, 190));
    sky.setColorAt(0.70, QColor(128, 172, 218));
    sky.setColorAt(1.00, QColor(196, 214, 230));
    p.fillRect(QRectF(0, 0, W, H), sky);

    // The sun stands high to the upper left, just out of the frame.
    QRadialGradient sun(QPointF(-150, -200), 1500);
    sun.setColorAt(0.0, QColor(255, 248, 228, 170));
    sun.setColorAt(0.4, QColor(255, 244, 226, 60));
    sun.setColorAt(1.0, QColor(255, 244, 226, 0));
    p.fillRect(QRectF(0, 0, W, H), sun);
}

// A cumulus: a dome of overlapping puffs, grey-blue underneath, sunlit on top.
void PaintCumulus(QPainter& p, ArtworkRandom& rng, QRectF box, int puffs, double brightness)
{
    struct Puff {
        QPointF at;
        double r;
    };
    std::vector<Puff> all;
    all.reserve(static_cast<std::size_t>(puffs));
    for (int i = 0; i < puffs; ++i) {
        const double u = rng.Uniform(0.05, 0.95);
        const double dome = std::sin(u * std::numbers::pi);
        const double lift = rng.Uniform(0.0, 1.0) * (0.25 + 0.75 * dome);
        const double x = box.left() + u * box.width();
        const double y = box.bottom() - lift * box.height();
        const double r = box.width() * rng.Uniform(0.07, 0.13) * (0.7 + 0.5 * dome);
        all.push_back({QPointF(x, y), r});
    }
    const QColor shade = Mix(QColor(150, 168, 196), QColor(205, 214, 228), brightness);
    for (const Puff& puff : all)
        SoftBlob(p, puff.at + QPointF(puff.r * 0.15, puff.r * 0.35), puff.r * 1.1, puff.r * 0.85, shade, 0.55);
    const QColor lit = Mix(QColor(236, 240, 246), QColor(255, 253, 248), brightness);
    for (const Puff& puff : all)
        SoftBlob(p, puff.at - QPointF(puff.r * 0.12, puff.r * 0.18), puff.r * 0.9, puff.r * 0.8, lit, 0.6);
    // The flat base: a band of shade along the bottom.
    for (int i = 0; i < puffs / 2; ++i) {
        const double u = rng.Uniform(0.1, 0.9);
        SoftBlob(p, QPointF(box.left() + u * box.width(), box.bottom() + box.height() * 0.05),
                 box.width() * 0.12, box.height() * 0.08, shade, 0.35);
    }
}

// Thin high cloud drawn as long faint streaks.
void PaintWisps(QPainter& p, ArtworkRandom& rng, QPointF centre, double length, double angle, int streaks)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    for (int i = 0; i < streaks; ++i) {
        const double x = rng.Uniform(-0.5, 0.5) * length;
        const double y = rng.Uniform(-0.08, 0.08) * length;
        const double rx = length * rng.Uniform(0.12, 0.3);
        SoftBlob(p, QPointF(x, y), rx, rx * rng.Uniform(0.05, 0.1), QColor(250, 252, 255), rng.Uniform(0.12, 0.28));
    }
    p.restore();
}

void PaintClouds(QPainter& p)
{
    ArtworkRandom rng(0x5EEDC10D);
    PaintWisps(p, rng, QPointF(1050, 260), 900, -8, 40);
    PaintWisps(p, rng, QPointF(300, 520), 700, -5, 28);
    PaintCumulus(p, rng, QRectF(880, 560, 700, 260), 60, 0.8);
    PaintCumulus(p, rng, QRectF(-200, 1050, 900, 420), 90, 0.6);
    PaintCumulus(p, rng, QRectF(750, 1150, 900, 380), 90, 0.7);
    PaintCumulus(p, rng, QRectF(100, 1380, 1300, 300), 110, 0.45);
}

void PaintHills(QPainter& p)
{
    QPainterPath far;
    far.moveTo(0, 1760);
    far.cubicTo(250, 1700, 420, 1730, 600, 1745);
    far.cubicTo(820, 1765, 1000, 1690, 1200, 1705);
    far.cubicTo(1330, 1715, 1420, 1740, W, 1735);
    far.lineTo(W, H);
    far.lineTo(0, H);
    far.closeSubpath();
    QLinearGradient g1(0, 1690, 0, H);
    g1.setColorAt(0, QColor(150, 172, 196));
    g1.setColorAt(1, QColor(120, 146, 166));
    p.fillPath(far, g1);

    QPainterPath near;
    near.moveTo(0, 1850);
    near.cubicTo(200, 1810, 380, 1830, 560, 1860);
    near.cubicTo(760, 1890, 980, 1820, 1180, 1830);
    near.cubicTo(1320, 1838, 1420, 1860, W, 1855);
    near.lineTo(W, H);
    near.lineTo(0, H);
    near.closeSubpath();
    QLinearGradient g2(0, 1810, 0, H);
    g2.setColorAt(0, QColor(98, 124, 120));
    g2.setColorAt(1, QColor(72, 96, 88));
    p.fillPath(near, g2);
}

// ---------------------------------------------------------------- the falcon
// ---------------------------------------------------------------- the falcon

// A soft-edged line: the same stroke laid down ever narrower, so it is
// darkest along the path and fades out over `width`.
void SoftStroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width, double alpha, int steps = 8)
{
    p.setBrush(Qt::NoBrush);
    for (int k = steps; k >= 1; --k) {
        p.setPen(QPen(Alpha(colour, alpha / steps), width * k / steps, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
}

struct FalconShapes {
    QPainterPath bird;       ///< head and body in one outline
    QPainterPath breast;     ///< the pale underparts (bird minus hood)
    QPainterPath hood;
    QPainterPath beak;
    QPainterPath lowerMandible;
    QPainterPath cere;
    QPainterPath wing;       ///< folded wing down to the start of the primaries
    QPainterPath tail;
    QPainterPath thigh;
    QPointF eye;
};

FalconShapes MakeShapes()
{
    FalconShapes s;

    s.bird.moveTo(592, 478);
    s.bird.cubicTo(610, 410, 680, 365, 760, 368);
    s.bird.cubicTo(840, 372, 885, 430, 886, 510);
    s.bird.cubicTo(887, 575, 905, 625, 945, 690);
    s.bird.cubicTo(1005, 780, 1035, 890, 1035, 1030);
    s.bird.cubicTo(1035, 1210, 1000, 1390, 950, 1530);
    s.bird.cubicTo(890, 1560, 820, 1568, 760, 1556);
    s.bird.cubicTo(640, 1490, 545, 1370, 515, 1200);
    s.bird.cubicTo(488, 1040, 486, 880, 530, 770);
    s.bird.cubicTo(558, 710, 570, 640, 574, 572);
    s.bird.closeSubpath();

    // Crown, nape, the patch round the eye and the broad moustache stripe.
    s.hood.moveTo(585, 485);
    s.hood.cubicTo(600, 405, 680, 355, 765, 360);
    s.hood.cubicTo(850, 366, 895, 440, 894, 520);
    s.hood.cubicTo(893, 590, 915, 650, 945, 700);
    s.hood.cubicTo(895, 735, 835, 742, 800, 712);
    s.hood.cubicTo(782, 670, 778, 615, 770, 585);
    s.hood.cubicTo(760, 552, 736, 540, 712, 542);
    s.hood.cubicTo(698, 548, 694, 562, 692, 582);
    s.hood.cubicTo(690, 632, 688, 692, 670, 748);
    s.hood.cubicTo(646, 728, 626, 688, 615, 646);
    s.hood.cubicTo(606, 614, 596, 590, 578, 576);
    s.hood.closeSubpath();

    s.breast = s.bird.subtracted(s.hood);
    s.eye = QPointF(655, 480);

    s.cere.moveTo(614, 470);
    s.cere.cubicTo(596, 458, 578, 462, 572, 482);
    s.cere.cubicTo(566, 506, 570, 540, 582, 566);
    s.cere.cubicTo(596, 572, 606, 570, 612, 562);
    s.cere.cubicTo(604, 540, 604, 500, 614, 470);
    s.cere.closeSubpath();

    s.beak.moveTo(582, 470);
    s.beak.cubicTo(548, 462, 520, 486, 510, 528);
    s.beak.cubicTo(503, 562, 506, 594, 520, 618);
    s.beak.cubicTo(522, 602, 528, 590, 538, 584);
    s.beak.cubicTo(544, 586, 547, 592, 549, 594);
    s.beak.cubicTo(552, 584, 556, 578, 562, 574);
    s.beak.lineTo(590, 566);
    s.beak.cubicTo(586, 540, 580, 500, 582, 470);
    s.beak.closeSubpath();

    s.lowerMandible.moveTo(548, 592);
    s.lowerMandible.cubicTo(556, 580, 574, 572, 596, 568);
    s.lowerMandible.cubicTo(598, 582, 592, 596, 580, 602);
    s.lowerMandible.cubicTo(566, 606, 554, 602, 548, 592);
    s.lowerMandible.closeSubpath();

    s.wing.moveTo(800, 640);
    s.wing.cubicTo(950, 680, 1055, 830, 1060, 1040);
    s.wing.cubicTo(1064, 1200, 1050, 1300, 1035, 1380);
    s.wing.cubicTo(960, 1420, 880, 1400, 820, 1340);
    s.wing.cubicTo(780, 1250, 756, 1130, 752, 1000);
    s.wing.cubicTo(750, 880, 760, 760, 800, 640);
    s.wing.closeSubpath();

    s.tail.moveTo(850, 1430);
    s.tail.lineTo(990, 1440);
    s.tail.cubicTo(1005, 1580, 1020, 1720, 1024, 1858);
    s.tail.cubicTo(985, 1888, 905, 1893, 852, 1873);
    s.tail.cubicTo(845, 1730, 840, 1580, 850, 1430);
    s.tail.closeSubpath();

    // The feathered thigh, its lower edge ragged with feather tips.
    s.thigh.moveTo(640, 1420);
    s.thigh.cubicTo(660, 1350, 770, 1330, 830, 1390);
    s.thigh.cubicTo(860, 1430, 858, 1500, 835, 1548);
    const double tipsY[] = {1560, 1568, 1572, 1570, 1562, 1550};
    double x = 835;
    for (double ty : tipsY) {
        s.thigh.quadTo(x - 12, ty + 14, x - 26, ty);
        x -= 26;
    }
    s.thigh.cubicTo(660, 1520, 630, 1470, 640, 1420);
    s.thigh.closeSubpath();
    return s;
}

// One covert or back feather: hidden root above, rounded tip below, a dark
// bar across it and a pale fringe. It throws a little shadow on the feather
// beneath, which was painted before it.
void PaintCovert(QPainter& p, QPointF tip, double w, double h, double tilt, const QColor& base, const QColor& bar,
                 const QColor& fringe)
{
    p.save();
    p.translate(tip);
    p.rotate(tilt);
    QPainterPath f;
    f.moveTo(-w / 2, -h);
    f.lineTo(-w / 2, -h * 0.45);
    f.cubicTo(-w / 2, -h * 0.08, -w * 0.22, 0, 0, 0);
    f.cubicTo(w * 0.22, 0, w / 2, -h * 0.08, w / 2, -h * 0.45);
    f.lineTo(w / 2, -h);
    f.closeSubpath();

    p.fillPath(f.translated(2, 5), QColor(10, 14, 22, 70));
    QLinearGradient g(0, -h, 0, 0);
    g.setColorAt(0.0, base.darker(112));
    g.setColorAt(0.5, base);
    g.setColorAt(0.62, Mix(base, bar, 0.6));
    g.setColorAt(0.72, bar);
    g.setColorAt(0.82, Mix(base, bar, 0.3));
    g.setColorAt(0.93, base.lighter(106));
    g.setColorAt(1.0, fringe);
    p.fillPath(f, g);
    // The shaft.
    p.setPen(QPen(Alpha(bar, 0.45), 1.4));
    p.drawLine(QPointF(0, -h), QPointF(0, -h * 0.12));
    p.restore();
}

void PaintTail(QPainter& p, const FalconShapes& s)
{
    p.save();
    p.setClipPath(s.tail);
    QLinearGradient g(850, 0, 1025, 0);
    g.setColorAt(0, QColor(104, 112, 126));
    g.setColorAt(0.5, QColor(86, 94, 108));
    g.setColorAt(1, QColor(56, 62, 74));
    p.fillPath(s.tail, g);
    // Dark bands across the tail, bowed with its fan.
    for (int band = 0; band < 8; ++band) {
        const double y = 1478 + band * 48;
        QPainterPath b;
        b.moveTo(830, y);
        b.quadTo(935, y + 20, 1040, y + 4);
        b.lineTo(1040, y + 18);
        b.quadTo(935, y + 36, 830, y + 15);
        b.closeSubpath();
        p.fillPath(b, QColor(36, 40, 50, 190));
    }
    // Feather edges, and the pale band at the tip.
    for (int i = 0; i < 5; ++i) {
        const double x0 = 875 + i * 27;
        QPainterPath edge;
        edge.moveTo(x0, 1440);
        edge.lineTo(x0 + i * 6 - 8, 1885);
        SoftStroke(p, edge, QColor(28, 30, 38), 6, 0.3, 3);
    }
    QPainterPath tipBand;
    tipBand.moveTo(830, 1848);
    tipBand.quadTo(935, 1872, 1040, 1838);
    tipBand.lineTo(1040, 1920);
    tipBand.lineTo(830, 1920);
    tipBand.closeSubpath();
    p.fillPath(tipBand, QColor(218, 214, 204, 235));
    SoftStroke(p, s.tail, QColor(20, 22, 30), 18, 0.5, 4);
    p.restore();
}

// The long primaries of the folded wing, the outermost (longest) underneath.
void PaintPrimaries(QPainter& p)
{
    for (int i = 0; i < 6; ++i) {
        const QPointF tip(954 - 7 * i, 1812 - 40 * i);
        const double rootLeft = 805 + 12 * i;
        const double rootRight = 1040 - 10 * i;
        QPainterPath f;
        f.moveTo(rootLeft, 1280);
        f.cubicTo(rootLeft + 40, 1450, tip.x() - 30, tip.y() - 170, tip.x(), tip.y());
        f.cubicTo(tip.x() + 28, tip.y() - 200, rootRight, 1500, rootRight, 1280);
        f.closeSubpath();
        QLinearGradient g(rootLeft, 1400, rootRight, 1420);
        g.setColorAt(0.0, QColor(84, 90, 104));
        g.setColorAt(0.3, QColor(58, 62, 74));
        g.setColorAt(1.0, QColor(30, 32, 40));
        p.fillPath(f, g);
        // The pale outer edge.
        p.save();
        p.setClipPath(f);
        QPainterPath edge;
        edge.moveTo(rootLeft, 1280);
        edge.cubicTo(rootLeft + 40, 1450, tip.x() - 30, tip.y() - 170, tip.x(), tip.y());
        SoftStroke(p, edge, QColor(150, 158, 172), 8, 0.6, 3);
        p.restore();
        SoftStroke(p, f, QColor(14, 16, 22), 6, 0.5, 3);
    }
}

void PaintBreast(QPainter& p, const FalconShapes& s)
{
    p.save();
    p.setClipPath(s.bird);
    QLinearGradient g(0, 560, 0, 1540);
    g.setColorAt(0.0, QColor(248, 245, 236));
    g.setColorAt(0.35, QColor(240, 230, 210));
    g.setColorAt(1.0, QColor(222, 200, 168));
    p.fillPath(s.bird, g);

    // Fine drops on the upper breast, bars below that bow with the
    // roundness of the breast.
    ArtworkRandom rng(0xBA22ED);
    for (double y = 780; y < 1560; y += 21) {
        const double t = (y - 780) / 780.0;
        const double stagger = (static_cast<int>(y) / 21 % 2) * 19;
        for (double x = 490 + stagger; x < 900; x += 38) {
            const double jx = x + rng.Uniform(-9, 9);
            const double jy = y + rng.Uniform(-5, 5);
            const QColor mark(54 + static_cast<int>(rng.Uniform(0, 22)), 46, 44);
            if (t < 0.22) {
                if (rng.Uniform(0, 1) < 0.25 + t * 3)
                    SoftBlob(p, QPointF(jx, jy), 4 + t * 22, 8 + t * 24, mark, 0.85);
                continue;
            }
            const double w = rng.Uniform(20, 28) + 12 * t;
            const double h = 6 + 6 * t;
            const double bow = (jx - 720) / 380.0 * 14;
            QPainterPath bar;
            bar.moveTo(jx - w / 2, jy - bow);
            bar.quadTo(jx, jy + h * 1.1, jx + w / 2, jy + bow);
            bar.quadTo(jx, jy + h * 0.25, jx - w / 2, jy - bow);
            p.fillPath(bar, Alpha(mark, rng.Uniform(0.7, 0.9)));
        }
    }
    // Soft feather texture.
    for (int i = 0; i < 900; ++i) {
        const QPointF at(rng.Uniform(500, 960), rng.Uniform(560, 1540));
        QPainterPath tuft;
        tuft.moveTo(at);
        tuft.quadTo(at + QPointF(4, 8), at + QPointF(2, 18));
        p.setPen(QPen(rng.Uniform(0, 1) < 0.5 ? QColor(255, 255, 250, 70) : QColor(150, 130, 110, 45), 2));
        p.drawPath(tuft);
    }

    // Light from the upper left; shade under the chin, towards the back and
    // the belly, and round the edge of the body.
    QRadialGradient light(QPointF(600, 820), 700);
    light.setColorAt(0.0, QColor(255, 252, 240, 70));
    light.setColorAt(0.45, QColor(255, 252, 240, 0));
    light.setColorAt(0.8, QColor(60, 50, 60, 60));
    light.setColorAt(1.0, QColor(40, 34, 44, 150));
    p.fillPath(s.bird, light);
    SoftStroke(p, s.bird, QColor(60, 48, 50), 70, 0.55);
    QPainterPath chin;
    chin.moveTo(575, 690);
    chin.cubicTo(620, 740, 700, 760, 800, 730);
    SoftStroke(p, chin, QColor(110, 96, 90), 40, 0.25);
    p.restore();
}

void PaintThigh(QPainter& p, const FalconShapes& s)
{
    // Shadow of the thigh on the belly.
    p.save();
    p.setClipPath(s.bird);
    p.fillPath(s.thigh.translated(14, -8), QColor(70, 54, 50, 60));
    p.restore();

    p.save();
    p.setClipPath(s.thigh);
    QLinearGradient g(640, 1340, 830, 1570);
    g.setColorAt(0, QColor(236, 220, 192));
    g.setColorAt(1, QColor(196, 170, 138));
    p.fillPath(s.thigh, g);
    ArtworkRandom rng(0x7416);
    for (double y = 1352; y < 1580; y += 17) {
        for (double x = 630 + (static_cast<int>(y) / 17 % 2) * 14; x < 860; x += 29) {
            const double jx = x + rng.Uniform(-5, 5);
            QPainterPath bar;
            bar.moveTo(jx - 12, y);
            bar.quadTo(jx, y + 9, jx + 12, y + 2);
            bar.quadTo(jx, y + 4, jx - 12, y);
            p.fillPath(bar, QColor(62, 52, 48, 200));
        }
    }
    QRadialGradient shade(QPointF(700, 1410), 230);
    shade.setColorAt(0.0, QColor(255, 250, 240, 40));
    shade.setColorAt(0.55, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(40, 30, 30, 120));
    p.fillPath(s.thigh, shade);
    SoftStroke(p, s.thigh, QColor(70, 56, 50), 24, 0.5, 4);
    p.restore();
}

void PaintWing(QPainter& p, const FalconShapes& s)
{
    const QColor slate(88, 100, 120);
    const QColor bar(46, 52, 66);
    const QColor fringe(150, 162, 178);

    // The back behind the wing is slate too, where it shows past the wing.
    QPainterPath behind;
    behind.moveTo(790, 600);
    behind.lineTo(1120, 600);
    behind.lineTo(1120, 1600);
    behind.lineTo(900, 1600);
    behind.lineTo(820, 1340);
    behind.closeSubpath();
    const QPainterPath mantle = s.bird.intersected(behind);
    QLinearGradient back(800, 700, 1040, 1000);
    back.setColorAt(0, QColor(78, 88, 106));
    back.setColorAt(1, QColor(40, 46, 58));
    p.fillPath(mantle, back);

    // The folded wing shades the flank beside it.
    p.save();
    p.setClipPath(s.bird);
    SoftStroke(p, s.wing, QColor(40, 32, 40), 60, 0.45);
    p.restore();

    p.save();
    p.setClipPath(s.wing);
    p.fillPath(s.wing, QColor(60, 68, 82));

    // Coverts, scapulars and tertials in overlapping rows, lowest first so
    // each row lies over the one below it. They grow and lean back down the wing.
    ArtworkRandom rng(0xC0BE27);
    for (double y = 1440; y >= 620; y -= 28) {
        const double t = (y - 620) / 820.0;
        const double w = 46 + 50 * t;
        const double h = 52 + 60 * t;
        const double stagger = (static_cast<int>(y) / 28 % 2) * w * 0.5;
        for (double x = 730 + stagger; x < 1100; x += w * 0.85) {
            const QColor base = Mix(slate, QColor(116, 128, 146), rng.Uniform(-0.1, 0.6) - 0.2 * t);
            const double size = rng.Uniform(0.85, 1.15);
            PaintCovert(p, QPointF(x + rng.Uniform(-8, 8), y + rng.Uniform(-8, 8)), w * size, h * size,
                        rng.Uniform(-10, 6) - 6 * t, base, bar, fringe);
        }
    }

    // Roundness of the folded wing: lit at the shoulder, dark at the back.
    QLinearGradient shade(760, 700, 1060, 1300);
    shade.setColorAt(0.0, QColor(230, 236, 246, 80));
    shade.setColorAt(0.35, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(10, 12, 20, 130));
    p.fillPath(s.wing, shade);
    SoftStroke(p, s.wing, QColor(16, 18, 26), 40, 0.6);
    p.restore();
}

void PaintHead(QPainter& p, const FalconShapes& s)
{
    p.save();
    p.setClipPath(s.hood);
    QLinearGradient hood(620, 380, 880, 720);
    hood.setColorAt(0.0, QColor(70, 78, 94));
    hood.setColorAt(0.35, QColor(44, 48, 60));
    hood.setColorAt(1.0, QColor(26, 28, 36));
    p.fillPath(s.hood, hood);

    // Fine feathering over the hood.
    ArtworkRandom rng(0x400D);
    for (int i = 0; i < 700; ++i) {
        const QPointF at(rng.Uniform(570, 950), rng.Uniform(350, 750));
        QPainterPath tuft;
        tuft.moveTo(at);
        tuft.quadTo(at + QPointF(6, 3), at + QPointF(10, 9));
        p.setPen(QPen(rng.Uniform(0, 1) < 0.5 ? QColor(110, 122, 144, 55) : QColor(8, 10, 16, 60), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tuft);
    }
    // Sheen on the crown, and the soft edge where the hood meets the cheek.
    QRadialGradient sheen(QPointF(700, 410), 170);
    sheen.setColorAt(0, QColor(190, 205, 228, 80));
    sheen.setColorAt(1, QColor(190, 205, 228, 0));
    p.fillPath(s.hood, sheen);
    p.restore();

    p.save();
    p.setClipPath(s.bird);
    SoftStroke(p, s.hood, QColor(40, 44, 56), 8, 0.6, 3);
    p.restore();

    // Shadow of the brow over the eye.
    SoftBlob(p, s.eye + QPointF(4, -26), 60, 28, QColor(10, 12, 16), 0.5);

    // Eye: a dark iris in a bare yellow ring.
    const QPointF e = s.eye;
    p.setPen(Qt::NoPen);
    QRadialGradient ring(e + QPointF(-8, -8), 52);
    ring.setColorAt(0.5, QColor(250, 214, 84));
    ring.setColorAt(1.0, QColor(206, 150, 34));
    p.setBrush(ring);
    p.drawEllipse(e, 45, 42);
    p.setBrush(QColor(120, 80, 30, 120));
    p.drawEllipse(e, 35, 34);
    QRadialGradient iris(e + QPointF(-6, -6), 36);
    iris.setColorAt(0, QColor(66, 42, 28));
    iris.setColorAt(0.6, QColor(24, 16, 12));
    iris.setColorAt(1, QColor(6, 5, 5));
    p.setBrush(iris);
    p.drawEllipse(e, 31, 30);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(e + QPointF(-11, -12), 8, 6);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawEllipse(e + QPointF(13, 12), 4, 3);

    // Cere with its nostril, then the beak over it.
    QLinearGradient cere(570, 460, 610, 570);
    cere.setColorAt(0, QColor(252, 216, 86));
    cere.setColorAt(1, QColor(210, 156, 36));
    p.fillPath(s.cere, cere);
    p.setBrush(QColor(30, 22, 16));
    p.drawEllipse(QPointF(597, 503), 7, 8);
    p.setBrush(QColor(150, 110, 40));
    p.drawEllipse(QPointF(597, 504), 2.5, 3);

    QLinearGradient lower(548, 570, 596, 600);
    lower.setColorAt(0, QColor(120, 126, 138));
    lower.setColorAt(1, QColor(196, 176, 110));
    p.fillPath(s.lowerMandible, lower);
    QLinearGradient beak(585, 470, 512, 615);
    beak.setColorAt(0.0, QColor(168, 178, 194));
    beak.setColorAt(0.45, QColor(112, 120, 138));
    beak.setColorAt(0.8, QColor(42, 44, 52));
    beak.setColorAt(1.0, QColor(16, 16, 20));
    p.fillPath(s.beak, beak);
    p.setPen(QPen(QColor(18, 18, 24, 210), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(s.beak);
    p.drawPath(s.lowerMandible);
    QPainterPath highlight;
    highlight.moveTo(576, 478);
    highlight.cubicTo(554, 474, 530, 492, 521, 526);
    SoftStroke(p, highlight, QColor(235, 240, 248), 9, 0.7, 3);
}

QPainterPath BranchPath()
{
    QPainterPath branch;
    branch.moveTo(-20, 1622);
    branch.cubicTo(300, 1600, 600, 1570, 900, 1545);
    branch.cubicTo(1100, 1528, 1300, 1498, 1510, 1462);
    branch.lineTo(1510, 1596);
    branch.cubicTo(1300, 1630, 1100, 1660, 900, 1678);
    branch.cubicTo(600, 1700, 300, 1735, -20, 1775);
    branch.closeSubpath();
    return branch;
}

// A dead branch across the picture, and a broken side twig.
void PaintBranch(QPainter& p, const QPainterPath& keepClear)
{
    const QPainterPath branch = BranchPath();
    QPainterPath twig;
    twig.moveTo(1138, 1540);
    twig.cubicTo(1210, 1450, 1320, 1330, 1432, 1242);
    twig.lineTo(1440, 1238);
    twig.lineTo(1446, 1252);
    twig.lineTo(1441, 1258);
    twig.cubicTo(1340, 1350, 1250, 1460, 1196, 1548);
    twig.closeSubpath();
    QPainterPath fork;
    fork.moveTo(1318, 1350);
    fork.cubicTo(1350, 1346, 1390, 1360, 1430, 1384);
    fork.lineTo(1426, 1394);
    fork.cubicTo(1390, 1378, 1350, 1370, 1308, 1372);
    fork.closeSubpath();
    twig = twig.united(fork);

    QPainterPath clip;
    clip.addRect(QRectF(-50, 1200, W + 100, H));
    clip = clip.subtracted(keepClear);

    p.save();
    p.setClipPath(clip);

    // The twig first, with light on its upper side.
    QLinearGradient tg(1262, 1388, 1290, 1416);
    tg.setColorAt(0, QColor(176, 160, 140));
    tg.setColorAt(0.5, QColor(112, 96, 82));
    tg.setColorAt(1, QColor(60, 50, 42));
    p.fillPath(twig, tg);
    p.save();
    p.setClipPath(twig, Qt::IntersectClip);
    SoftStroke(p, twig, QColor(30, 24, 20), 10, 0.5, 3);
    p.restore();

    p.fillPath(branch, Qt::black);
    QLinearGradient g(0, 1500, 0, 1760);
    g.setColorAt(0.0, QColor(178, 164, 146));
    g.setColorAt(0.25, QColor(128, 112, 96));
    g.setColorAt(0.6, QColor(88, 74, 62));
    g.setColorAt(1.0, QColor(44, 36, 30));
    p.save();
    p.setClipPath(branch, Qt::IntersectClip);
    p.fillPath(branch, g);

    // Weathered grain and cracks along the branch.
    ArtworkRandom rng(0xB2A4C4);
    for (int i = 0; i < 420; ++i) {
        const double x = rng.Uniform(-80, 1500);
        const double off = rng.Uniform(-0.05, 1.05);
        const double slope = 0.105;
        const double y = 1622 - x * slope + off * 140;
        const double len = rng.Uniform(50, 240);
        const double r = rng.Uniform(0, 1);
        const QColor c = r < 0.55 ? QColor(36, 28, 22) : (r < 0.85 ? QColor(206, 192, 172) : QColor(110, 120, 90));
        const double a = r < 0.55 ? 0.5 : 0.3;
        QPainterPath line;
        line.moveTo(x, y);
        line.quadTo(x + len / 2, y - len * slope / 2 + rng.Uniform(-5, 5), x + len, y - len * slope);
        SoftStroke(p, line, c, rng.Uniform(2, 6), a, 2);
    }
    // A knot.
    SoftBlob(p, QPointF(330, 1668), 46, 22, QColor(40, 30, 24), 0.7);
    SoftBlob(p, QPointF(326, 1662), 26, 11, QColor(190, 176, 156), 0.6);
    SoftStroke(p, branch, QColor(20, 16, 12), 30, 0.35, 4);
    p.restore();
    p.restore();
}

void PaintFeet(QPainter& p)
{
    const QColor skin(238, 192, 58);
    const QColor skinDark(170, 122, 28);

    // Shadow of the feet and belly on the bark.
    SoftBlob(p, QPointF(760, 1590), 150, 34, QColor(20, 14, 10), 0.45);

    struct Toe {
        QPointF from, ctrl, to;
        double width;
    };
    const Toe toes[] = {
        // left foot: outer, middle and inner toe fanning over the bark
        {{690, 1552}, {652, 1562}, {640, 1596}, 19},
        {{708, 1556}, {694, 1586}, {698, 1618}, 21},
        {{728, 1554}, {748, 1574}, {748, 1606}, 18},
        // right foot, half behind the left
        {{792, 1548}, {778, 1570}, {784, 1600}, 18},
        {{810, 1546}, {830, 1562}, {832, 1594}, 17},
    };
    for (const Toe& t : toes) {
        QPainterPath toe;
        toe.moveTo(t.from);
        toe.quadTo(t.ctrl, t.to);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(skinDark, t.width + 6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(toe);
        p.setPen(QPen(skin, t.width, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(toe);
        SoftStroke(p, toe.translated(-3, -3), QColor(255, 240, 170), 6, 0.7, 3);
        // Scales across the toe.
        for (double k = 0.2; k < 0.9; k += 0.16) {
            const QPointF a = t.from * (1 - k) * (1 - k) + t.ctrl * 2 * k * (1 - k) + t.to * k * k;
            const QPointF d = (t.ctrl - t.from) * 2 * (1 - k) + (t.to - t.ctrl) * 2 * k;
            const double len = std::hypot(d.x(), d.y());
            const QPointF n(-d.y() / len, d.x() / len);
            p.setPen(QPen(Alpha(skinDark, 0.6), 1.6));
            p.drawLine(a + n * (t.width * 0.45), a - n * (t.width * 0.45));
        }
        // The talon hooks into the bark.
        const QPointF d = t.to - t.ctrl;
        const double len = std::hypot(d.x(), d.y());
        const QPointF u(d.x() / len, d.y() / len);
        const QPointF n(-u.y(), u.x());
        QPainterPath claw;
        claw.moveTo(t.to + n * 8);
        claw.quadTo(t.to + u * 26 + n * 4, t.to + u * 20 - n * 16);
        claw.quadTo(t.to + u * 10, t.to - n * 8);
        claw.closeSubpath();
        p.setPen(Qt::NoPen);
        p.fillPath(claw, QColor(22, 20, 22));
    }
}

} // namespace

QImage PaintFalcon()
{
    QImage image(FalconWidth, FalconHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    PaintSky(p);
    PaintClouds(p);
    PaintHills(p);

    // The tail and the wing tips hang behind the branch; the belly and the
    // feet are in front of it.
    const FalconShapes s = MakeShapes();
    PaintTail(p, s);
    PaintPrimaries(p);
    PaintBreast(p, s);
    PaintThigh(p, s);
    PaintWing(p, s);
    PaintHead(p, s);
    PaintBranch(p, s.bird.united(s.thigh));
    PaintFeet(p);

    // The lens darkens the corners a little.
    QRadialGradient vignette(QPointF(W * 0.5, H * 0.45), H * 0.75);
    vignette.setColorAt(0.0, QColor(0, 0, 0, 0));
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 10, 30, 70));
    p.fillRect(QRectF(0, 0, W, H), vignette);
    p.end();
    return image;
}

std::vector<std::uint8_t> FalconPixels()
{
    const QImage image = PaintFalcon().convertToFormat(QImage::Format_RGB888);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(FalconWidth) * FalconHeight * 3);
    for (int y = 0; y < FalconHeight; ++y) {
        const uchar* src = image.constScanLine(y);
        std::uint8_t* dst = pixels.data() + static_cast<std::size_t>(y) * FalconWidth * 3;
        for (int x = 0; x < FalconWidth; ++x) {
            // Luminance grain, as on film: it keeps the large smooth areas
            // from looking flat and from banding when scaled down.
            const double grain = GrainAt(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), 1) * 3.0;
            for (int c = 0; c < 3; ++c) {
                const double v = src[x * 3 + c] + grain;
                dst[x * 3 + c] = static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
            }
        }
    }
    return pixels;
}

std::vector<std::uint8_t> FalconJpeg()
{
    const std::vector<std::uint8_t> pixels = FalconPixels();
    return EncodeJpeg(pixels.data(), FalconWidth, FalconHeight, JpegWriteOptions{FalconJpegQuality, false, false});
}

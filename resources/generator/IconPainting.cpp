#include "IconPainting.h"

#include <cmath>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor Navy(0, 0, 128);
const QColor Yellow(255, 255, 0);
const QColor Grain(244, 200, 82);
const QColor GrainDark(168, 112, 24);
const QColor GrainLight(255, 238, 170);

// One kernel of the ear: a plump grain pointing up along the ear, leaning
// out to one side by `lean` degrees.
void PaintKernel(QPainter& p, QPointF base, double lean, double length, double width, bool outline)
{
    p.save();
    p.translate(base);
    p.rotate(lean);
    QPainterPath k;
    k.moveTo(0, 0);
    k.cubicTo(width * 0.65, -length * 0.08, width * 0.6, -length * 0.8, 0, -length);
    k.cubicTo(-width * 0.6, -length * 0.8, -width * 0.65, -length * 0.08, 0, 0);
    k.closeSubpath();
    QLinearGradient g(-width / 2, 0, width / 2, 0);
    g.setColorAt(0.0, GrainLight);
    g.setColorAt(0.45, Grain);
    g.setColorAt(1.0, GrainDark);
    p.setBrush(g);
    p.setPen(outline ? QPen(QColor(110, 70, 10), length * 0.05) : QPen(Qt::NoPen));
    p.drawPath(k);
    if (outline) {
        // The crease down the middle of the grain.
        p.setPen(QPen(QColor(150, 98, 20, 180), length * 0.035, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -length * 0.18), QPointF(0, -length * 0.8));
    }
    p.restore();
}

} // namespace

QImage PaintIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    const bool detailed = size >= 32;

    // Yellow rim round a navy disc, lit softly from the upper left.
    p.setPen(Qt::NoPen);
    p.setBrush(Yellow);
    p.drawEllipse(QRectF(2, 2, 252, 252));
    QRadialGradient disc(QPointF(100, 90), 190);
    disc.setColorAt(0.0, QColor(30, 40, 170));
    disc.setColorAt(1.0, Navy);
    p.setBrush(disc);
    const double rim = detailed ? 16 : 24;
    p.drawEllipse(QRectF(2 + rim, 2 + rim, 252 - 2 * rim, 252 - 2 * rim));

    // An ear of wheat leaning to the right: stalk, kernels in alternate
    // pairs up the ear, and the long awns.
    QPainterPath inside;
    inside.addEllipse(QRectF(2 + rim + 4, 2 + rim + 4, 252 - 2 * rim - 8, 252 - 2 * rim - 8));
    p.setClipPath(inside);
    p.translate(134, 150);
    p.rotate(28);
    p.scale(0.82, 0.82);
    const QPointF stalkFoot(0, 104);
    const QPointF earFoot(0, 30);
    p.setPen(QPen(Grain, detailed ? 9 : 16, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(stalkFoot, earFoot);

    const int rows = detailed ? 5 : 3;
    const double step = detailed ? 22 : 34;
    const double kernelLength = detailed ? 40 : 58;
    const double kernelWidth = detailed ? 26 : 38;
    if (size >= 48) {
        p.setPen(QPen(GrainLight, 3, Qt::SolidLine, Qt::RoundCap));
        for (int row = 0; row < rows; ++row) {
            const double y = earFoot.y() - row * step;
            for (int side : {-1, 1}) {
                const double lean = side * (30 - row * 3);
                const double rad = (lean - 90) * 3.14159265358979 / 180.0;
                const QPointF tip(side * 5 + std::cos(rad) * kernelLength, y + std::sin(rad) * kernelLength);
                const QPointF end = tip + QPointF(std::cos(rad), std::sin(rad)) * 40;
                p.drawLine(tip, end);
            }
        }
        p.drawLine(QPointF(0, earFoot.y() - rows * step - 20), QPointF(0, earFoot.y() - rows * step - 70));
    }
    for (int row = 0; row < rows; ++row) {
        const double y = earFoot.y() - row * step;
        for (int side : {-1, 1})
            PaintKernel(p, QPointF(side * 5, y), side * (30 - row * 3), kernelLength, kernelWidth, detailed);
    }
    PaintKernel(p, QPointF(0, earFoot.y() - rows * step + 6), 0, kernelLength, kernelWidth, detailed);
    p.end();
    return image;
}

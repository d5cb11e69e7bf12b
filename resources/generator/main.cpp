// sorvita-artwork OUTDIR [--preview PREVIEWDIR]
//
// Writes the pictures the program embeds: falcon.jpg, panel.bmp,
// startpage.bmp and the icon PNGs. The output depends on nothing but this
// source, so every build embeds the same bytes. With --preview it also writes
// the pictures at the sizes the windows show them, for looking at.

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>

#include "FalconPainting.h"
#include "IconPainting.h"
#include "JpegWriter.h"
#include "PanelRules.h"

namespace {

constexpr int IconSizes[] = {256, 48, 32, 16};

QString IconName(int size)
{
    return size == 256 ? QStringLiteral("sorvita.png") : QStringLiteral("sorvita-%1.png").arg(size);
}

void SavePng(const QImage& image, const QString& path)
{
    if (!image.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void WritePreviews(const QDir& dir)
{
    const std::vector<std::uint8_t> grained = FalconPixels();
    const QImage withGrain(grained.data(), FalconWidth, FalconHeight, FalconWidth * 3, QImage::Format_RGB888);
    SavePng(withGrain.scaled(449, 585, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
            dir.filePath("falcon-quiz-449x585.png"));
    SavePng(withGrain.scaled(408, 545, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
            dir.filePath("falcon-intro-408x545.png"));
    SavePng(withGrain.copy(400, 300, 700, 700), dir.filePath("falcon-head-detail.png"));
    SavePng(withGrain.copy(500, 1200, 700, 700), dir.filePath("falcon-feet-detail.png"));

    const std::vector<std::uint8_t> panel = PanelPixels();
    const QImage panelImage(panel.data(), PanelWidth, PanelHeight, PanelWidth * 3, QImage::Format_RGB888);
    SavePng(panelImage.scaled(321, 585), dir.filePath("panel-321x585.png"));

    QImage sheet(256 + 48 + 32 + 16 + 50, 256, QImage::Format_ARGB32);
    sheet.fill(QColor(200, 200, 200));
    {
        QPainter p(&sheet);
        int x = 0;
        for (int size : IconSizes) {
            p.drawImage(x, 0, PaintIcon(size));
            x += size + 10;
        }
    }
    SavePng(sheet, dir.filePath("icons.png"));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--preview")) {
        std::fprintf(stderr, "usage: sorvita-artwork OUTDIR [--preview PREVIEWDIR]\n");
        return 2;
    }
    try {
        const QDir out(QString::fromLocal8Bit(argv[1]));
        if (!out.mkpath("."))
            throw std::runtime_error(std::string("cannot create ") + argv[1]);

        WriteFileBytes(out.filePath("falcon.jpg").toStdString(), FalconJpeg());

        const std::vector<std::uint8_t> panel = PanelPixels();
        const std::vector<std::uint8_t> bmp = EncodeBmp24(panel.data(), PanelWidth, PanelHeight);
        WriteFileBytes(out.filePath("panel.bmp").toStdString(), bmp);
        WriteFileBytes(out.filePath("startpage.bmp").toStdString(), bmp);

        for (int size : IconSizes)
            SavePng(PaintIcon(size), out.filePath(IconName(size)));

        if (argc == 4) {
            const QDir previews(QString::fromLocal8Bit(argv[3]));
            if (!previews.mkpath("."))
                throw std::runtime_error(std::string("cannot create ") + argv[3]);
            WritePreviews(previews);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sorvita-artwork: %s\n", e.what());
        return 1;
    }
    return 0;
}

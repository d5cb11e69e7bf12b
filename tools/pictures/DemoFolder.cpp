#include "DemoFolder.h"

#include <algorithm>
#include <stdexcept>

#include <QImage>
#include <QPainter>

#include "DemoPictures.h"
#include "JpegWriter.h"
#include "PictureSet.h"

namespace {

QImage DrawExpected(const ExpectedPicture& picture)
{
    if (picture.seed >= 0)
        return DrawSeedPicture(picture.seed, picture.view);
    return DrawPlaceholder(picture.view == 2 ? PlaceholderKind::View2 : PlaceholderKind::Views01);
}

} // namespace

void WriteDemoFolder(const std::filesystem::path& folder, const FolderProgress& progress)
{
    std::error_code error;
    for (int view = 0; view < ViewCount; ++view) {
        std::filesystem::create_directories(folder / std::to_string(view), error);
        if (error)
            throw std::runtime_error("cannot create folder " + (folder / std::to_string(view)).string() + ": " +
                                     error.message());
    }
    const auto& expected = ExpectedPictures();
    const int total = static_cast<int>(expected.size());
    int done = 0;
    for (const ExpectedPicture& picture : expected) {
        WriteFileBytes((folder / picture.path).string(), EncodeImageJpeg(DrawExpected(picture)));
        if (progress)
            progress(++done, total);
    }
}

QImage DrawContactSheet(int first, int count)
{
    constexpr int Gap = 6;
    int rowWidth = Gap;
    int rowHeight = 0;
    for (const SlotBox& box : SlotBoxes) {
        rowWidth += box.width + Gap;
        rowHeight = std::max(rowHeight, box.height);
    }
    QImage sheet(rowWidth, Gap + count * (rowHeight + Gap), QImage::Format_RGB32);
    sheet.fill(QColor(40, 40, 40));
    QPainter p(&sheet);
    for (int i = 0; i < count; ++i) {
        const int seed = first + i;
        int x = Gap;
        for (int view = 0; view < ViewCount; ++view) {
            p.drawImage(x, Gap + i * (rowHeight + Gap), DrawSeedPicture(seed, view));
            x += SlotBoxes[static_cast<std::size_t>(view)].width + Gap;
        }
    }
    return sheet;
}

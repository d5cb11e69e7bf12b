#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include "ArtworkPaths.h"

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

class EmbeddedArtworkTest : public ::testing::TestWithParam<const char*> {};

// Nothing in this executable calls Q_INIT_RESOURCE: linking the library is
// all it takes, and what is embedded is the generator's output unchanged.
TEST_P(EmbeddedArtworkTest, IsRegisteredAndHoldsTheGeneratedBytes)
{
    const QString resource = QString::fromLatin1(GetParam());
    ASSERT_TRUE(QFile::exists(resource)) << GetParam();
    const QString generated = QDir(QStringLiteral(SORVITA_ARTWORK_DIR)).filePath(resource.section('/', -1));
    const QByteArray bytes = ReadAll(resource);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes == ReadAll(generated)) << "differs from " << generated.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Artwork, EmbeddedArtworkTest,
                         ::testing::Values(FalconArtworkPath, PanelArtworkPath, StartPageArtworkPath, IconArtworkPath,
                                           IconArtworkSizes[1], IconArtworkSizes[2], IconArtworkSizes[3]),
                         [](const auto& info) {
                             return QString::fromLatin1(info.param).section('/', -1).replace('.', '_').replace('-', '_')
                                 .toStdString();
                         });

TEST(EmbeddedArtwork, ReportsItselfAvailable)
{
    EXPECT_TRUE(ArtworkAvailable());
}

} // namespace

#include "ArtworkPaths.h"

#include <QFile>

bool ArtworkAvailable()
{
    return QFile::exists(QString::fromLatin1(FalconArtworkPath));
}

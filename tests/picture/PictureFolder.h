#pragma once

#include <string>

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include "JpegFixtures.h"
#include "JpegWriter.h"

// A temporary folder made the current directory, as the quiz's picture folder
// is found relative to it. The previous directory comes back at the end.
class PictureFolder {
public:
    PictureFolder() : previous_(QDir::currentPath())
    {
        QDir::setCurrent(dir_.path());
    }
    ~PictureFolder() { QDir::setCurrent(previous_); }
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;

    bool IsValid() const { return dir_.isValid(); }

    // Writes `bytes` at a path relative to the folder, making its folders.
    void Write(const std::string& relativePath, const Bytes& bytes) const
    {
        const QString path = QString::fromStdString(relativePath);
        QDir(dir_.path()).mkpath(QFileInfo(path).path());
        WriteFileBytes(dir_.filePath(path).toStdString(), bytes);
    }

    void MakeFolder(const std::string& relativePath) const
    {
        QDir(dir_.path()).mkpath(QString::fromStdString(relativePath));
    }

private:
    QString previous_;
    QTemporaryDir dir_;
};

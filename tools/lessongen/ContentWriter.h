#pragma once

#include <QDir>
#include <QImage>
#include <QString>

// Writes every generated picture below the source folder: lesson bitmaps and the pointer into
// resources/, the windows' artwork into resources/art/, the contact sheets into docs/.
class ContentWriter {
public:
    explicit ContentWriter(const QString& sourceRoot);

    bool writeAll();

private:
    bool writeCursor();
    bool savePicture(const QImage& image, const QString& relativePath, int quality = -1);

    QDir m_root;
};

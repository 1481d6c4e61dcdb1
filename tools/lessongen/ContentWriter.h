// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Lesson.h"

#include <QDir>
#include <QImage>
#include <QString>

// Writes every generated picture below the source folder: lesson bitmaps with their pen paths and the
// pointer into resources/, the windows' artwork into resources/art/, the contact sheets into docs/.
class ContentWriter {
public:
    explicit ContentWriter(const QString& sourceRoot);

    bool writeAll();

private:
    bool writeCursor();
    bool writeLessons(const QList<Lesson>& lessons);
    bool writeContactSheets(const QList<Lesson>& lessons);
    bool writeDrawWindowArt();
    bool writeFlags();
    bool writeColorWindowArt();
    bool writeOtherWindowArt(const QList<Lesson>& lessons);
    bool writeIcons();
    bool saveText(const QString& text, const QString& relativePath);
    bool savePicture(const QImage& image, const QString& relativePath, int quality = -1);

    // Lessons whose steps the README shows, easy to hard.
    inline static const QList<int> StepSheetLessons{1, 9, 20, 33, 42};
    static constexpr int JpegQuality = 90;

    QDir m_root;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContentWriter.h"

#include "ArtStyle.h"
#include "ColorWindowArt.h"
#include "ContactSheet.h"
#include "CursorArt.h"
#include "FlagArt.h"
#include "InfoArt.h"
#include "LessonCatalog.h"
#include "LessonPainter.h"
#include "LogoArt.h"
#include "PenPaths.h"
#include "Rle8BmpWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcLessongen, "pinsola.lessongen")

ContentWriter::ContentWriter(const QString& sourceRoot) : m_root(sourceRoot) {}

bool ContentWriter::writeAll() {
    const QList<Lesson> lessons = LessonCatalog::all();
    return writeCursor() && writeLessons(lessons) && writeContactSheets(lessons) && writeDrawWindowArt() &&
           writeFlags() && writeColorWindowArt() && writeOtherWindowArt(lessons) && writeIcons();
}

bool ContentWriter::writeDrawWindowArt() {
    return savePicture(ArtStyle::background(QSize(1024, 768), 7),
                       QStringLiteral("resources/art/frmDraw/background.jpg"), JpegQuality) &&
           savePicture(LogoArt::logo(QStringLiteral("Blumen malen lernen, Schritt für Schritt")),
                       QStringLiteral("resources/art/frmDraw/logo0.png")) &&
           savePicture(LogoArt::logo(QStringLiteral("Learn to draw flowers, step by step")),
                       QStringLiteral("resources/art/frmDraw/logo1.png")) &&
           saveText(QStringLiteral("Pinsola © 2026 · pinsola.example.org"),
                    QStringLiteral("resources/art/frmDraw/copyright.txt"));
}

bool ContentWriter::writeFlags() {
    for (int language : {0, 1, 2, 3, 4, 6}) {
        if (!savePicture(FlagArt::flag(language), QStringLiteral("resources/art/flags/%1.png").arg(language)))
            return false;
    }
    return true;
}

bool ContentWriter::writeColorWindowArt() {
    return savePicture(ColorWindowArt::palette(), QStringLiteral("resources/art/frmColor/palette.png")) &&
           savePicture(ArtStyle::background(QSize(609, 239), 11),
                       QStringLiteral("resources/art/frmColor/background.jpg"), JpegQuality) &&
           savePicture(ColorWindowArt::rail(), QStringLiteral("resources/art/frmColor/rail.png")) &&
           savePicture(ColorWindowArt::thumb(), QStringLiteral("resources/art/frmColor/thumb.png")) &&
           savePicture(ColorWindowArt::brushPointer(), QStringLiteral("resources/art/frmColor/pointer.png"));
}

bool ContentWriter::writeOtherWindowArt(const QList<Lesson>& lessons) {
    return savePicture(ArtStyle::background(QSize(440, 420), 5),
                       QStringLiteral("resources/art/frmPreview/background.jpg"), JpegQuality) &&
           savePicture(LogoArt::emblem(128), QStringLiteral("resources/art/frmInfo/picture0.png")) &&
           savePicture(InfoArt::flowerRow(lessons, {3, 4, 9, 26, 42}, QSize(320, 80)),
                       QStringLiteral("resources/art/frmInfo/picture1.png")) &&
           savePicture(LogoArt::buttonLibraryLogo(64), QStringLiteral("resources/art/brizel/logo.png"));
}

bool ContentWriter::writeIcons() {
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        if (!savePicture(LogoArt::emblem(size),
                         QStringLiteral("resources/art/icon/pinsola-%1.png").arg(size)))
            return false;
    }
    return true;
}

bool ContentWriter::writeLessons(const QList<Lesson>& lessons) {
    if (!m_root.mkpath(QStringLiteral("resources/bitmap")))
        return false;
    for (int i = 0; i < lessons.size(); ++i) {
        const QString path = m_root.filePath(QStringLiteral("resources/bitmap/%1.bmp").arg(101 + i));
        const QImage bitmap = LessonPainter::paintBitmap(lessons[i]);
        if (!Rle8BmpWriter::save(bitmap, path)) {
            qCWarning(lcLessongen) << "cannot write" << path;
            return false;
        }
        if (!saveText(PenPaths::text(lessons[i], bitmap),
                      QStringLiteral("resources/bitmap/%1.strokes").arg(101 + i)))
            return false;
    }
    return true;
}

bool ContentWriter::writeContactSheets(const QList<Lesson>& lessons) {
    return savePicture(ContactSheet::finishedFlowers(lessons), QStringLiteral("docs/lessons.png")) &&
           savePicture(ContactSheet::steps(lessons, StepSheetLessons),
                       QStringLiteral("docs/lesson-steps.png"));
}

bool ContentWriter::writeCursor() {
    return savePicture(CursorArt::pencil(), QStringLiteral("resources/cursor/101.png"));
}

bool ContentWriter::saveText(const QString& text, const QString& relativePath) {
    QFile file(m_root.filePath(relativePath));
    if (!m_root.mkpath(QFileInfo(file).path()) || !file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        qCWarning(lcLessongen) << "cannot write" << file.fileName();
        return false;
    }
    return file.write(text.toUtf8() + '\n') > 0;
}

bool ContentWriter::savePicture(const QImage& image, const QString& relativePath, int quality) {
    const QString path = m_root.filePath(relativePath);
    if (!m_root.mkpath(QFileInfo(path).path()) || !image.save(path, nullptr, quality)) {
        qCWarning(lcLessongen) << "cannot write" << path;
        return false;
    }
    return true;
}

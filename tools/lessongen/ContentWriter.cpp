#include "ContentWriter.h"

#include "ContactSheet.h"
#include "CursorArt.h"
#include "LessonCatalog.h"
#include "LessonPainter.h"
#include "Rle8BmpWriter.h"

#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcLessongen, "pinsola.lessongen")

ContentWriter::ContentWriter(const QString& sourceRoot) : m_root(sourceRoot) {}

bool ContentWriter::writeAll() {
    const QList<Lesson> lessons = LessonCatalog::all();
    return writeCursor() && writeLessons(lessons) && writeContactSheets(lessons);
}

bool ContentWriter::writeLessons(const QList<Lesson>& lessons) {
    if (!m_root.mkpath(QStringLiteral("resources/bitmap")))
        return false;
    for (int i = 0; i < lessons.size(); ++i) {
        const QString path = m_root.filePath(QStringLiteral("resources/bitmap/%1.bmp").arg(101 + i));
        if (!Rle8BmpWriter::save(LessonPainter::paintBitmap(lessons[i]), path)) {
            qCWarning(lcLessongen) << "cannot write" << path;
            return false;
        }
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

bool ContentWriter::savePicture(const QImage& image, const QString& relativePath, int quality) {
    const QString path = m_root.filePath(relativePath);
    if (!m_root.mkpath(QFileInfo(path).path()) || !image.save(path, nullptr, quality)) {
        qCWarning(lcLessongen) << "cannot write" << path;
        return false;
    }
    return true;
}

#include "ContentWriter.h"

#include "CursorArt.h"

#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcLessongen, "pinsola.lessongen")

ContentWriter::ContentWriter(const QString& sourceRoot) : m_root(sourceRoot) {}

bool ContentWriter::writeAll() {
    return writeCursor();
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/DrawingRecovery.h"

#include "base/VbError.h"
#include "draw/RecoveryFile.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <algorithm>
#include <utility>

Q_LOGGING_CATEGORY(lcRecovery, "pinsola.recovery")

namespace {
constexpr int IntervalMs = 1000;
}

DrawingRecovery::DrawingRecovery(std::function<QImage()> picture, QObject* parent)
    : QObject(parent), m_picture(std::move(picture)) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &DrawingRecovery::write);
}

DrawingRecovery::~DrawingRecovery() {
    finish();
}

QImage DrawingRecovery::leftDrawing() {
    if (!QFileInfo::exists(RecoveryFile::path()))
        return {};
    try {
        QImage picture = RecoveryFile::read();
        qCInfo(lcRecovery) << "the drawing of a session that did not end normally is back on the canvas";
        return picture;
    } catch (const VbError& error) {
        qCWarning(lcRecovery).noquote()
            << "the drawing kept from an earlier session is refused and removed:" << error.description();
        RecoveryFile::remove();
        return {};
    }
}

void DrawingRecovery::changed() {
    if (m_timer.isActive())
        return;
    const qint64 since = m_sinceWrite.isValid() ? m_sinceWrite.elapsed() : IntervalMs;
    m_timer.start(static_cast<int>(std::max<qint64>(0, IntervalMs - since)));
}

// Only a shared copy of the picture is taken here; converting, encoding and writing it happen on the
// writer's thread. The copy is let go as soon as it is converted: while it is shared, the next stroke
// would have to copy the canvas's picture before drawing on it.
void DrawingRecovery::write() {
    m_sinceWrite.start();
    m_writer.start([this, picture = m_picture()]() mutable {
        const QImage converted = std::exchange(picture, QImage()).convertToFormat(QImage::Format_RGB888);
        const bool written = RecoveryFile::write(converted);
        if (m_lastWriteFailed.exchange(!written) != !written)
            qCWarning(lcRecovery) << (written ? "the drawing is kept again in"
                                              : "the drawing cannot be kept in")
                                  << RecoveryFile::path();
    });
}

void DrawingRecovery::discard() {
    m_timer.stop();
    m_writer.start([] { RecoveryFile::remove(); });
}

void DrawingRecovery::finish() {
    m_writer.waitForDone();
}

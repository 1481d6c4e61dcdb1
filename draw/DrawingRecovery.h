// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SerialWorker.h"

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>

// Keeps the drawing on the canvas in the recovery file while it changes, and brings it back at the next
// start when the session before did not end normally. The file is written at most once a second, on a
// thread of its own: the child's next stroke never waits for the disk.
class DrawingRecovery : public QObject {
public:
    // `picture` gives the canvas's visible picture.
    DrawingRecovery(std::function<QImage()> picture, QObject* parent);
    // Waits for the write in progress.
    ~DrawingRecovery() override;

    // The drawing left by a session that did not end normally, or a null picture. A kept file that is no
    // sound picture is removed; both are noted in the log, neither shows an error.
    static QImage leftDrawing();

    // The canvas has changed: the picture is written now, or a second after the last write.
    void changed();
    // The drawing is given up on purpose: the file goes, after any write in progress.
    void discard();
    // Returns once every write and removal asked for is done.
    void finish();

private:
    void write();

    std::function<QImage()> m_picture;
    QTimer m_timer;
    QElapsedTimer m_sinceWrite;
    std::atomic<bool> m_lastWriteFailed = false;
    // One thread, so writes and removals happen in the order they were asked for. Last, so what it still
    // runs finds the members it uses.
    SerialWorker m_writer;
};

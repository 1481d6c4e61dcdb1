// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ChmViewerLookup.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QPointer>
#include <QProcess>

Q_LOGGING_CATEGORY(lcChmViewer, "pinsola.help")

namespace {
constexpr int AnswerMilliseconds = 10000;
} // namespace

ChmViewerLookup& ChmViewerLookup::instance() {
    if (ChmViewerLookup* standIn = instanceSeam.standIn())
        return *standIn;
    static QPointer<ChmViewerLookup> lookup;
    if (!lookup)
        lookup = new ChmViewerLookup(QCoreApplication::instance());
    return *lookup;
}

ChmViewerLookup::ChmViewerLookup(QObject* parent) : QObject(parent) {
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(AnswerMilliseconds);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        qCWarning(lcChmViewer) << "xdg-mime did not answer; the help opens as HTML pages";
        settle(false);
    });
}

ChmViewerLookup::~ChmViewerLookup() {
    stopQueries();
}

// Either type with an application is enough; without one, the answer is in once both have ended.
void ChmViewerLookup::queryEnded(QProcess* query) {
    if (m_answer)
        return;
    const bool found = query->exitStatus() == QProcess::NormalExit && query->exitCode() == 0 &&
                       query->error() != QProcess::FailedToStart &&
                       !query->readAllStandardOutput().trimmed().isEmpty();
    if (found || --m_open == 0)
        settle(found);
}

void ChmViewerLookup::settle(bool present) {
    m_answer = present;
    m_deadline.stop();
    for (const auto& query : m_queries)
        if (query->state() != QProcess::NotRunning)
            query->kill();
}

void ChmViewerLookup::stopQueries() {
    m_deadline.stop();
    for (const auto& query : m_queries) {
        query->disconnect(this);
        query->kill();
        query->waitForFinished();
    }
    m_queries.clear();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ChmViewerLookup.h"

#include <QLoggingCategory>
#include <QProcess>

Q_DECLARE_LOGGING_CATEGORY(lcChmViewer)

namespace {
const char* const ChmTypes[] = {"application/vnd.ms-htmlhelp", "application/x-chm"};
} // namespace

void ChmViewerLookup::ask() {
    if (m_answer || !m_queries.empty())
        return;
    m_open = static_cast<int>(std::size(ChmTypes));
    m_deadline.start();
    for (const char* type : ChmTypes) {
        auto* query = m_queries.emplace_back(std::make_unique<QProcess>()).get();
        connect(query, &QProcess::finished, this, [this, query] { queryEnded(query); });
        connect(query, &QProcess::errorOccurred, this, [this, query](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                qCInfo(lcChmViewer) << "xdg-mime cannot be started:" << query->errorString();
                queryEnded(query);
            }
        });
        query->start(QStringLiteral("xdg-mime"),
                     {QStringLiteral("query"), QStringLiteral("default"), QString::fromLatin1(type)});
    }
}

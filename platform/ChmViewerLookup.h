// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Seam.h"

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

class QProcess;

// Whether the system has a program for CHM files, found out once and in the background: xdg-mime is asked
// for both CHM types without anyone waiting for its answer, which is kept. A desktop that does not answer
// in time counts as having no such program.
class ChmViewerLookup : public QObject {
    Q_OBJECT

public:
    // The program's one lookup, or the stand-in of a test.
    static ChmViewerLookup& instance();
    // Tests stand in a lookup not asked yet; a question still open is abandoned when it goes.
    static inline Seam<ChmViewerLookup*> instanceSeam;

    explicit ChmViewerLookup(QObject* parent = nullptr);
    ~ChmViewerLookup() override;

    // Starts the question unless it was asked already.
    void ask();
    // No value while the answer is not in.
    std::optional<bool> answer() const { return m_answer; }

private:
    void queryEnded(QProcess* query);
    void settle(bool present);
    void stopQueries();

    std::vector<std::unique_ptr<QProcess>> m_queries;
    int m_open = 0;
    std::optional<bool> m_answer;
    QTimer m_deadline;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT (the session's end, a closed terminal, a shutdown) reach the program's event
// loop as `received`, so it ends through its usual path instead of being cut off. One per program.
class TerminationSignal : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

signals:
    void received();

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};

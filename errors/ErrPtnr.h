// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Seam.h"
#include "errors/ErrProtocol.h"
#include "errors/ErrorDispatcher.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QEventLoop;
class QGroupBox;
class QLabel;
class QPushButton;

// The error window: every run-time error of the program is shown here, written to the error log,
// and the user decides how the failing procedure goes on.
class ErrPtnr : public QDialog, public ErrorDispatcher {
    Q_OBJECT

public:
    // The one window of the program, created on first use and kept for the program's lifetime.
    static ErrPtnr& instance();

    int16_t OnError(const QString& procedureName, const QString& moduleName) override;
    void SetProgInfo(const QString& text);
    static QString LPSTRToVBString(const QString& buffer);

    void cmdContinue_Click(int index);
    // Whether the window waits for the user's decision; after it, it stays up until the program goes on.
    bool awaitsDecision() const { return m_decision != nullptr; }
    void cmdProtocol_Click(int index);

    QString BuildProtocol() const;
    QString protocolLogPath() const;
    QString protocolFilePath() const;

    // While set (a termination signal, the session's end: nobody is there to answer), an error is logged,
    // never shown, and the failing statement is skipped.
    static void setUnattended(bool unattended);
    static bool unattended();

    // What End asks before it ends the program; while it answers false, the window waits for another
    // decision. Empty: End ends at once.
    static void setEndConsent(std::function<bool()> consent);

    // Where tests stand in: what runs once the window is shown (a test presses a button there), the
    // clock and the system version of the protocol.
    static inline Seam<std::function<void(ErrPtnr&)>> shownSeam;
    static inline Seam<std::function<QDateTime()>> clockSeam;
    static inline Seam<std::optional<SystemVersion>> systemVersionSeam;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    ErrPtnr();
    void createFrames();
    void createErrorRows(QGroupBox* frame);
    static void fitCaption(QPushButton* button);
    void createButtons(QGroupBox* frame, std::array<QPushButton*, 4>& buttons, const QString& name,
                       const QStringList& captions);
    void setErrorRows(const std::array<QString, 4>& values);
    int16_t protocolOnly(const QString& procedureName, const QString& moduleName, int16_t action);
    void ArrangeFrames();
    bool waitForDecision();
    void keepOnTop();
    void AppendProtocolLog();
    void startNewLogWhenFull() const;
    QString defaultProgInfo() const;
    QString folderWithSeparator() const;

    void printProtocol();
    void saveProtocol();
    void mailProtocol();
    void webProtocol();

    int16_t m_chosenAction = Retry;
    bool m_deciding = false;
    QEventLoop* m_decision = nullptr;
    bool m_decided = false;
    std::array<QGroupBox*, 5> m_frames{};
    QLabel* m_lblComment = nullptr;
    QLabel* m_lblProgInfo = nullptr;
    std::array<QLabel*, 4> m_lblErrTitel{};
    std::array<QLabel*, 4> m_lblError{};
    std::array<QPushButton*, 4> m_cmdProtocol{};
    std::array<QPushButton*, 4> m_cmdContinue{};
};

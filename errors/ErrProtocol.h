// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SystemVersion.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>

// What the error window shows, as the protocol writes it down.
struct ErrProtocolData {
    QString progInfoCaption;
    QString progInfo;
    QString errorCaption;
    std::array<QString, 4> titles;
    std::array<QString, 4> values;
    QDateTime when;
    SystemVersion system;
};

// The fixed-layout plain-text protocol of one error (CR LF line ends) and its printed form.
namespace ErrProtocol {
QString build(const ErrProtocolData& data);
// The protocol's printer lines: word-wrapped at 73 characters, continuation lines indented by 20 blanks.
QStringList printLines(const QString& protocol);
// The text of an operating-system buffer before its first NUL; empty when there is none.
QString LPSTRToVBString(const QString& buffer);
} // namespace ErrProtocol

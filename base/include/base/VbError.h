// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

// A run-time error with the platform's error number and its standard description.
class VbError {
public:
    VbError(int32_t number, QString description);

    // Throws the error `number` with its standard description.
    [[noreturn]] static void raise(int32_t number);
    static QString standardDescription(int32_t number);

    int32_t number() const { return m_number; }
    const QString& description() const { return m_description; }

private:
    int32_t m_number;
    QString m_description;
};

// The platform's error numbers the program raises itself.
namespace VbErr {
constexpr int32_t InvalidProcedureCall = 5;
constexpr int32_t Overflow = 6;
constexpr int32_t OutOfMemory = 7;
constexpr int32_t SubscriptOutOfRange = 9;
constexpr int32_t DivisionByZero = 11;
constexpr int32_t TypeMismatch = 13;
constexpr int32_t BadFileName = 52;
constexpr int32_t FileNotFound = 53;
constexpr int32_t PermissionDenied = 70;
constexpr int32_t PathFileAccess = 75;
constexpr int32_t PathNotFound = 76;
constexpr int32_t InvalidPropertyValue = 380;
constexpr int32_t InvalidPicture = 481;
constexpr int32_t PrinterError = 482;
constexpr int32_t ResourceNotFound = 326;
constexpr int32_t ControlArrayElementMissing = 340;
constexpr int32_t CannotCreateObject = 429;
} // namespace VbErr

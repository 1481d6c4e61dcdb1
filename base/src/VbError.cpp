// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/VbError.h"

#include <utility>

VbError::VbError(int32_t number, QString description)
    : m_number(number), m_description(std::move(description)) {}

void VbError::raise(int32_t number) {
    throw VbError(number, standardDescription(number));
}

QString VbError::standardDescription(int32_t number) {
    switch (number) {
    case VbErr::InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case VbErr::Overflow:
        return QStringLiteral("Overflow");
    case VbErr::OutOfMemory:
        return QStringLiteral("Out of memory");
    case VbErr::SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case VbErr::DivisionByZero:
        return QStringLiteral("Division by zero");
    case VbErr::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case VbErr::BadFileName:
        return QStringLiteral("Bad file name or number");
    case VbErr::FileNotFound:
        return QStringLiteral("File not found");
    case VbErr::PermissionDenied:
        return QStringLiteral("Permission denied");
    case VbErr::PathFileAccess:
        return QStringLiteral("Path/File access error");
    case VbErr::PathNotFound:
        return QStringLiteral("Path not found");
    case VbErr::ResourceNotFound:
        return QStringLiteral("Resource with identifier not found");
    case VbErr::ControlArrayElementMissing:
        return QStringLiteral("Control array element does not exist");
    case VbErr::CannotCreateObject:
        return QStringLiteral("ActiveX component can't create object");
    case VbErr::InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case VbErr::InvalidPicture:
        return QStringLiteral("Invalid picture");
    case VbErr::PrinterError:
        return QStringLiteral("Printer error");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "errors/HandlerEdge.h"

#include "errors/ErrorTrap.h"

#include <QObject>
#include <exception>
#include <utility>

namespace {
// Where the innermost carry() running keeps the error it hands back; none runs: errors are reported.
std::exception_ptr* carried = nullptr;
} // namespace

bool HandlerEdge::run(const QObject* receiver, const std::function<void()>& handler) {
    if (carried) {
        try {
            handler();
            return true;
        } catch (...) {
            if (!*carried)
                *carried = std::current_exception();
            return false;
        }
    }
    const QString className = QString::fromLatin1(receiver->metaObject()->className());
    const QString name = receiver->objectName().isEmpty() ? className : receiver->objectName();
    ErrorTrap trap(name, className);
    return trap(0, handler);
}

void HandlerEdge::carry(const std::function<void()>& call) {
    std::exception_ptr error;
    std::exception_ptr* outer = std::exchange(carried, &error);
    try {
        call();
    } catch (...) {
        carried = outer;
        throw;
    }
    carried = outer;
    if (error)
        std::rethrow_exception(error);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "errors/ErrorTrap.h"

#include "base/VbError.h"
#include "errors/Err.h"
#include "errors/ErrPtnr.h"
#include "errors/ProgramEnd.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <new>
#include <utility>

ErrState& Err() {
    static ErrState state;
    return state;
}

namespace {
// The error window is created at the first error, not by the first trap. Where not even it can be had
// for want of memory, the error is told in one plain line where the program was started.
class ErrorWindow : public ErrorDispatcher {
public:
    int16_t OnError(const QString& procedureName, const QString& moduleName) override {
        try {
            return ErrPtnr::instance().OnError(procedureName, moduleName);
        } catch (const std::bad_alloc&) {
            std::fprintf(stderr, "pinsola: error %d (%s) in %s %s, line %d\n", Err().Number,
                         Err().Description.toLocal8Bit().constData(), moduleName.toLocal8Bit().constData(),
                         procedureName.toLocal8Bit().constData(), Err().Erl);
            return ErrorDispatcher::Cancel;
        }
    }
};

// Memory kept back for the error window: where memory has run out, it is given up just before the
// window is made and shown, and taken again once the user has decided.
constexpr size_t kReserveBytes = 8 * 1024 * 1024;

std::unique_ptr<char[]>& memoryReserve() {
    static std::unique_ptr<char[]> reserve(new (std::nothrow) char[kReserveBytes]);
    return reserve;
}

ErrorDispatcher& errorWindow() {
    static ErrorWindow window;
    return window;
}
} // namespace

ErrorTrap::ErrorTrap(QString procedure, QString module)
    : ErrorTrap(std::move(procedure), std::move(module), errorWindow()) {}

ErrorTrap::ErrorTrap(QString procedure, QString module, ErrorDispatcher& dispatcher)
    : m_procedure(std::move(procedure)), m_module(std::move(module)), m_dispatcher(dispatcher) {
    memoryReserve();
}

bool ErrorTrap::operator()(int mark, const Statement& statement) {
    for (;;) {
        switch (attempt(mark, statement)) {
        case Outcome::Done:
        case Outcome::Skip:
            return true;
        case Outcome::Leave:
            return false;
        case Outcome::Retry:
            break;
        }
    }
}

bool ErrorTrap::run(std::initializer_list<Line> lines) {
    for (const Line& line : lines) {
        if (!(*this)(line.mark, line.statement))
            return false;
    }
    return true;
}

std::optional<bool> ErrorTrap::condition(int mark, const std::function<bool()>& test) {
    bool holds = true;
    if (!(*this)(mark, [&] { holds = test(); }))
        return std::nullopt;
    return holds;
}

ErrorTrap::Outcome ErrorTrap::attempt(int mark, const Statement& statement) {
    if (mark > 0)
        m_lastMark = mark;
    try {
        statement();
        return Outcome::Done;
    } catch (const VbError& error) {
        return decide(error.number(), error.description());
    } catch (const std::bad_alloc&) {
        memoryReserve().reset();
        const Outcome outcome = decide(VbErr::OutOfMemory, VbError::standardDescription(VbErr::OutOfMemory));
        memoryReserve().reset(new (std::nothrow) char[kReserveBytes]);
        return outcome;
    } catch (const std::exception& error) {
        return decide(VbErr::InvalidProcedureCall, QString::fromLocal8Bit(error.what()));
    }
}

ErrorTrap::Outcome ErrorTrap::decide(int32_t number, const QString& description) {
    Err() = ErrState{number, description, m_lastMark};
    if (m_silent)
        return Outcome::Skip;
    switch (m_dispatcher.OnError(m_procedure, m_module)) {
    case ErrPtnr::Retry:
        return Outcome::Retry;
    case ErrPtnr::Ignore:
        return Outcome::Skip;
    case ErrPtnr::End:
        ProgramEnd::now();
    default:
        return Outcome::Leave;
    }
}

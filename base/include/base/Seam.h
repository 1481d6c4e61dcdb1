// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>

// A point where tests stand in for the world outside the program: a user's answer, the clock, the shell,
// the printer. The program asks for the stand-in and, while there is none, goes its own way; a test puts
// one in place for the lifetime of the scope `replace` returns, so no stand-in outlives its test. `T` is
// what stands in: a std::function, a pointer or a std::optional.
template <class T> class Seam {
public:
    const T& standIn() const { return m_standIn; }

    class [[nodiscard]] Scope {
    public:
        Scope(Seam& seam, T standIn)
            : m_seam(seam), m_previous(std::exchange(seam.m_standIn, std::move(standIn))) {}
        ~Scope() { m_seam.m_standIn = std::move(m_previous); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        Seam& m_seam;
        T m_previous;
    };

    Scope replace(T standIn) { return Scope(*this, std::move(standIn)); }

private:
    T m_standIn{};
};

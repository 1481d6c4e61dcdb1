#include "errors/ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

namespace {
std::function<void()>& handler() {
    static std::function<void()> ending;
    return ending;
}
} // namespace

void ProgramEnd::now() {
    if (handler())
        handler()();
    std::fflush(nullptr);
    std::_Exit(0);
}

void ProgramEnd::setHandler(std::function<void()> ending) {
    handler() = std::move(ending);
}

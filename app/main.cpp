#include "app/Main.h"
#include "app/PinsolaApplication.h"
#include "platform/DisplayPlatform.h"
#include "platform/FontWarmUp.h"
#include "platform/StartLimits.h"

#include <cstdio>
#include <new>

namespace {
// Where the start cannot get what it needs, no window can say so: one line on standard error.
int cannotStart(const QString& why) {
    std::fprintf(stderr, "pinsola: %s\n", why.toLocal8Bit().constData());
    return 1;
}
} // namespace

int main(int argc, char* argv[]) {
    if (const QString why = StartLimits::shortfall(); !why.isEmpty())
        return cannotStart(why);
    try {
        FontWarmUp fonts;
        std::vector<char*> arguments = DisplayPlatform::arguments(argc, argv);
        int count = static_cast<int>(arguments.size()) - 1;
        PinsolaApplication app(count, arguments.data());
        Allgemein::Main();
        fonts.waitUntilRead();
        // A start-up left early (Cancel on an error) shows no window; running on would keep the
        // single-instance lock, so every later start would end silently.
        if (!PinsolaApplication::anyWindowShown())
            return 0;
        return PinsolaApplication::exec();
    } catch (const std::bad_alloc&) {
        return cannotStart(QStringLiteral("out of memory"));
    }
}

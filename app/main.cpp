#include "app/Main.h"
#include "app/PinsolaApplication.h"
#include "platform/DisplayPlatform.h"
#include "platform/FontWarmUp.h"

int main(int argc, char* argv[]) {
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
}

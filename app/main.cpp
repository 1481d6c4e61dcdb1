#include "app/Main.h"
#include "app/PinsolaApplication.h"

int main(int argc, char* argv[]) {
    PinsolaApplication app(argc, argv);
    Allgemein::Main();
    // A start-up left early (Cancel on an error) shows no window; running on would keep the
    // single-instance lock, so every later start would end silently.
    if (!PinsolaApplication::anyWindowShown())
        return 0;
    return PinsolaApplication::exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Allgemein.h"

#include "core/Forms.h"
#include "errors/ErrorTrap.h"
#include "errors/ProgramEnd.h"

namespace Allgemein {

void EndProgram() {
    ErrorTrap trap(QStringLiteral("EndProgram"), QStringLiteral("Allgemein"));
    trap.resumeNext();
    trap(10, [] { SaveConfig(); });
    // Each unload is a statement of its own: a window that fails to unload does not keep the
    // windows loaded before it from unloading (and saving their state).
    const QList<QWidget*> windows = Forms::loaded();
    for (qsizetype i = windows.size() - 1; i >= 0; --i)
        trap(20, [&] { Forms::unload(windows.at(i)); });
    trap(30, [] {
        if (!Forms::loaded().isEmpty())
            ProgramEnd::now();
    });
}

} // namespace Allgemein

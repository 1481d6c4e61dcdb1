// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundModule.h"

#include "platform/ProgramFolder.h"

#include <QLibrary>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSoundModule, "pinsola.sound.module")

namespace {
using PlayFunction = void (*)(const QByteArray&);

PlayFunction player() {
    static const PlayFunction play = [] {
        QLibrary module(ProgramFolder::path() + QStringLiteral("/pinsola_sound"));
        const auto found = reinterpret_cast<PlayFunction>(module.resolve("PinsolaPlayWav"));
        if (!found)
            qCWarning(lcSoundModule) << "no sound module, the program stays silent:" << module.errorString();
        return found;
    }();
    return play;
}
} // namespace

void SoundModule::play(const QByteArray& wavImage) {
    if (const auto& heard = playSeam.standIn())
        return heard(wavImage);
    if (const PlayFunction play = player())
        play(wavImage);
}

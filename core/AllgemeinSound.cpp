// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Allgemein.h"

#include "core/Resources.h"
#include "errors/ErrorTrap.h"
#include "platform/SoundModule.h"

namespace Allgemein {

void PlayWAV(Sound id) {
    ErrorTrap trap(QStringLiteral("PlayWAV"), QStringLiteral("Allgemein"));
    // A failed load leaves WavData as it was, so skipping it plays the previous sound again. The player
    // decodes into samples of its own, so replacing WavData never pulls data from under a playing sound.
    trap.run({
        {10, [&] { WavData = Resources::LoadResData(static_cast<int>(id), QStringLiteral("WAV")); }},
        {20, [&] { SoundModule::play(WavData); }},
    });
}

} // namespace Allgemein

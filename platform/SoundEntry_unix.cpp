// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundPlayer.h"

#include <QtGlobal>

// The sound module's entry point, which the program resolves by name (SoundModule).
extern "C" Q_DECL_EXPORT void PinsolaPlayWav(const QByteArray& wavImage) {
    SoundPlayer::instance().play(wavImage);
}

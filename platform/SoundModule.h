// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Seam.h"

#include <QByteArray>
#include <functional>

// The program's way to its sound player. The player and the libraries it needs (Qt Multimedia, libsndfile)
// are a module of their own in the program folder, loaded at the first sound: linked into the program,
// they would be loaded on every start before the first window could show.
namespace SoundModule {
// Hands a complete WAV image to the player (SoundPlayer::play). Without the module the program stays
// silent, as without a sound device, and logs why once.
void play(const QByteArray& wavImage);
// Where a test hears the sounds instead of the player.
inline Seam<std::function<void(const QByteArray&)>> playSeam;
} // namespace SoundModule

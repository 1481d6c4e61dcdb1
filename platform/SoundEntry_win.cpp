// SPDX-License-Identifier: GPL-3.0-or-later
#include <QByteArray>
#include <QtGlobal>

#include <qt_windows.h>

#include <mmsystem.h>

namespace {
// PlaySound reads an asynchronous sound from the caller's memory while it plays: the image lives here
// until the next sound has replaced it.
QByteArray& playing() {
    static QByteArray image;
    return image;
}
} // namespace

// The sound module's entry point, which the program resolves by name (SoundModule). The system's player
// decodes the sound itself (PCM and ADPCM); a new sound cuts off the one playing, and without a sound
// device it stays silent rather than playing the system's default sound.
extern "C" Q_DECL_EXPORT void PinsolaPlayWav(const QByteArray& wavImage) {
    PlaySoundW(nullptr, nullptr, 0);
    playing() = wavImage;
    PlaySoundW(reinterpret_cast<LPCWSTR>(playing().constData()), nullptr,
               SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
}

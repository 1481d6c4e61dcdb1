#include "core/Allgemein.h"

#include "errors/ErrorTrap.h"
#include "errors/VbError.h"
#include "platform/SoundPlayer.h"

#include <QFile>

namespace Allgemein {

namespace {
// The whole embedded sound resource `id`, as a new buffer.
QByteArray loadWavResource(int16_t id) {
    QFile resource(QStringLiteral(":/wav/%1.wav").arg(id));
    if (!resource.open(QIODevice::ReadOnly))
        throw VbError(VbErr::ResourceNotFound,
                      QStringLiteral("Resource with identifier '%1' not found").arg(id));
    return resource.readAll();
}
} // namespace

void PlayWAV(int16_t id) {
    ErrorTrap trap(QStringLiteral("PlayWAV"), QStringLiteral("Allgemein"));
    // A failed load leaves WavData as it was, so skipping it plays the previous sound again. The player
    // decodes into samples of its own, so replacing WavData never pulls data from under a playing sound.
    trap.run({
        {10, [&] { WavData = loadWavResource(id); }},
        {20, [&] { SoundPlayer::instance().play(WavData); }},
    });
}

} // namespace Allgemein

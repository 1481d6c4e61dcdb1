// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// An embedded sound as sox decoded it at build time.
struct SoxSound {
    int channels = 0;
    int rate = 0;
    std::vector<int16_t> samples; // at the sound's own rate, channels interleaved
    std::vector<int16_t> mono;    // mixed to one channel at the output rate

    static SoxSound of(int id);

    // Whether `pcm` (16-bit stereo at the output rate) holds this sound: every output frame that falls
    // exactly on a frame of the sound carries its samples, a mono sound on both sides. Tells the first
    // difference in `why`.
    bool matches(const QByteArray& pcm, std::string& why) const;
};

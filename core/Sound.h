// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The program's sounds, named by what they go with; the value is the sound's resource number.
enum class Sound : int16_t {
    // A button or a flag is clicked; the viewer goes a step back.
    Click = 101,
    // A stroke starts on the canvas; the viewer goes a step on.
    Pen = 102,
    // The viewer goes to the lesson before.
    Back = 103,
    // The viewer goes to the next lesson or changes its size.
    Forward = 104,
    // A switch changes; the colour window closes.
    Toggle = 105,
    // The colour window opens.
    Open = 106,
    // A new picture: a new page, a lesson, a drawing put onto the canvas.
    NewPicture = 107,
};

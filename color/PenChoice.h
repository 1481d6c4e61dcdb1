// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <cstdint>

// The pen the child chooses in the colour window, announced after the program-wide pen values hold it.
// The drawing window listens from its own start, so its canvas takes every choice at once, however the
// colour window was opened and whichever window was loaded first.
class PenChoice : public QObject {
    Q_OBJECT

public:
    static PenChoice& instance();

signals:
    // A colour value, red in the low byte.
    void ColorPicked(uint32_t rgb);
    void WidthChosen(int16_t width);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The paint box of the lessons: clear, friendly colours a child knows by name.
namespace Colours {
inline const QColor White(255, 255, 255);
inline const QColor Cream(255, 247, 222);
inline const QColor PaleYellow(255, 238, 140);
inline const QColor Yellow(255, 214, 40);
inline const QColor Gold(247, 178, 28);
inline const QColor Orange(247, 133, 36);
inline const QColor Red(226, 48, 48);
inline const QColor DarkRed(178, 30, 45);
inline const QColor Pink(246, 150, 186);
inline const QColor LightPink(252, 206, 222);
inline const QColor Magenta(214, 60, 140);
inline const QColor Purple(142, 84, 200);
inline const QColor DarkPurple(84, 40, 120);
inline const QColor Lilac(192, 156, 230);
inline const QColor Blue(74, 122, 226);
inline const QColor SkyBlue(128, 182, 246);
inline const QColor LeafGreen(112, 186, 72);
inline const QColor StemGreen(78, 156, 58);
inline const QColor DarkGreen(46, 112, 52);
inline const QColor Brown(140, 88, 48);
inline const QColor DarkBrown(92, 58, 34);
inline const QColor Charcoal(52, 44, 44);
inline const QColor Silver(196, 196, 188);
} // namespace Colours

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// The program's logos and icons and the button library's logo.
class LogoArt {
public:
    static constexpr int LogoWidth = 585;
    static constexpr int LogoHeight = 67;

    // The drawing window's logo: the program name and a short line in one language.
    static QImage logo(const QString& line);
    // The program's emblem, a flower on a sand tile; at sizes from 40 pixels up with a pencil.
    static QImage emblem(int size);
    // The button library's logo: a raised button with a star.
    static QImage buttonLibraryLogo(int size);

private:
    static void paintEmblem(QPainter& painter, const QRectF& box);
    static double paintName(QPainter& painter, QPointF baseline, int pixelSize);
};

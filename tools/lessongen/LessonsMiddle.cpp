// SPDX-License-Identifier: GPL-3.0-or-later
// Lessons 15 to 28: rings of petals, bells and trumpets.
#include "Colours.h"
#include "FlowerLessons.h"
#include "FlowerParts.h"
#include "Shapes.h"

using namespace Colours;
using FP = FlowerParts;
using S = Shapes;

namespace FlowerLessons {

Lesson dandelion() {
    const QPointF c(200, 100);
    LessonBuilder b("dandelion");
    b.step(1).layer(4).area(S::circle(c, 18), Gold);
    b.step(2).layer(2);
    FP::petalRing(b, c, 16, 0, 10, 62, 15, 0.8, Yellow);
    b.step(3).layer(3);
    FP::petalRing(b, c, 11, 16, 8, 40, 13, 0.8, Gold);
    b.step(4).layer(0);
    FP::stem(b, QPointF(200, 150), 12, 9);
    FP::toothedLeaf(b, QPointF(198, FP::Ground), -62, 120, 36, 6);
    b.step(5);
    FP::toothedLeaf(b, QPointF(202, FP::Ground), 60, 110, 34, 6);
    b.layer(1);
    for (int angle : {150, 180, 210})
        b.area(S::petal(c, angle, 8, 58, 14, 0.2), StemGreen);
    return b.build();
}

Lesson cosmos() {
    const QPointF c(200, 108);
    LessonBuilder b("cosmos");
    b.step(1).layer(4).area(S::circle(c, 18), Gold);
    b.step(2).layer(2);
    for (int i = 0; i < 4; ++i)
        b.area(S::frilledPetal(c, i * 90, 10, 86, 52, 3), Pink);
    b.step(3).layer(1);
    for (int i = 0; i < 4; ++i)
        b.area(S::frilledPetal(c, 45 + i * 90, 10, 82, 50, 3), Magenta);
    b.step(4).layer(0);
    FP::stem(b, QPointF(200, 170), -14, 8);
    b.step(5);
    for (int side : {-1, 1}) {
        b.area(S::leaf(QPointF(200, 250 - side * 12), side * 56, 74, 12), LeafGreen);
        b.area(S::leaf(QPointF(200, 250 - side * 12), side * 92, 58, 10), LeafGreen);
    }
    b.layer(5);
    FP::dots(b, c, 6, 9, 2.5, Orange);
    return b.build();
}

Lesson marigold() {
    const QPointF c(200, 104);
    LessonBuilder b("marigold");
    b.step(1).layer(4).area(S::circle(c, 18), Gold);
    b.step(2).layer(3);
    for (int i = 0; i < 7; ++i)
        b.area(S::frilledPetal(c, i * 360.0 / 7, 8, 46, 34, 3), Gold);
    b.step(3).layer(2);
    for (int i = 0; i < 10; ++i)
        b.area(S::frilledPetal(c, 18 + i * 36, 14, 78, 42, 3), Orange);
    b.step(4).layer(0);
    FP::stem(b, QPointF(200, 180), 10, 10);
    b.layer(1).area(S::petal(QPointF(200, 196), 0, 0, 44, 56, 0.9), StemGreen);
    b.step(5).layer(0);
    FP::toothedLeaf(b, QPointF(202, 264), -58, 84, 34);
    FP::toothedLeaf(b, QPointF(198, 244), 60, 78, 32);
    return b.build();
}

Lesson gerbera() {
    const QPointF c(200, 108);
    LessonBuilder b("gerbera");
    b.step(1).layer(4).area(S::circle(c, 20), DarkBrown);
    b.step(2).layer(2);
    FP::petalRing(b, c, 12, 0, 22, 96, 26, 0.9, Orange);
    b.step(3).layer(1);
    FP::petalRing(b, c, 12, 15, 22, 88, 26, 0.9, Red);
    b.layer(3).area(S::circle(c, 30), Gold);
    b.step(4).layer(0);
    FP::stem(b, QPointF(200, 190), 8, 10);
    b.step(5);
    FP::toothedLeaf(b, QPointF(198, FP::Ground), -68, 110, 40, 4);
    FP::toothedLeaf(b, QPointF(202, FP::Ground), 66, 104, 38, 4);
    b.layer(5);
    FP::dots(b, c, 8, 25, 2.5, Brown);
    return b.build();
}

Lesson morningGlory() {
    const QPointF c(200, 96);
    LessonBuilder b("morning glory");
    b.step(1).layer(2).area(S::circle(c, 70), SkyBlue);
    b.step(2).layer(3).area(S::circle(c, 24), White);
    b.layer(4).area(S::circle(c, 7), Yellow);
    b.step(3).layer(3);
    for (int i = 0; i < 5; ++i)
        b.line(S::curve(S::at(c, i * 72, 24), S::at(c, i * 72 + 10, 48), S::at(c, i * 72, 70)), White);
    b.step(4).layer(0);
    b.area(S::stem(QPointF(200, 160), QPointF(200, FP::Ground), 26, 8), StemGreen);
    b.area(S::heartPetal(QPointF(188, 236), -62, 0, 74, 66), LeafGreen);
    b.step(5);
    b.area(S::heartPetal(QPointF(190, 204), 66, 0, 66, 58), LeafGreen);
    b.area(S::stem(QPointF(192, 268), QPointF(290, 200), 20, 6), StemGreen);
    b.area(S::petal(QPointF(290, 202), 30, 0, 56, 26, 0.2), Blue);
    return b.build();
}

Lesson lilyOfTheValley() {
    // The arching stem as a curve, so the bells can hang from points on it.
    const QPointF from(170, FP::Ground);
    const QPointF control(176, 40);
    const QPointF to(320, 64);
    auto onStem = [&](double t) { return from * (1 - t) * (1 - t) + control * 2 * (1 - t) * t + to * t * t; };
    LessonBuilder b("lily of the valley");
    b.step(1).layer(1).area(S::band(S::curve(from, control, to), 7), StemGreen);
    const double along[] = {0.44, 0.58, 0.71, 0.83, 0.94};
    const double sizes[] = {50, 46, 40, 34, 28};
    for (int i = 0; i < 5; ++i) {
        const QPointF point = onStem(along[i]);
        const QPointF top = point + QPointF(4, 16 + sizes[i] * 0.2);
        b.step(i < 2 ? 2 : 3).layer(2);
        b.line(S::curve(point, point + QPointF(6, 2), top));
        b.area(S::bell(top, 180, sizes[i] * 0.8, sizes[i], 4), White);
    }
    b.step(4).layer(0);
    FP::leaf(b, QPointF(168, FP::Ground), -30, 220, 84);
    b.step(5);
    FP::leaf(b, QPointF(172, FP::Ground), -8, 150, 56);
    return b.build();
}

Lesson cherryBlossom() {
    const QPointF c(196, 120);
    LessonBuilder b("cherry blossom");
    b.step(1).layer(4).area(S::circle(c, 14), Magenta);
    b.step(2).layer(2);
    for (int i = 0; i < 5; ++i)
        b.area(S::heartPetal(c, 36 + i * 72, 6, 66, 62), LightPink);
    b.step(3).layer(5);
    for (int i = 0; i < 8; ++i) {
        const double angle = i * 45 + 20;
        b.line(S::polyline({S::at(c, angle, 10), S::at(c, angle, 26)}), Magenta);
        b.area(S::circle(S::at(c, angle, 28), 3), Yellow);
    }
    b.step(4).layer(0);
    b.area(S::stem(QPointF(24, 250), QPointF(380, 40), 24, 14), Brown);
    b.step(5);
    b.area(S::ellipse(QPointF(322, 60), 12, 18, 30), Pink);
    b.area(S::ellipse(QPointF(66, 212), 12, 18, -40), Pink);
    FP::leaf(b, QPointF(300, 86), 150, 54, 26);
    return b.build();
}

Lesson anemone() {
    const QPointF c(200, 106);
    LessonBuilder b("anemone");
    b.step(1).layer(4).area(S::circle(c, 20), Charcoal);
    b.step(2).layer(2);
    FP::petalRing(b, c, 3, 0, 6, 80, 76, 1.0, Purple);
    b.step(3).layer(1);
    FP::petalRing(b, c, 3, 60, 6, 76, 76, 1.0, DarkPurple);
    b.step(4).layer(5);
    FP::dots(b, c, 12, 26, 3.5, Charcoal);
    b.layer(0);
    FP::stem(b, QPointF(200, 180), -10, 9);
    b.step(5);
    FP::toothedLeaf(b, QPointF(200, 200), -100, 62, 26, 4);
    FP::toothedLeaf(b, QPointF(200, 200), 100, 62, 26, 4);
    b.layer(3).line(S::circle(c, 10), White);
    return b.build();
}

Lesson hibiscus() {
    const QPointF c(196, 112);
    LessonBuilder b("hibiscus");
    b.step(1).layer(4).area(S::circle(c, 17), DarkRed);
    b.step(2).layer(2);
    FP::petalRing(b, c, 5, 0, 4, 92, 100, 1.0, Magenta);
    b.step(3).layer(3);
    for (int i = 0; i < 5; ++i)
        b.line(S::curve(S::at(c, i * 72, 16), S::at(c, i * 72 + 6, 36), S::at(c, i * 72, 54)), DarkRed);
    b.step(4).layer(5);
    b.area(S::stem(c, QPointF(266, 52), 8, 8), Pink);
    FP::dots(b, QPointF(266, 52), 5, 9, 4, Yellow);
    b.step(5).layer(0);
    b.area(S::stem(QPointF(200, 190), QPointF(210, FP::Ground), -10, 10), StemGreen);
    FP::toothedLeaf(b, QPointF(206, 250), -70, 90, 46, 5);
    FP::toothedLeaf(b, QPointF(208, 226), 72, 84, 44, 5);
    return b.build();
}

Lesson zinnia() {
    const QPointF c(200, 106);
    LessonBuilder b("zinnia");
    b.step(1).layer(4).area(S::circle(c, 16), Gold);
    b.step(2).layer(3);
    FP::petalRing(b, c, 8, 22, 10, 50, 32, 1.0, Orange);
    b.step(3).layer(2);
    FP::petalRing(b, c, 12, 0, 18, 84, 36, 1.0, Red);
    b.step(4).layer(0);
    FP::stem(b, QPointF(200, 180), 10, 10);
    b.step(5);
    FP::leaf(b, QPointF(200, 250), -64, 76, 40);
    FP::leaf(b, QPointF(200, 250), 64, 76, 40);
    b.layer(5);
    FP::dots(b, c, 6, 10, 2.5, Red);
    return b.build();
}

Lesson lavender() {
    LessonBuilder b("lavender");
    const QPointF tops[] = {{200, 40}, {140, 70}, {262, 66}};
    const double bends[] = {0, -14, 14};
    for (int spike = 0; spike < 3; ++spike) {
        const QPointF top = tops[spike];
        // The middle spike takes two steps (stem, then buds); the side spikes one each.
        b.step(spike == 0 ? 1 : spike + 2).layer(0);
        b.area(S::stem(top, QPointF(200, FP::Ground), bends[spike], 6), StemGreen);
        b.step(spike + 2).layer(1);
        for (int i = 0; i < 7; ++i) {
            const QPointF bud =
                top + QPointF(0, 10 + i * 14) + (top - QPointF(200, FP::Ground)) * (-0.02 * i);
            const double angle = i % 2 == 0 ? -32 : 32;
            b.area(S::ellipse(bud + QPointF(i % 2 == 0 ? -7 : 7, 0), 8, 11, angle),
                   i % 3 == 0 ? Lilac : Purple);
        }
    }
    b.step(5).layer(0);
    b.area(S::leaf(QPointF(198, FP::Ground), -30, 80, 12), LeafGreen);
    b.area(S::leaf(QPointF(202, FP::Ground), 34, 76, 12), LeafGreen);
    return b.build();
}

Lesson daffodil() {
    const QPointF c(200, 106);
    LessonBuilder b("daffodil");
    b.step(1).layer(3).area(S::toothedCircle(c, 32, 5, 12), Orange);
    b.step(2).layer(2);
    FP::petalRing(b, c, 3, 0, 10, 92, 58, 0.3, Yellow);
    b.step(3).layer(1);
    FP::petalRing(b, c, 3, 60, 10, 88, 58, 0.3, PaleYellow);
    b.step(4).layer(4).line(S::circle(c, 15), Gold);
    b.layer(0);
    FP::stem(b, QPointF(200, 180), 6, 10);
    b.step(5);
    b.area(S::leaf(QPointF(196, FP::Ground), -16, 150, 22), LeafGreen);
    b.area(S::leaf(QPointF(204, FP::Ground), 18, 140, 22), LeafGreen);
    return b.build();
}

Lesson waterLily() {
    const QPointF base(200, 196);
    LessonBuilder b("water lily");
    b.step(1).layer(0).area(S::ellipse(QPointF(200, 214), 160, 48), LeafGreen);
    b.step(2).layer(2);
    for (int angle : {-60, -30, 0, 30, 60})
        b.area(S::petal(base, angle, 0, 108, 42, 0.25), Pink);
    b.step(3).layer(1);
    for (int angle : {-80, -45, -15, 15, 45, 80})
        b.area(S::petal(base, angle, 0, 96, 40, 0.25), LightPink);
    b.step(4).layer(3).area(S::ellipse(QPointF(200, 188), 26, 12), Yellow);
    b.step(5).layer(0);
    b.line(S::polyline({QPointF(200, 214), QPointF(330, 236)}), DarkGreen);
    for (double x : {40.0, 250.0})
        b.line(S::curve(QPointF(x, 276), QPointF(x + 50, 260), QPointF(x + 100, 276)), SkyBlue);
    return b.build();
}

Lesson camellia() {
    const QPointF c(200, 110);
    LessonBuilder b("camellia");
    b.step(1).layer(4).area(S::circle(c, 15), Yellow);
    b.step(2).layer(3);
    FP::petalRing(b, c, 5, 0, 6, 52, 58, 1.0, Magenta);
    b.step(3).layer(2);
    FP::petalRing(b, c, 6, 30, 10, 86, 80, 1.0, Pink);
    b.step(4).layer(0);
    FP::stem(b, QPointF(200, 190), -8, 10);
    b.step(5);
    for (int angle : {-70, 65, -40})
        b.area(S::leaf(QPointF(200, 236 + angle / 10.0), angle, 80, 40), DarkGreen);
    b.layer(5);
    FP::dots(b, c, 6, 8, 2.5, Gold);
    return b.build();
}

} // namespace FlowerLessons

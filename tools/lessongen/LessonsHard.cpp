// SPDX-License-Identifier: GPL-3.0-or-later
// Lessons 29 to 42: many petals, layers and side views.
#include "Colours.h"
#include "FlowerLessons.h"
#include "FlowerParts.h"
#include "Shapes.h"

using namespace Colours;
using FP = FlowerParts;
using S = Shapes;

namespace FlowerLessons {

Lesson poinsettia() {
    const QPointF c(200, 124);
    LessonBuilder b("poinsettia");
    b.step(1).layer(4).area(S::circle(c, 17), StemGreen);
    b.step(2).layer(2);
    for (int i = 0; i < 5; ++i)
        b.area(S::leaf(c, i * 72, 110, 52), Red);
    b.step(3).layer(3);
    for (int i = 0; i < 5; ++i)
        b.area(S::leaf(c, 36 + i * 72, 78, 40), DarkRed);
    b.step(4).layer(1);
    for (int angle : {-150, 150, 100, -100})
        b.area(S::leaf(c, angle, 118, 54), DarkGreen);
    b.step(5).layer(3);
    for (int i = 0; i < 5; ++i)
        b.line(S::vein(c, i * 72, 110), DarkRed);
    b.layer(5);
    FP::dots(b, c, 5, 8, 4, Yellow);
    return b.build();
}

Lesson aster() {
    const QPointF c(200, 104);
    LessonBuilder b("aster");
    b.step(1).layer(4).area(S::circle(c, 18), Gold);
    b.step(2).layer(2);
    FP::petalRing(b, c, 16, 0, 14, 80, 14, 0.6, Lilac);
    b.step(3).layer(1);
    FP::petalRing(b, c, 16, 11.25, 14, 74, 14, 0.6, Purple);
    b.step(4).layer(0);
    FP::stem(b, QPointF(200, 170), 12, 8);
    b.step(5);
    FP::leaf(b, QPointF(201, 244), -50, 76, 20);
    FP::leaf(b, QPointF(199, 222), 52, 70, 20);
    b.layer(5);
    FP::dots(b, c, 7, 9, 2.5, Orange);
    return b.build();
}

Lesson hyacinth() {
    LessonBuilder b("hyacinth");
    b.step(1).layer(0);
    b.area(S::stem(QPointF(200, 40), QPointF(200, FP::Ground), 0, 16), StemGreen);
    const QList<QList<QPointF>> rows{{{160, 178}, {200, 184}, {240, 178}},
                                     {{170, 134}, {210, 140}, {236, 118}, {150, 110}},
                                     {{186, 96}, {220, 82}, {174, 62}, {204, 44}}};
    for (int row = 0; row < rows.size(); ++row) {
        for (const QPointF& floret : rows[row]) {
            b.step(row + 2).layer(2 + row % 2);
            FP::petalRing(b, floret, 6, row * 10, 2, 25, 18, 0.75, row % 2 == 0 ? Pink : LightPink);
            b.layer(4).area(S::circle(floret, 4), Magenta);
        }
    }
    b.step(5).layer(1);
    b.area(S::leaf(QPointF(194, FP::Ground), -26, 120, 34), LeafGreen);
    b.area(S::leaf(QPointF(206, FP::Ground), 28, 110, 34), LeafGreen);
    return b.build();
}

Lesson foxglove() {
    LessonBuilder b("foxglove");
    b.step(1).layer(0);
    b.area(S::stem(QPointF(196, 20), QPointF(200, FP::Ground), -10, 10), StemGreen);
    const QPointF bells[] = {{204, 190}, {196, 150}, {204, 112}, {194, 78}};
    const double lengths[] = {78, 70, 60, 48};
    for (int i = 0; i < 4; ++i) {
        b.step(i < 2 ? 2 : 3).layer(2 + i % 2);
        const double angle = i % 2 == 0 ? 118 : -118;
        b.area(S::bell(bells[i], angle, lengths[i], lengths[i] * 0.62, 3), Magenta);
    }
    b.step(4).layer(1);
    for (int i = 0; i < 3; ++i)
        b.area(S::ellipse(QPointF(190 + i * 8, 58 - i * 14), 8, 11, i % 2 == 0 ? -30 : 30), Pink);
    b.layer(0);
    FP::leaf(b, QPointF(198, FP::Ground), -58, 100, 40);
    b.step(5).layer(4);
    for (int i = 0; i < 2; ++i) {
        const QPointF mouth = S::at(bells[i], i % 2 == 0 ? 118 : -118, lengths[i] * 0.78);
        FP::dots(b, mouth, 4, 9, 2.5, DarkPurple);
    }
    b.layer(0);
    FP::leaf(b, QPointF(202, FP::Ground), 56, 92, 38);
    return b.build();
}

Lesson lily() {
    const QPointF c(200, 110);
    LessonBuilder b("lily");
    b.step(1).layer(4).area(S::circle(c, 14), StemGreen);
    b.step(2).layer(1);
    FP::petalRing(b, c, 3, 0, 4, 104, 54, 0.15, Gold);
    b.step(3).layer(2);
    FP::petalRing(b, c, 3, 60, 4, 100, 54, 0.15, Orange);
    b.step(4).layer(5);
    for (int i = 0; i < 6; ++i) {
        const double angle = i * 60 + 30;
        const QPointF tip = S::at(c, angle, 56);
        b.line(S::curve(c, S::at(c, angle + 12, 30), tip), StemGreen);
        b.area(S::ellipse(tip, 7, 4, angle), Brown);
    }
    b.step(5).layer(0);
    FP::stem(b, QPointF(200, 200), 10, 10);
    FP::leaf(b, QPointF(200, 250), -56, 70, 22);
    FP::leaf(b, QPointF(200, 232), 58, 66, 22);
    b.layer(3);
    for (int i = 0; i < 3; ++i) {
        for (int d : {40, 58, 74})
            b.area(S::circle(S::at(c, 60 + i * 120 + (d % 3 - 1) * 6, d), 3), DarkBrown);
    }
    return b.build();
}

Lesson iris() {
    const QPointF c(200, 112);
    LessonBuilder b("iris");
    b.step(1).layer(1).area(S::petal(c, 0, 0, 92, 58, 0.7), Lilac);
    b.step(2).layer(1);
    b.area(S::petal(c, -38, 0, 82, 50, 0.7), Lilac);
    b.area(S::petal(c, 38, 0, 82, 50, 0.7), Lilac);
    b.step(3).layer(2);
    for (int angle : {125, 180, 235})
        b.area(S::petal(c, angle, 0, 96, 64, 1.0), Purple);
    b.step(4).layer(3);
    for (int angle : {125, 180, 235})
        b.area(S::petal(c, angle, 14, 52, 10, 0.8), Yellow);
    b.layer(0);
    FP::stem(b, QPointF(200, 190), 6, 10);
    b.step(5);
    b.area(S::leaf(QPointF(196, FP::Ground), -20, 150, 26), LeafGreen);
    b.area(S::leaf(QPointF(204, FP::Ground), 24, 132, 26), LeafGreen);
    return b.build();
}

Lesson edelweiss() {
    const QPointF c(200, 112);
    LessonBuilder b("edelweiss");
    b.step(1).layer(4);
    b.area(S::circle(c, 10), Gold);
    FP::dots(b, c, 5, 17, 8, Yellow);
    b.step(2).layer(2);
    for (int i = 0; i < 5; ++i)
        b.area(S::petal(c, 36 + i * 72, 10, 92, 40, 0.3), White);
    b.step(3).layer(1);
    for (int i = 0; i < 5; ++i)
        b.area(S::petal(c, i * 72, 10, 70, 36, 0.3), Cream);
    b.step(4).layer(0);
    FP::stem(b, QPointF(200, 190), -8, 10);
    b.step(5);
    FP::leaf(b, QPointF(200, 250), -56, 64, 18);
    FP::leaf(b, QPointF(200, 236), 56, 60, 18);
    b.layer(3);
    for (int i = 0; i < 5; ++i)
        b.line(S::vein(S::at(c, 36 + i * 72, 24), 36 + i * 72, 60), Silver);
    return b.build();
}

Lesson magnolia() {
    const QPointF base(200, 190);
    LessonBuilder b("magnolia");
    b.step(1).layer(2).area(S::petal(base, 0, 0, 140, 80, 0.55), LightPink);
    b.step(2).layer(3);
    b.area(S::petal(base, -28, 0, 124, 68, 0.5), White);
    b.area(S::petal(base, 28, 0, 124, 68, 0.5), White);
    b.step(3).layer(1);
    b.area(S::petal(base, -58, 0, 110, 62, 0.5), Pink);
    b.area(S::petal(base, 58, 0, 110, 62, 0.5), Pink);
    b.step(4).layer(0);
    b.area(S::stem(QPointF(40, 250), QPointF(360, 222), -8, 14), Brown);
    b.layer(4).area(S::petal(QPointF(200, 232), 0, 0, 46, 44, 0.9), Brown);
    b.step(5).layer(0);
    FP::leaf(b, QPointF(90, 244), -40, 70, 32);
    b.area(S::petal(QPointF(310, 228), 20, 0, 46, 24, 0.3), Pink);
    b.layer(3);
    b.line(S::curve(QPointF(170, 100), QPointF(172, 140), QPointF(186, 170)), Pink);
    b.line(S::curve(QPointF(230, 100), QPointF(228, 140), QPointF(214, 170)), Pink);
    return b.build();
}

Lesson carnation() {
    const QPointF top(200, 150);
    LessonBuilder b("carnation");
    b.step(1).layer(3).area(S::petal(QPointF(200, 212), 0, 0, 70, 40, 0.6), StemGreen);
    b.step(2).layer(2);
    for (int angle : {-56, -28, 0, 28, 56})
        b.area(S::frilledPetal(top, angle, 0, 84, 54, 4), Pink);
    b.step(3).layer(1);
    for (int angle : {-42, -14, 14, 42})
        b.area(S::frilledPetal(top, angle, 0, 98, 50, 4), Magenta);
    b.step(4).layer(0);
    FP::stem(b, QPointF(200, 208), 6, 8);
    b.layer(4);
    for (int x : {-10, 10})
        b.line(S::polyline({QPointF(200 + x, 182), QPointF(200 + x * 1.6, 160)}), DarkGreen);
    b.step(5).layer(0);
    for (int side : {-1, 1}) {
        b.area(S::leaf(QPointF(200, 250), side * 64, 76, 14), LeafGreen);
        b.area(S::leaf(QPointF(200, 276), side * 52, 64, 12), LeafGreen);
    }
    return b.build();
}

Lesson chrysanthemum() {
    const QPointF c(200, 104);
    LessonBuilder b("chrysanthemum");
    b.step(1).layer(5).area(S::circle(c, 16), Orange);
    b.step(2).layer(4);
    FP::petalRing(b, c, 10, 0, 6, 38, 18, 0.7, Gold);
    b.step(3).layer(3);
    FP::petalRing(b, c, 14, 12, 12, 66, 20, 0.7, Yellow);
    b.step(4).layer(2);
    FP::petalRing(b, c, 18, 0, 20, 94, 20, 0.7, Orange);
    b.step(5).layer(0);
    FP::stem(b, QPointF(200, 190), 8, 10);
    FP::toothedLeaf(b, QPointF(200, 250), -62, 84, 44, 4);
    FP::toothedLeaf(b, QPointF(200, 236), 60, 78, 42, 4);
    return b.build();
}

Lesson dahlia() {
    const QPointF c(200, 108);
    LessonBuilder b("dahlia");
    b.step(1).layer(5).area(S::circle(c, 16), Yellow);
    b.step(2).layer(4);
    FP::petalRing(b, c, 8, 0, 10, 48, 28, 0.2, DarkRed);
    b.step(3).layer(3);
    FP::petalRing(b, c, 8, 22.5, 14, 76, 40, 0.2, Magenta);
    b.step(4).layer(2);
    FP::petalRing(b, c, 16, 11.25, 24, 104, 36, 0.2, Pink);
    b.step(5).layer(0);
    FP::stem(b, QPointF(200, 200), 8, 10);
    FP::leaf(b, QPointF(200, 256), -60, 70, 32);
    FP::leaf(b, QPointF(200, 240), 60, 66, 30);
    return b.build();
}

Lesson orchid() {
    const QPointF c(210, 110);
    LessonBuilder b("orchid");
    b.step(1).layer(5).area(S::ellipse(c, 12, 15), Yellow);
    b.step(2).layer(1);
    for (int angle : {0, 140, 220})
        b.area(S::petal(c, angle, 0, 88, 42, 0.45), LightPink);
    b.step(3).layer(2);
    b.area(S::petal(c, -72, 0, 84, 90, 1.0), White);
    b.area(S::petal(c, 72, 0, 84, 90, 1.0), White);
    b.step(4).layer(4);
    b.area(S::heartPetal(c, 180, 6, 62, 48), Magenta);
    b.line(S::curve(c + QPointF(-16, 2), c + QPointF(-6, 10), c + QPointF(0, 30)), Magenta);
    b.line(S::curve(c + QPointF(16, 2), c + QPointF(6, 10), c + QPointF(0, 30)), Magenta);
    b.step(5).layer(0);
    b.area(S::stem(QPointF(120, FP::Ground), QPointF(206, 118), -40, 7), StemGreen);
    b.area(S::leaf(QPointF(120, FP::Ground - 4), 62, 140, 50), DarkGreen);
    b.area(S::leaf(QPointF(120, FP::Ground - 4), -66, 100, 42), DarkGreen);
    return b.build();
}

Lesson peony() {
    const QPointF c(200, 108);
    LessonBuilder b("peony");
    b.step(1).layer(4).area(S::circle(c, 26), Pink);
    b.line(S::arc(c, 14, -90, 200), Magenta);
    b.step(2).layer(3);
    for (int i = 0; i < 5; ++i)
        b.area(S::heartPetal(c, i * 72, 10, 58, 58), Pink);
    b.step(3).layer(2);
    for (int i = 0; i < 7; ++i)
        b.area(S::petal(c, 25 + i * 360.0 / 7, 16, 84, 66, 1.0), LightPink);
    b.step(4).layer(1);
    for (int i = 0; i < 8; ++i)
        b.area(S::heartPetal(c, i * 45, 30, 104, 72), Pink);
    b.step(5).layer(0);
    FP::stem(b, QPointF(200, 200), -8, 10);
    for (int angle : {-60, -20, 60})
        FP::leaf(b, QPointF(200, 246), angle, 62, 30);
    return b.build();
}

Lesson rose() {
    const QPointF c(200, 104);
    LessonBuilder b("rose");
    b.step(1).layer(5).area(S::circle(c, 18), Red);
    b.layer(6).line(S::arc(c, 9, 0, 300), DarkRed);
    b.step(2).layer(4);
    for (int angle : {-60, 60, 180})
        b.area(S::petal(c, angle, 4, 48, 70, 1.0), Red);
    b.step(3).layer(3);
    for (int i = 0; i < 5; ++i)
        b.area(S::petal(c, i * 72, 8, 76, 86, 1.0), Red);
    b.step(4).layer(2);
    for (int i = 0; i < 5; ++i)
        b.area(S::petal(c, 36 + i * 72, 14, 100, 94, 1.0), DarkRed);
    b.layer(1);
    for (int angle : {150, 210})
        b.area(S::petal(c, angle, 60, 124, 20, 0.1), StemGreen);
    b.step(5).layer(0);
    FP::stem(b, QPointF(200, 190), 10, 10);
    FP::toothedLeaf(b, QPointF(202, 250), -60, 72, 36, 5);
    FP::toothedLeaf(b, QPointF(200, 230), 58, 66, 34, 5);
    for (int y : {210, 272})
        b.area(S::polygon({QPointF(205, y), QPointF(216, y - 8), QPointF(205, y - 6)}), StemGreen);
    return b.build();
}

} // namespace FlowerLessons

// SPDX-License-Identifier: GPL-3.0-or-later
// Lessons 1 to 14: round shapes and few petals.
#include "Colours.h"
#include "FlowerLessons.h"
#include "FlowerParts.h"
#include "Shapes.h"

using namespace Colours;
using FP = FlowerParts;
using S = Shapes;

namespace FlowerLessons {

Lesson buttercup() {
    const QPointF c(200, 108);
    LessonBuilder b("buttercup");
    b.step(1).layer(4).area(S::circle(c, 17), Gold);
    b.step(2).layer(2);
    FP::petalRing(b, c, 5, 0, 8, 66, 66, 1.0, Yellow);
    b.step(3).layer(0);
    FP::stem(b, QPointF(200, 160), 14);
    b.step(4);
    FP::leaf(b, QPointF(203, 262), -58, 78, 36);
    FP::leaf(b, QPointF(198, 236), 56, 72, 34);
    b.step(5).layer(5);
    FP::dots(b, c, 7, 25, 3.5, Orange);
    return b.build();
}

Lesson forgetMeNot() {
    const QPointF c(170, 105);
    const QPointF small(282, 148);
    LessonBuilder b("forget-me-not");
    b.step(1).layer(4).area(S::circle(c, 16), Yellow);
    b.step(2).layer(2);
    FP::petalRing(b, c, 5, 0, 6, 58, 56, 1.0, SkyBlue);
    b.step(3).layer(4).area(S::circle(small, 9), Yellow);
    b.layer(2);
    FP::petalRing(b, small, 5, 18, 4, 36, 36, 1.0, SkyBlue);
    b.step(4).layer(0);
    b.area(S::stem(QPointF(172, 150), QPointF(200, FP::Ground), -10, 9), StemGreen);
    b.area(S::stem(QPointF(278, 180), QPointF(206, 262), -18, 7), StemGreen);
    b.step(5);
    FP::leaf(b, QPointF(198, 270), -62, 70, 28);
    b.layer(5).line(S::circle(c, 6), White).line(S::circle(small, 4), White);
    return b.build();
}

Lesson daisy() {
    const QPointF c(200, 110);
    LessonBuilder b("daisy");
    b.step(1).layer(4).area(S::circle(c, 22), Yellow);
    b.step(2).layer(2);
    FP::petalRing(b, c, 6, 0, 16, 86, 28, 0.8, White);
    b.step(3).layer(1);
    FP::petalRing(b, c, 6, 30, 16, 80, 28, 0.8, Cream);
    b.step(4).layer(0);
    FP::stem(b, QPointF(200, 180), 10);
    b.step(5);
    FP::leaf(b, QPointF(202, 268), -55, 70, 30);
    FP::leaf(b, QPointF(198, 250), 60, 62, 28);
    b.layer(5);
    FP::dots(b, c, 5, 11, 2.5, Gold);
    return b.build();
}

Lesson tulip() {
    const QPointF base(200, 176);
    LessonBuilder b("tulip");
    b.step(1).layer(1).area(S::petal(base, 0, 0, 140, 112, 0.6), DarkRed);
    b.step(2).layer(2);
    b.area(S::petal(base, -20, 0, 118, 74, 0.45), Red);
    b.area(S::petal(base, 20, 0, 118, 74, 0.45), Red);
    b.step(3).layer(0);
    FP::stem(b, QPointF(200, 170), 8, 12);
    b.step(4);
    FP::leaf(b, QPointF(198, FP::Ground), -24, 140, 50);
    b.step(5);
    FP::leaf(b, QPointF(204, FP::Ground), 30, 110, 44);
    b.layer(3).line(S::curve(QPointF(200, 60), QPointF(194, 100), QPointF(200, 128)));
    return b.build();
}

Lesson poppy() {
    const QPointF c(200, 112);
    LessonBuilder b("poppy");
    b.step(1).layer(4).area(S::circle(c, 18), Charcoal);
    b.step(2).layer(1);
    FP::petalRing(b, c, 2, 45, 4, 84, 110, 1.0, DarkRed);
    FP::petalRing(b, c, 2, 135, 4, 84, 110, 1.0, DarkRed);
    b.step(3).layer(2);
    FP::petalRing(b, c, 2, 0, 4, 72, 96, 1.0, Red);
    b.layer(5);
    for (int i = 0; i < 8; ++i)
        b.line(S::curve(S::at(c, i * 45, 10), S::at(c, i * 45 + 8, 20), S::at(c, i * 45, 28)), Charcoal);
    b.step(4).layer(0);
    FP::stem(b, QPointF(200, 180), -16, 9);
    b.step(5);
    FP::leaf(b, QPointF(199, 262), -60, 72, 26);
    FP::leaf(b, QPointF(201, 240), 62, 66, 24);
    return b.build();
}

Lesson violet() {
    const QPointF c(200, 112);
    LessonBuilder b("violet");
    b.step(1).layer(4).area(S::circle(c, 14), Yellow);
    b.step(2).layer(1);
    b.area(S::petal(c, -28, 4, 72, 58, 1.0), DarkPurple);
    b.area(S::petal(c, 28, 4, 72, 58, 1.0), DarkPurple);
    b.step(3).layer(2);
    b.area(S::petal(c, -100, 4, 62, 52, 1.0), Purple);
    b.area(S::petal(c, 100, 4, 62, 52, 1.0), Purple);
    b.area(S::petal(c, 180, 4, 68, 64, 1.0), Purple);
    b.step(4).layer(0);
    FP::stem(b, QPointF(200, 170), 12, 9);
    b.step(5);
    b.area(S::heartPetal(QPointF(204, 250), 70, 0, 70, 64), LeafGreen);
    b.area(S::heartPetal(QPointF(198, 236), -70, 0, 64, 58), LeafGreen);
    b.layer(5);
    for (int i = -1; i <= 1; ++i)
        b.line(S::curve(S::at(c, 180 + i * 18, 14), S::at(c, 180 + i * 16, 24), S::at(c, 180 + i * 14, 36)),
               DarkPurple);
    return b.build();
}

Lesson primrose() {
    const QPointF c(200, 112);
    LessonBuilder b("primrose");
    b.step(1).layer(4).area(S::circle(c, 13), Orange);
    b.step(2).layer(2);
    for (int i = 0; i < 5; ++i)
        b.area(S::heartPetal(c, i * 72, 4, 74, 72), PaleYellow);
    b.step(3).layer(3).area(S::toothedCircle(c, 27, 6, 5), Gold);
    b.step(4).layer(0);
    FP::stem(b, QPointF(200, 170), 6, 10);
    b.step(5);
    FP::leaf(b, QPointF(196, FP::Ground), -70, 110, 50);
    FP::leaf(b, QPointF(204, FP::Ground), 72, 104, 48);
    return b.build();
}

Lesson clover() {
    const QPointF head(200, 92);
    LessonBuilder b("clover");
    b.step(1).layer(2).area(S::circle(head, 40), Pink);
    b.step(2).layer(3);
    for (int row = 0; row < 3; ++row) {
        for (int i = 0; i < 3 - (row == 2); ++i) {
            const QPointF tip(176 + i * 24 + (row % 2) * 12, 70 + row * 22);
            b.line(S::curve(tip + QPointF(-9, 12), tip, tip + QPointF(9, 12)), Magenta);
        }
    }
    b.step(3).layer(0);
    FP::stem(b, QPointF(200, 128), 10, 8);
    const QPointF leftLeaf(128, 196);
    const QPointF rightLeaf(282, 214);
    b.step(4);
    b.area(S::stem(QPointF(200, 270), leftLeaf, 10, 6), StemGreen);
    for (int i = 0; i < 3; ++i)
        b.area(S::heartPetal(leftLeaf, -60 + i * 120, 0, 44, 46), LeafGreen);
    b.step(5);
    b.area(S::stem(QPointF(202, 282), rightLeaf, -10, 6), StemGreen);
    for (int i = 0; i < 3; ++i)
        b.area(S::heartPetal(rightLeaf, -60 + i * 120, 0, 40, 42), LeafGreen);
    return b.build();
}

Lesson sunflower() {
    const QPointF c(200, 112);
    LessonBuilder b("sunflower");
    b.step(1).layer(4).area(S::circle(c, 38), Brown);
    b.step(2).layer(2);
    FP::petalRing(b, c, 12, 0, 32, 92, 30, 0.3, Yellow);
    b.step(3).layer(1);
    FP::petalRing(b, c, 12, 15, 32, 86, 30, 0.3, Gold);
    b.step(4).layer(0);
    FP::stem(b, QPointF(200, 190), 10, 16);
    b.step(5);
    FP::leaf(b, QPointF(204, 262), -62, 96, 52);
    FP::leaf(b, QPointF(197, 238), 64, 88, 48);
    b.layer(5);
    for (int i = -2; i <= 2; ++i) {
        b.line(S::polyline({c + QPointF(i * 13 - 10, -30), c + QPointF(i * 13 + 10, 30)}), DarkBrown);
        b.line(S::polyline({c + QPointF(i * 13 + 10, -30), c + QPointF(i * 13 - 10, 30)}), DarkBrown);
    }
    return b.build();
}

Lesson cornflower() {
    const QPointF c(200, 110);
    LessonBuilder b("cornflower");
    b.step(1).layer(4).area(S::circle(c, 17), DarkPurple);
    b.step(2).layer(2);
    for (int i = 0; i < 6; ++i)
        b.area(S::frilledPetal(c, i * 60, 8, 70, 44, 3), Blue);
    b.step(3).layer(1);
    for (int i = 0; i < 6; ++i)
        b.area(S::frilledPetal(c, 30 + i * 60, 8, 60, 38, 3), SkyBlue);
    b.step(4).layer(0);
    FP::stem(b, QPointF(200, 160), -12, 8);
    b.step(5);
    FP::leaf(b, QPointF(200, 250), -48, 84, 16);
    FP::leaf(b, QPointF(200, 226), 50, 78, 16);
    b.layer(5);
    FP::dots(b, c, 6, 7, 2.5, Lilac);
    return b.build();
}

Lesson pansy() {
    const QPointF c(200, 118);
    LessonBuilder b("pansy");
    b.step(1).layer(6).area(S::circle(c, 13), Yellow);
    b.step(2).layer(1);
    b.area(S::petal(c, -32, 0, 86, 86, 1.0), Purple);
    b.area(S::petal(c, 32, 0, 86, 86, 1.0), Purple);
    b.step(3).layer(2);
    b.area(S::petal(c, -105, 0, 72, 70, 1.0), Yellow);
    b.area(S::petal(c, 105, 0, 72, 70, 1.0), Yellow);
    b.layer(3).area(S::petal(c, 180, 0, 78, 88, 1.0), Yellow);
    b.step(4).layer(4).area(S::blob({c + QPointF(-34, -4), c + QPointF(0, -14), c + QPointF(34, -4),
                                     c + QPointF(22, 30), c + QPointF(0, 40), c + QPointF(-22, 30)}),
                            DarkPurple);
    b.step(5).layer(0);
    FP::stem(b, QPointF(200, 190), 10, 9);
    FP::leaf(b, QPointF(200, 272), -60, 64, 30);
    return b.build();
}

Lesson bluebell() {
    LessonBuilder b("bluebell");
    b.step(1).layer(1);
    b.area(S::stem(QPointF(150, FP::Ground), QPointF(252, 40), -46, 8), StemGreen);
    const QPointF stalks[] = {{250, 44}, {224, 100}, {196, 156}};
    const QPointF bells[] = {{286, 62}, {262, 118}, {236, 174}};
    b.step(2).layer(2);
    b.area(S::bell(bells[0], 175, 62, 52, 3), Blue);
    b.line(S::curve(stalks[0], QPointF(276, 40), bells[0]));
    b.step(3);
    for (int i = 1; i < 3; ++i) {
        b.area(S::bell(bells[i], 175, 62, 52, 3), Blue);
        b.line(S::curve(stalks[i], stalks[i] + QPointF(30, -10), bells[i]));
    }
    b.step(4).layer(0);
    FP::leaf(b, QPointF(148, FP::Ground), -14, 170, 26);
    b.step(5);
    FP::leaf(b, QPointF(158, FP::Ground), 22, 130, 24);
    b.layer(3);
    for (const QPointF& bell : bells)
        b.line(S::curve(bell + QPointF(-2, 24), bell + QPointF(-6, 40), bell + QPointF(-4, 58)), DarkPurple);
    return b.build();
}

Lesson crocus() {
    const QPointF base(200, 196);
    LessonBuilder b("crocus");
    b.step(1).layer(1).area(S::petal(base, 0, 0, 150, 84, 0.4), Purple);
    b.step(2).layer(2);
    b.area(S::petal(base, -24, 0, 128, 70, 0.35), Lilac);
    b.area(S::petal(base, 24, 0, 128, 70, 0.35), Lilac);
    b.step(3).layer(0);
    FP::stem(b, QPointF(200, 190), 0, 11);
    b.step(4);
    b.area(S::leaf(QPointF(196, FP::Ground), -22, 130, 18), LeafGreen);
    b.area(S::leaf(QPointF(204, FP::Ground), 20, 136, 18), LeafGreen);
    b.step(5);
    b.area(S::leaf(QPointF(198, FP::Ground), -40, 100, 16), LeafGreen);
    b.layer(3);
    b.line(S::curve(QPointF(200, 80), QPointF(196, 120), QPointF(200, 150)), DarkPurple);
    b.line(S::curve(QPointF(168, 110), QPointF(176, 140), QPointF(186, 168)), DarkPurple);
    b.line(S::curve(QPointF(232, 110), QPointF(224, 140), QPointF(214, 168)), DarkPurple);
    return b.build();
}

Lesson snowdrop() {
    const QPointF cap(246, 92);
    LessonBuilder b("snowdrop");
    b.step(1).layer(0);
    b.area(S::stem(QPointF(196, FP::Ground), QPointF(222, 52), -26, 8), StemGreen);
    b.area(S::stem(QPointF(222, 54), QPointF(246, 80), -8, 6), StemGreen);
    b.step(2).layer(3).area(S::ellipse(cap, 10, 13), LeafGreen);
    b.step(3).layer(2);
    b.area(S::petal(cap, 152, 6, 100, 58, 0.45), White);
    b.area(S::petal(cap, 208, 6, 100, 58, 0.45), White);
    b.layer(1).area(S::petal(cap, 180, 6, 84, 52, 0.6), Cream);
    b.step(4).layer(0);
    FP::leaf(b, QPointF(192, FP::Ground), -18, 160, 20);
    b.step(5);
    FP::leaf(b, QPointF(202, FP::Ground), 24, 120, 18);
    b.layer(3).line(S::curve(QPointF(238, 168), QPointF(246, 158), QPointF(254, 168)), StemGreen);
    return b.build();
}

} // namespace FlowerLessons

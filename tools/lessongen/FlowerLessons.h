// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Lesson.h"

// One function per flower, in lesson order (easy to harder).
namespace FlowerLessons {
Lesson buttercup();
Lesson forgetMeNot();
Lesson daisy();
Lesson tulip();
Lesson poppy();
Lesson violet();
Lesson primrose();
Lesson clover();
Lesson sunflower();
Lesson cornflower();
Lesson pansy();
Lesson bluebell();
Lesson crocus();
Lesson snowdrop();

Lesson dandelion();
Lesson cosmos();
Lesson marigold();
Lesson gerbera();
Lesson morningGlory();
Lesson lilyOfTheValley();
Lesson cherryBlossom();
Lesson anemone();
Lesson hibiscus();
Lesson zinnia();
Lesson lavender();
Lesson daffodil();
Lesson waterLily();
Lesson camellia();

Lesson poinsettia();
Lesson aster();
Lesson hyacinth();
Lesson foxglove();
Lesson lily();
Lesson iris();
Lesson edelweiss();
Lesson magnolia();
Lesson carnation();
Lesson chrysanthemum();
Lesson dahlia();
Lesson orchid();
Lesson peony();
Lesson rose();
} // namespace FlowerLessons

// SPDX-License-Identifier: GPL-3.0-or-later
#include "LessonCatalog.h"

#include "FlowerLessons.h"

using namespace FlowerLessons;

QList<Lesson> LessonCatalog::all() {
    return {buttercup(),    forgetMeNot(),     daisy(),         tulip(),      poppy(),      violet(),
            primrose(),     clover(),          sunflower(),     cornflower(), pansy(),      bluebell(),
            crocus(),       snowdrop(),        dandelion(),     cosmos(),     marigold(),   gerbera(),
            morningGlory(), lilyOfTheValley(), cherryBlossom(), anemone(),    hibiscus(),   zinnia(),
            lavender(),     daffodil(),        waterLily(),     camellia(),   poinsettia(), aster(),
            hyacinth(),     foxglove(),        lily(),          iris(),       edelweiss(),  magnolia(),
            carnation(),    chrysanthemum(),   dahlia(),        orchid(),     peony(),      rose()};
}

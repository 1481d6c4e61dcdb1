#include "platform/FontWarmUp.h"

#ifdef PINSOLA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontWarmUp::FontWarmUp() {
#ifdef PINSOLA_FONTCONFIG
    // Reading it twice does no harm: the font system keeps whichever reading finishes first.
    m_reader = std::jthread([] { FcInit(); });
#endif
}

#include "color/PenChoice.h"

PenChoice& PenChoice::instance() {
    static PenChoice choice;
    return choice;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "errors/ErrorDispatcher.h"

// What the window hosting a slider offers it: the place its run-time errors go, so the control itself
// knows no error window.
class kmoSliderContainer : public ErrorDispatcher {};

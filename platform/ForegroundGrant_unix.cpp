// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ForegroundGrant.h"

void ForegroundGrant::toTheRunningCopy() {}

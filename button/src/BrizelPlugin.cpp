// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrizelPlugin.h"

#include "Brizel.h"

QWidget* BrizelPlugin::createControl(QWidget* parent) {
    return new brizel::Brizel(parent);
}

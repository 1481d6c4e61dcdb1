#include "BrizelPlugin.h"

#include "Brizel.h"

QWidget* BrizelPlugin::createControl(QWidget* parent) {
    return new brizel::Brizel(parent);
}

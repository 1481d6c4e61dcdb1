#include "BrizelPlugin.h"

QWidget* BrizelPlugin::createControl(QWidget*) { return nullptr; }

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QWidget;

// The program's loaded windows, in the order they were loaded.
namespace Forms {
void add(QWidget* form);
void remove(QWidget* form);
QList<QWidget*> loaded();
// Closes the window; it stays loaded when its close handler refuses. True when it was unloaded; an error
// of its close handler is raised here.
bool unload(QWidget* form);
} // namespace Forms

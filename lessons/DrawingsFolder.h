// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The folder of the child's saved drawings: the save command writes there, the lesson viewer's file list
// shows it and opens drawings from it.
namespace DrawingsFolder {
// Without a trailing separator.
QString path();
// A bare file name is taken inside the drawings folder; a path is kept as it is.
QString resolve(const QString& name);
} // namespace DrawingsFolder

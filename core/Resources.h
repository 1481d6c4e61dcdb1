// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QString>

// The program's embedded resources by kind and id: lesson bitmaps 101–142, cursor 101, sounds of the
// custom type "WAV" 101–107 and the strings 100 and 102. A missing resource raises error 326.
namespace Resources {
enum class PictureKind { Bitmap, Cursor };
// The string resources: the number of lessons, and the edition ("VI") shown after the program's name.
constexpr int LessonCountString = 100;
constexpr int EditionString = 102;

QImage LoadResPicture(int id, PictureKind kind);
// A picture file, read in the format its name's suffix names; only when that fails are the image
// plugins asked to recognise it. Asking them first loads every plugin there is, also for the program's
// own pictures, whose names are right.
QImage picture(const QString& path);
// A window's background: the picture file stretched smoothly to the window's size, in the screen's pixels
// (`ratio` of them per point). Decoded for each size asked, so a window keeps its background only at its
// own size.
QPixmap stretchedPicture(const QString& path, const QSize& size, qreal ratio);
QString LoadResString(int id);
// The whole resource of a custom type, as a new buffer.
QByteArray LoadResData(int id, const QString& type);
// The pen paths the lesson generator wrote beside lesson bitmap `id`.
QByteArray lessonStrokes(int id);
// The canvas pointer: cursor 101 with its hot spot at the top-left corner.
QCursor canvasCursor();
} // namespace Resources

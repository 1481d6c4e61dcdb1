#pragma once

#include <QByteArray>
#include <QString>

// Checks the structure of a Windows bitmap file before it is decoded. The decoder shows what it can of a
// file cut short or of runs that leave the picture, without saying so; a drawing opened from anywhere is
// refused instead, with the reason.
namespace BitmapCheck {
// The reason the file is refused, or the empty text when it is sound. `maxSide` bounds width and height.
QString problem(const QByteArray& file, int maxSide);
} // namespace BitmapCheck

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <brizel/BrizelTypes.h>
#include <brizel/Picture.h>

#include <QFont>
#include <QString>
#include <QVariant>
#include <optional>

namespace brizel {

// Conversions between property values and their stored form in a property bag. Readers return nothing
// for a value they cannot understand, so the caller can keep its read default.
namespace PropertyCodec {

std::optional<int32_t> toLong(const QVariant& value);
std::optional<VBool> toBool(const QVariant& value);

// Fonts are stored as "name,size,bold,italic,underline,charset" (size in points, flags -1/0).
QString fontText(const QFont& font);
std::optional<QFont> fontFrom(const QString& text);

// Pictures are stored by their source path, or as a PNG data address when they have none.
QString pictureText(const Picture& picture);
Picture pictureFrom(const QString& text);

} // namespace PropertyCodec

} // namespace brizel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace brizel {

// A picture handed to a control: the pixels plus where they came from, so a stored property set can name
// the file or resource instead of holding the pixels. Icons are drawn onto a mask-coloured bitmap first.
struct Picture {
    QImage image;
    QString source;
    bool isIcon = false;

    bool isNull() const { return image.isNull(); }
    // Loads a file or Qt resource path; ".ico" and ".cur" files are icons. A null picture when unreadable.
    static Picture fromFile(const QString& path) {
        Picture picture;
        if (path.isEmpty() || !picture.image.load(path))
            return {};
        picture.source = path;
        picture.isIcon = path.endsWith(QLatin1String(".ico"), Qt::CaseInsensitive) ||
                         path.endsWith(QLatin1String(".cur"), Qt::CaseInsensitive);
        return picture;
    }
    static Picture fromImage(const QImage& image) { return {image, {}, false}; }
};

} // namespace brizel

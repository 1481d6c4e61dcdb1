// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <memory>

// A picture handed to a control by reference. It remembers where it came from, so a control can store
// it in its host's property set as text.
class ControlPicture {
public:
    using Ref = std::shared_ptr<const ControlPicture>;

    // The picture that `text` names: a resource or file path, or inline PNG data
    // ("data:image/png;base64,…"). Empty text is no picture. A missing file raises error 53, data that
    // is no picture error 481.
    static Ref fromText(const QString& text);
    // A picture made in memory; it is stored inline.
    static Ref fromImage(const QImage& image);

    // The text that brings this picture back through fromText.
    QString toText() const;
    const QImage& image() const { return m_image; }
    QSize size() const { return m_image.size(); }

    ControlPicture(QImage image, QString source);

private:
    QImage m_image;
    QString m_source;
};

// The stored text of a picture reference; no picture is the empty text.
QString pictureText(const ControlPicture::Ref& picture);

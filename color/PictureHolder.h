// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/ControlPicture.h"

#include <QSizeF>

// An invisible holder of a control's picture: where the control paints it and how large it is. The
// holder is as large as its picture; without one it keeps the size it was made with.
class PictureHolder {
public:
    explicit PictureHolder(QSizeF emptySize) : m_emptySize(emptySize) {}

    float left = 0;
    float top = 0;

    const ControlPicture::Ref& picture() const { return m_picture; }
    void setPicture(ControlPicture::Ref picture) { m_picture = std::move(picture); }
    bool hasPicture() const { return m_picture != nullptr; }

    float width() const {
        return static_cast<float>(m_picture ? m_picture->size().width() : m_emptySize.width());
    }
    float height() const {
        return static_cast<float>(m_picture ? m_picture->size().height() : m_emptySize.height());
    }

private:
    QSizeF m_emptySize;
    ControlPicture::Ref m_picture;
};

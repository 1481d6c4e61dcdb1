// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A picture box: a back colour and a persistent picture drawn at its top-left corner. Its owner paints
// into picture() and calls update(); the box never repaints what it shows by itself.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color);
    // A picture as large as the box in the screen's pixels (two per point at 200 %), filled with the back
    // colour; painted on in the box's own coordinates, it stays sharp at every scale.
    QPixmap blankPicture() const;
    QPixmap& picture() { return m_picture; }
    const QPixmap& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_backColor = Qt::white;
    QPixmap m_picture;
};

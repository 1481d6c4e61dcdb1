#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// The grid over the preview (imgGitter): a picture of the preview's design size, transparent but for
// lines of the given colour and width every `spacing` pixels, scaled to the overlay's size. The pointer
// passes through it to the preview below.
class GridOverlay : public QWidget {
    Q_OBJECT

public:
    GridOverlay(QWidget* parent, QSize designSize, QColor color, int spacing, int lineWidth);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

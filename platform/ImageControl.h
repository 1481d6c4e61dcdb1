#pragma once

#include <QLabel>

// An image control: shows a picture and raises Click when a press on it is released over it.
class ImageControl : public QLabel {
    Q_OBJECT

public:
    explicit ImageControl(QWidget* parent = nullptr) : QLabel(parent) {}

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

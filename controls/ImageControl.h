// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <span>

// An image control: shows a picture and raises Click when a press on it is released over it. Reached with
// Tab, it shows a focus mark and Space or Enter click it too. One of a group of choices (a language flag)
// is checkable, and checked while it is the current choice; screen readers hear that.
class ImageControl : public QLabel {
    Q_OBJECT

public:
    explicit ImageControl(QWidget* parent = nullptr);

    // Puts the controls there are into the tab order after `previous`, as they are read: row by row, each
    // row from left to right.
    static void joinTabOrder(QWidget* previous, std::span<ImageControl* const> controls);

    bool isCheckable() const { return m_checkable; }
    bool isChecked() const { return m_checked; }
    // Makes the control checkable, checked or not.
    void setChecked(bool checked);

signals:
    void Click();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
    bool m_checkable = false;
    bool m_checked = false;
};

#pragma once

#include <QPixmap>
#include <QWidget>

// The drawing window, the program's main window.
class frmDraw : public QWidget {
    Q_OBJECT

public:
    // The program-wide instance, loaded (not shown) on first use.
    static frmDraw* instance();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    frmDraw();

    QPixmap m_background;
};

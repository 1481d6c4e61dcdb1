#pragma once

#include <QWidget>

// The colour and pen-width window beside the drawing window. For now an empty window of its size.
class frmColor : public QWidget {
    Q_OBJECT

public:
    // The program-wide instance, loaded (not shown) on first use.
    static frmColor* instance();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    frmColor();
};

#pragma once

#include <QWidget>

class QLabel;

// The info window: program name and version; the start screen that shows the drawing window.
class frmInfo : public QWidget {
    Q_OBJECT

public:
    // The program-wide instance, loaded on first use.
    static frmInfo* instance();

signals:
    // The start screen closed for the first time: the drawing window is to be shown.
    void mainWindowWanted();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    frmInfo();
    QLabel* pictureLabel(const QString& resource);
};

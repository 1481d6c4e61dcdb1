// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Seam.h"

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QMouseEvent;
class QPushButton;

namespace brizel {

// The library's about window: name, version, description and contact links. Shown without waiting;
// it deletes itself when closed.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    // Shows a new about window and returns at once.
    static frmAbout* showAbout(QWidget* parent = nullptr);
    // Tests record the links opened instead of the shell opening them.
    static inline Seam<std::function<bool(const QString& target)>> openSeam;

    static QString title();
    static QString versionText();

    explicit frmAbout(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void reject() override;

private:
    QLabel* makeLink(const QString& name, const QString& text, const QString& target);
    void setLinkColor(QLabel* link, QRgb color);
    void resetLinks();
};

} // namespace brizel

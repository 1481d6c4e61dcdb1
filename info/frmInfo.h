// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/StoredForm.h"
#include "core/ProgramWindow.h"

#include <QWidget>
#include <array>
#include <cstdint>

class ImageControl;
class QLabel;
class QPushButton;
class QTimer;

// The info window: program name and version, the maker's web page and OK. As the start screen it also
// offers the language flags and closes itself after 2.5 seconds; its first closing asks for the drawing
// window. Opened again later (modally, from the help menu) it shows neither flags nor runs a timer.
class frmInfo : public ProgramWindow {
    Q_OBJECT
    friend class ProgramWindow;

public:
    // The program-wide instance, loaded (not shown) on first use; loading runs Form_Load. Closing the
    // window unloads it.
    static frmInfo* instance();
    // The stored design of the window.
    static const StoredForm& design();
    // Starts decoding the window's pictures on another core, for the start screen made a moment later;
    // a window made without it decodes them itself.
    static void decodePicturesAhead();

    // The start screen's 2.5 s count to its closing; the start holds it while the drawing window loads.
    QTimer* closingTimer() const { return Timer1; }

    // Puts the texts of the current language on the window.
    void Sprache();

    void Form_Load();
    void Form_Activate() override;
    void cmdOK_Click();
    void Timer1_Timer();
    void imgLang_Click(int16_t Index);
    void lblHomepage_Click();
    void lblHomepage_MouseDown();
    void lblHomepage_MouseUp();

signals:
    // The start screen closes for the first time: the drawing window is to be shown, once.
    void mainWindowWanted();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    frmInfo();
    void createControls();
    void createLabels(const StoredForm& form);
    void nameControls() override;
    void showMainWindowOnce();

    // Label(0): name and version; Label(1): what the program is for; Label(2): the flags' prompt.
    std::array<QLabel*, 3> Label{};
    QLabel* lblHomepage = nullptr;
    QLabel* lblLicence = nullptr;
    // Index = the language the flag selects.
    Flags imgLang{};
    std::array<QLabel*, 2> imgPicture{};
    QPushButton* cmdOK = nullptr;
    QTimer* Timer1 = nullptr;

    QColor m_backColor;
    bool m_linkPressed = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/ButtonArray.h"
#include "controls/PictureBox.h"
#include "controls/StoredForm.h"
#include "core/CommandTable.h"
#include "core/ProgramWindow.h"
#include "draw/DrawingCanvas.h"

#include <QImage>
#include <QKeySequence>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>

class DrawingRecovery;
class ImageControl;
class QAction;
class QLabel;
class QMenu;
class QPainter;
class frmPreview;
class ErrorTrap;

// The drawing window, the program's main window: a painted background, the panel of ten command buttons
// and six language flags at the lower left, the canvas at the lower right inside its frame, the logo at
// the top right and the notice line at the lower left edge.
class frmDraw : public ProgramWindow {
    Q_OBJECT
    // Read by name, as the controls are found by their object names.
    Q_PROPERTY(qint16 StrokeActive READ strokeActive)
    Q_PROPERTY(QString PicName READ PicName)
    friend class ProgramWindow;

public:
    // The program-wide instance, loaded (not shown) on first use; loading runs Form_Load.
    static frmDraw* instance();
    // The stored design of the window.
    static const StoredForm& design();

    // The command buttons, in the order of their indices.
    enum class Command : int16_t {
        NewPage,
        Undo,
        Gallery,
        Save,
        ColorWindow,
        Print,
        SoundSwitch,
        HelpMenu,
        WebPage,
        Exit,
    };
    // Exit is the last.
    static constexpr int16_t CommandCount = static_cast<int16_t>(Command::Exit) + 1;

    // The keyboard shortcut of a command, empty where it has none; its button's tooltip names it.
    static QKeySequence shortcutOf(Command command);
    // The button that runs `command`.
    brizel::IBrizel& button(Command command) const;
    QWidget* buttonWidget(Command command) const;

    // Puts the texts of the current language on this window, its menu and the lesson viewer's buttons.
    void Sprache();

    void Form_Load();
    void Form_Resize();
    void Form_Activate() override;
    // A close from the desktop: the exit command's question and end.
    void Form_QueryUnload();
    void bzlButton_Click(int16_t Index);
    void bzlButton_Click(Command command);
    void imgLang_Click(int16_t Index);
    void mnuHilfe_Click();
    void mnuEmail_Click();
    void mnuUeber_Click();
    void picBild_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void picBild_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void picBild_MouseUp(int16_t Button, int16_t Shift, float X, float Y);

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    frmDraw();
    int16_t strokeActive() const { return StrokeActive; }
    // The file name the last save asked for, with ".bmp"; empty after a cancelled save dialog.
    const QString& PicName() const { return m_picName; }
    void createControls();
    void followPenChoice();
    void createLogos(const StoredForm& form);
    void createLabels(const StoredForm& form);
    void createMenu(const StoredForm& form);
    void createShortcuts();
    void pressButton(Command command);
    void useHeavyFontForHelpButton();
    void nameControls() override;
    void languageChanged() override;
    QSize initialClientSize() const;

    frmPreview* lessonViewer();
    void paintOpenedPicture(const QImage& picture);
    void showLessonViewer();
    bool showColorWindow(bool byItself = false);
    QRect panelOnScreen() const;
    static bool moveOffPanel(QWidget* window, const QList<QRect>& keepClear);
    void keepOffCanvas(QWidget* colorWindow);
    using CommandTable = std::array<CommandEntry<frmDraw, Command>, CommandCount>;
    static const CommandTable& commands();
    void newPage(ErrorTrap& trap);
    void undo(ErrorTrap& trap);
    void openGallery(ErrorTrap& trap);
    void saveDrawing(ErrorTrap& trap);
    void openColorWindow(ErrorTrap& trap);
    void printDrawing(ErrorTrap& trap);
    void toggleSound(ErrorTrap& trap);
    void showSoundSwitch();
    void openHelpMenu(ErrorTrap& trap);
    void openWebPage(ErrorTrap& trap);
    static bool endAllowed(ErrorTrap& trap, QWidget* owner);
    void exitProgram(ErrorTrap& trap);
    void endProgram(ErrorTrap& trap);

    const QImage& background();
    // The background stretched over the window, its top-left corner at `origin` of the painter.
    void drawBackground(QPainter& painter, QPoint origin);
    void paintPanel();
    void placeLogos(double clientWidth, int16_t margin);

    DrawingCanvas* picBild = nullptr;
    PictureBox* picPanel = nullptr;
    ButtonArray bzlButton;
    // Index = the language the flag selects.
    Flags imgLang{};
    std::array<QLabel*, 2> imgLogo{};
    QLabel* lblRahmen = nullptr;
    QLabel* lblCopyright = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHilfe = nullptr;
    QAction* mnuEmail = nullptr;
    QAction* mnuUeber = nullptr;

    // 1 while a mouse button is held on the canvas.
    int16_t StrokeActive = 0;

    // Printer page margins in millimetres: left, right, top, bottom; read from the default printer as a
    // drawing is printed.
    std::array<int16_t, 4> PageMargin{};
    QString m_picName;
    // The background picture at its own size, stretched over the window whenever a part of it is painted:
    // straight to the screen's pixels, so it is as sharp as the artwork at every scale, and a larger window
    // costs no memory for it. Decoded for painting and let go once painting has rested a moment: a window
    // at rest keeps no copy of it (3 MiB), a window being resized decodes it once.
    QImage m_background;
    QTimer m_backgroundKept;
    std::array<bool, 2> m_logoStretched{};
    QPointer<frmPreview> m_lessonViewer;
    DrawingRecovery* m_recovery = nullptr;
};

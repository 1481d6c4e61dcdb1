// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/ButtonArray.h"
#include "controls/FileListBox.h"
#include "controls/PictureBox.h"
#include "controls/StoredForm.h"
#include "controls/WindowDrag.h"
#include "core/CommandTable.h"
#include "core/ProgramWindow.h"
#include "lessons/GridOverlay.h"
#include "lessons/LessonStrokes.h"

#include <QImage>
#include <QKeySequence>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>

class ErrorTrap;
class StepPlayer;

// The lesson viewer, a small borderless window beside the drawing window. It shows the current lesson one
// step (one band of the lesson bitmap) at a time, with a grid over it at full or half size; below the
// preview one of three panels: the step panel, the lesson panel for browsing the lessons, and the file
// panel that opens a saved drawing onto the drawing window's canvas.
class frmPreview : public ProgramWindow {
    Q_OBJECT
    // Read by name, as the controls are found by their object names.
    Q_PROPERTY(QString chosenDrawing READ chosenDrawing)
    Q_PROPERTY(qint16 lessonCount READ lessonCount)
    Q_PROPERTY(bool playing READ isPlaying)
    friend class ProgramWindow;

public:
    // The program-wide instance, loaded (not shown) on first use; loading runs Form_Load.
    static frmPreview* instance();
    // The stored design of the window.
    static const StoredForm& design();
    // The drawing window and its button panel, which the viewer's default place follows. Set before the
    // viewer loads.
    static void setDrawingWindow(QWidget* window, QWidget* panel);

    // The buttons of the three panels, in the order of their indices.
    enum class Command : int16_t {
        // The step panel.
        StepBack,
        ChooseLesson,
        StepOn,
        GridSwitch,
        SizeSwitch,
        // The lesson panel.
        LessonBefore,
        TakeLesson,
        NextLesson,
        // The file panel.
        TakeDrawing,
        // The step panel again.
        TraceSwitch,
        ShowHow,
    };
    // ShowHow is the last.
    static constexpr int16_t CommandCount = static_cast<int16_t>(Command::ShowHow) + 1;

    void Form_Load();
    void Form_Activate() override;
    void Form_Resize();
    void Form_Unload();
    void ResizePreview();
    void filPics_Click();
    void bzlButton_Click(int16_t Index);
    void bzlButton_Click(Command command);
    void Form_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void picPanel_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void picPreview_MouseDown(int16_t Button, int16_t Shift, float X, float Y);

    // The drawing window's gallery command: the file panel, listing the drawings saved until now.
    void showFilePanel();
    // Shows panel `panel` (0 to 2) and hides the others.
    void showPanel(int panel);
    // The drawing TakeDrawing opens: a bare file name is one in the drawings folder; empty for none.
    void chooseDrawing(const QString& nameOrPath);

    // The keyboard shortcut of a command: Page Up and Page Down for the steps; empty for the others.
    static QKeySequence shortcutOf(Command command);
    // The buttons' tooltips in the current language, button i at line firstLine + 10 * i of `trap`; false
    // where one failed and the trap ends.
    bool labelButtons(ErrorTrap& trap, int firstLine);
    // The button that runs `command`.
    brizel::IBrizel& button(Command command) const;
    QWidget* buttonWidget(Command command) const;
    // The band shown, to be traced on the canvas; null while tracing is off.
    QImage tracing() const;

signals:
    // TakeDrawing opened this drawing; the drawing window paints it stretched over its canvas.
    void pictureLoaded(const QImage& picture);
    // Tracing was switched, or another band is shown while it is on: tracing() now gives `band`.
    void tracingChanged(const QImage& band);
    // While tracing is on, a play drew lines within `changed` of `picture`, the band as it now shows.
    void tracingPlayed(const QImage& picture, const QRect& changed);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    frmPreview();
    // The chosen drawing as a full path; empty for none.
    const QString& chosenDrawing() const { return m_chosenDrawing; }
    // The lesson count read at the last activation.
    int16_t lessonCount() const { return m_lessonCount; }
    // Whether the preview is drawing a step's new lines.
    bool isPlaying() const;
    void createControls();
    void createPanels(const StoredForm& form);
    void nameControls() override;
    void createShortcuts();
    QPoint defaultPosition() const;
    QPoint whollyOnScreen(QPoint twips) const;
    void keepOnScreen();

    void loadLesson();
    void readLessonCount();
    void showBand(int band);
    void showPicture(const QImage& picture);
    void paintPreview(const QImage& picture, bool smooth);
    QImage bandPicture(int band) const;
    void describePicture();
    void showSwitches();
    void paintPanel(PictureBox* panel);
    void enable(Command command, bool on);
    void browse(int16_t lesson);

    using CommandTable = std::array<CommandEntry<frmPreview, Command>, CommandCount>;
    static const CommandTable& commands();
    void stepBack(ErrorTrap& trap);
    void chooseLesson(ErrorTrap& trap);
    void stepOn(ErrorTrap& trap);
    void switchGrid(ErrorTrap& trap);
    void switchSize(ErrorTrap& trap);
    void lessonBefore(ErrorTrap& trap);
    void takeLesson(ErrorTrap& trap);
    void nextLesson(ErrorTrap& trap);
    void takeDrawing(ErrorTrap& trap);
    void switchTracing(ErrorTrap& trap);
    void showHow(ErrorTrap& trap);

    PictureBox* picPreview = nullptr;
    std::array<PictureBox*, 3> picPanel{};
    FileListBox* filPics = nullptr;
    ButtonArray bzlButton;
    GridOverlay* imgGitter = nullptr;
    QString m_chosenDrawing;
    QPixmap m_background;
    QImage m_lesson;
    LessonStrokes m_strokes;
    QImage m_band;
    // The band the picture shows; -1 while it shows the chosen drawing.
    int m_shownBand = 0;
    int16_t m_lessonCount = 0;
    WindowDrag m_drag;
    QPointF m_pressedAt;
    StepPlayer* m_player = nullptr;
};

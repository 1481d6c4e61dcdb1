// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <brizel/BrizelLoader.h>
#include <brizel/IBrizel.h>

#include <QStringList>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// The system colours every test runs with (set as the application palette), plain RGB.
namespace sys {
inline constexpr uint32_t Face = brizel::rgb(212, 208, 200);
inline constexpr uint32_t Shadow = brizel::rgb(128, 124, 120);
inline constexpr uint32_t Light = brizel::rgb(224, 222, 220);
inline constexpr uint32_t DarkShadow = brizel::rgb(40, 36, 32);
inline constexpr uint32_t Highlight = brizel::rgb(250, 251, 252);
inline constexpr uint32_t Text = brizel::rgb(10, 20, 30);
inline constexpr uint32_t Select = brizel::rgb(10, 36, 106);
} // namespace sys

// The hosting window's side: ambient properties, parent colours, and what the control reported.
struct TestContainer : brizel::BrizelContainer {
    bool userMode = true;
    QString displayName = QStringLiteral("Brizel1");
    QFont font = QFont(QStringLiteral("DejaVu Sans"), 8);
    bool isDefault = false;
    uint32_t back = brizel::rgb(30, 60, 90);
    uint32_t fore = brizel::rgb(200, 210, 220);
    int marks = 0;
    QChar accessKey;

    bool UserMode() const override { return userMode; }
    QString DisplayName() const override { return displayName; }
    QFont Font() const override { return font; }
    bool DisplayAsDefault() const override { return isDefault; }
    uint32_t ParentBackColor() const override { return back; }
    uint32_t ParentForeColor() const override { return fore; }
    void PropertyChanged(brizel::IBrizel&) override { ++marks; }
    void AccessKeyChanged(brizel::IBrizel&, QChar key) override { accessKey = key; }
};

// Records every event as text; handlers may be replaced to change by-reference arguments.
struct EventLog : brizel::BrizelEvents {
    QStringList events;
    std::function<void(int16_t&)> onMouseDownButton;
    std::function<void(int16_t&)> onKeyDownCode;
    std::function<void()> onClick;

    void Click() override;
    void MouseDown(int16_t& button, int16_t& shift, float& x, float& y) override;
    void MouseMove(int16_t& button, int16_t& shift, float& x, float& y) override;
    void MouseUp(int16_t& button, int16_t& shift, float& x, float& y) override;
    void KeyPress(int16_t& keyAscii) override;
    void KeyDown(int16_t& keyCode, int16_t& shift) override;
    void KeyUp(int16_t& keyCode, int16_t& shift) override;
    void MouseOver() override { events << QStringLiteral("MouseOver"); }
    void MouseOut() override { events << QStringLiteral("MouseOut"); }
    // The events without MouseMove, which come with every pointer step.
    QStringList withoutMoves() const;
};

// "(r,g,b)" of a plain RGB value, so failures read as colours.
std::string rgbText(uint32_t color);

class BrizelTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static brizel::BrizelFactory* factory();
    // A new control in the test window, placed (InitProperties) and sized.
    brizel::IBrizel* create(int width = 40, int height = 24);
    // A control loaded from a property bag instead of placed new.
    brizel::IBrizel* createUnplaced(int width = 40, int height = 24);
    QWidget* widgetOf(brizel::IBrizel* control) const;
    // Resizes a control and lets it see the new size at once, also while hidden.
    static void resizeNow(QWidget* widget, QSize size);

    // The painted face at (x, y) as "(r,g,b)".
    std::string pixel(brizel::IBrizel* control, int x, int y) const;
    // Shows the window and makes it active, so the control can take focus and pointer events.
    void showWindow();
    // Moves the real pointer to a point of the control (or of the window) and lets the events run.
    void pointTo(QWidget* widget, QPoint local);
    void pointAway();

    std::unique_ptr<QWidget> window;
    TestContainer container;
    EventLog log;
};

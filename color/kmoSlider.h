// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/MouseCodes.h"
#include "color/ControlPicture.h"
#include "color/PictureHolder.h"
#include "color/kmoSliderContainer.h"
#include "controls/Edge3D.h"

#include <QImage>
#include <QWidget>
#include <cstdint>

namespace brizel {
class PropertyBag;
}

// The program's slider: a thumb on a straight track selecting a whole number Value between Min and
// Max. It paints itself into a persistent image (a drawn three-dimensional rail or a rail picture, then
// the thumb picture), handles the pointer itself and keeps its properties in the host's property set.
// Value is the default member: reading or assigning the control as a number reads or sets Value.
class kmoSlider : public QWidget {
    Q_OBJECT
    Q_PROPERTY(short Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int Max READ Max WRITE setMax)
    Q_PROPERTY(int Min READ Min WRITE setMin)
    Q_PROPERTY(int Value READ Value WRITE setValue NOTIFY ValueChanged USER true)
    Q_PROPERTY(int Orientation READ Orientation WRITE setOrientation)
    Q_PROPERTY(int RailStyle READ RailStyle WRITE setRailStyle)

public:
    static constexpr int32_t Horizontal = 0;
    static constexpr int32_t Vertical = 1;
    static constexpr int32_t PictureRail = 99;
    static constexpr uint32_t DefaultBackColor = 0x8000000F;
    // Pointer buttons and modifier keys as the notifications carry them.
    static constexpr int16_t LeftButton = MouseCodes::LeftButton;
    static constexpr int16_t RightButton = MouseCodes::RightButton;
    static constexpr int16_t MiddleButton = MouseCodes::MiddleButton;
    static constexpr int16_t ShiftMask = MouseCodes::ShiftMask;
    static constexpr int16_t CtrlMask = MouseCodes::CtrlMask;
    static constexpr int16_t AltMask = MouseCodes::AltMask;

    explicit kmoSlider(QWidget* parent = nullptr);

    // The hosting window; the slider's run-time errors go to it. Without one they are logged and the
    // failing procedure is left.
    void setContainer(kmoSliderContainer* container) { m_container = container; }

    // The built-in thumb, a 16 × 16 picture.
    static ControlPicture::Ref builtInThumb();

    int16_t Enabled() const { return m_Enabled; }
    // Deliberately hides QWidget::setEnabled: a disabled slider ignores presses but still reports the
    // release that raises Click, so the widget itself stays enabled.
    void setEnabled(int16_t New_Enabled);
    uint32_t BackColor() const { return m_BackColor; }
    void setBackColor(uint32_t New_BackColor);
    int32_t Max() const { return m_Max; }
    void setMax(int32_t New_Max);
    int32_t Min() const { return m_Min; }
    void setMin(int32_t New_Min);
    int32_t Value() const { return m_Value; }
    void setValue(int32_t New_Value);
    int32_t Orientation() const { return m_Orientation; }
    void setOrientation(int32_t New_Orientation);
    int32_t RailStyle() const { return m_RailStyle; }
    void setRailStyle(int32_t New_RailStyle);
    ControlPicture::Ref SliderIcon() const { return m_Slider.picture(); }
    void setSliderIcon(ControlPicture::Ref New_SliderIcon);
    ControlPicture::Ref RailPicture() const { return m_iRailPicture.picture(); }
    void setRailPicture(ControlPicture::Ref New_RailPicture);

    operator int32_t() const { return m_Value; }
    kmoSlider& operator=(int32_t New_Value);

    // Notifications of the host; the widget's own events call them too.
    void UserControl_Initialize();
    void UserControl_InitProperties();
    void UserControl_ReadProperties(const brizel::PropertyBag& PropBag);
    void UserControl_WriteProperties(brizel::PropertyBag& PropBag);
    void UserControl_Show();
    void UserControl_Resize();
    void UserControl_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void UserControl_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void UserControl_MouseUp(int16_t Button, int16_t Shift, float X, float Y);

    void Refresh();
    int32_t GetValue();
    void ResetSlider();

    // What the control shows: the thumb's top-left corner, the drawn rail's rectangle and the
    // persistent image; refreshCount() counts the redraws.
    QPointF thumbPosition() const { return {m_Slider.left, m_Slider.top}; }
    Edge3D::Rect RailRect() const { return m_RailRect; }
    const QImage& surface() const { return m_surface; }
    int refreshCount() const { return m_refreshCount; }

signals:
    void Click();
    void ArrivedFirst();
    void ArrivedLast();
    void ValueChanged();
    void MouseDown(int16_t& Shift);
    void MouseUp(int16_t& Shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static QString moduleName() { return QStringLiteral("kmoSlider"); }
    ErrorDispatcher& errors();
    float ScaleWidth() const { return static_cast<float>(width()); }
    float ScaleHeight() const { return static_cast<float>(height()); }
    bool hasPictureRail() const;
    float horizontalPosition(int32_t value) const;
    float verticalPosition(int32_t value) const;
    void placeAlongTrack();
    void computeRange();
    void setOuterWidth(float pixels);
    void setOuterHeight(float pixels);
    void placeAcrossTrack();
    void computeRailRect();
    void clearSurface();
    void drawRail();
    void drawThumb();

    int16_t m_Enabled = -1;
    uint32_t m_BackColor = DefaultBackColor;
    int32_t m_Max = 10;
    int32_t m_Min = 0;
    int32_t m_Value = 0;
    int32_t m_Orientation = Vertical;
    int32_t m_RailStyle = 0;

    int32_t m_Range = 10;
    int32_t m_LastValue = 0;
    int16_t m_Dragging = 0;
    float m_GrabX = 0;
    float m_GrabY = 0;
    Edge3D::Rect m_RailRect;
    int32_t m_TppX = 15;
    int32_t m_TppY = 15;

    PictureHolder m_Slider;
    PictureHolder m_iRailPicture;
    QImage m_surface;
    int m_refreshCount = 0;
    kmoSliderContainer* m_container = nullptr;
};

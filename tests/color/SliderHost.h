// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/ControlPicture.h"
#include "color/kmoSlider.h"
#include "color/kmoSliderContainer.h"
#include "support/ErrorScript.h"

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <memory>

// How a test slider is loaded: through the host's property set, as a stored window loads it.
struct SliderSetup {
    int32_t orientation = kmoSlider::Horizontal;
    QSize size{116, 16};
    int32_t min = 0;
    int32_t max = 10;
    int32_t value = 0;
    int32_t railStyle = 0;
    ControlPicture::Ref thumb = kmoSlider::builtInThumb();
    ControlPicture::Ref railPicture = nullptr;
    uint32_t backColor = kmoSlider::DefaultBackColor;
};

// The host's side of the slider's error reports: the program's error window behind it.
class ErrorWindowContainer : public kmoSliderContainer {
public:
    int16_t OnError(const QString& procedureName, const QString& moduleName) override;
};

// A host that notes what the slider reported and answers with `action`.
class RecordingContainer : public kmoSliderContainer {
public:
    explicit RecordingContainer(int16_t action) : m_action(action) {}
    int16_t OnError(const QString& procedureName, const QString& moduleName) override;
    std::vector<ErrorScript::Shown> reports;

private:
    int16_t m_action;
};

// A shown window holding one loaded slider at (10, 10), and the log of the slider's events:
// "ValueChanged(7)", "ArrivedFirst", "ArrivedLast", "Click", "MouseDown(1)", "MouseUp(0)".
class SliderHost {
public:
    explicit SliderHost(const SliderSetup& setup);

    kmoSlider& slider() { return *m_slider; }
    QStringList events;

    static ControlPicture::Ref solidPicture(QSize size, QColor color);

private:
    ErrorWindowContainer m_container;
    std::unique_ptr<QWidget> m_window;
    kmoSlider* m_slider;
};

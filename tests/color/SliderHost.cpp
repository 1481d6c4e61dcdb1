// SPDX-License-Identifier: GPL-3.0-or-later
#include "SliderHost.h"

#include "controls/KeyedPropertyBag.h"
#include "errors/Err.h"
#include "errors/ErrPtnr.h"

#include <QTest>

int16_t ErrorWindowContainer::OnError(const QString& procedureName, const QString& moduleName) {
    return ErrPtnr::instance().OnError(procedureName, moduleName);
}

int16_t RecordingContainer::OnError(const QString& procedureName, const QString& moduleName) {
    reports.push_back({QStringLiteral("%1 (%2)").arg(Err().Number).arg(Err().Description), moduleName,
                       procedureName, QString::number(Err().Erl)});
    return m_action;
}

SliderHost::SliderHost(const SliderSetup& setup) : m_window(std::make_unique<QWidget>()) {
    m_window->resize(400, 300);
    m_slider = new kmoSlider(m_window.get());
    m_slider->setContainer(&m_container);
    m_slider->setGeometry(QRect(QPoint(10, 10), setup.size));
    KeyedPropertyBag bag;
    bag.writeProperty(QStringLiteral("BackColor"), static_cast<int32_t>(setup.backColor));
    bag.writeProperty(QStringLiteral("Orientation"), setup.orientation);
    bag.writeProperty(QStringLiteral("RailStyle"), setup.railStyle);
    bag.writeProperty(QStringLiteral("Min"), setup.min);
    bag.writeProperty(QStringLiteral("Max"), setup.max);
    bag.writeProperty(QStringLiteral("Value"), setup.value);
    bag.writeProperty(QStringLiteral("SliderIcon"), pictureText(setup.thumb));
    bag.writeProperty(QStringLiteral("RailPicture"), pictureText(setup.railPicture));
    m_slider->UserControl_ReadProperties(bag);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qWarning("the slider's window was not exposed");

    kmoSlider* s = m_slider;
    QObject::connect(s, &kmoSlider::ValueChanged, s,
                     [this, s] { events << QStringLiteral("ValueChanged(%1)").arg(s->Value()); });
    QObject::connect(s, &kmoSlider::ArrivedFirst, s, [this] { events << QStringLiteral("ArrivedFirst"); });
    QObject::connect(s, &kmoSlider::ArrivedLast, s, [this] { events << QStringLiteral("ArrivedLast"); });
    QObject::connect(s, &kmoSlider::Click, s, [this] { events << QStringLiteral("Click"); });
    QObject::connect(s, &kmoSlider::MouseDown, s,
                     [this](int16_t& shift) { events << QStringLiteral("MouseDown(%1)").arg(shift); });
    QObject::connect(s, &kmoSlider::MouseUp, s,
                     [this](int16_t& shift) { events << QStringLiteral("MouseUp(%1)").arg(shift); });
}

ControlPicture::Ref SliderHost::solidPicture(QSize size, QColor color) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return ControlPicture::fromImage(image);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonRenderer.h"

#include "HostContainer.h"

#include "controls/KeyedPropertyBag.h"

#include <brizel/BrizelFactory.h>
#include <brizel/IBrizel.h>

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

namespace {

void send(QWidget* widget, QEvent::Type type, Qt::MouseButton button) {
    const QPoint centre = widget->rect().center();
    QMouseEvent event(type, centre, widget->mapToGlobal(centre), button,
                      type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons(),
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QImage withShape(const QImage& face, const QRegion& shape) {
    QImage result = face.convertToFormat(QImage::Format_ARGB32);
    if (shape.isEmpty())
        return result;
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            if (!shape.contains(QPoint(x, y)))
                result.setPixel(x, y, qRgba(0, 0, 0, 0));
    return result;
}

} // namespace

std::optional<QImage> ButtonRenderer::render(const KeyedPropertyBag& properties, const RenderOptions& options,
                                             QString* error) const {
    QWidget host;
    host.resize(options.size + QSize(40, 40));
    HostContainer container(host, options.isDefault);
    QWidget* widget = m_factory.createControl(&host);
    auto* control = qobject_cast<brizel::IBrizel*>(widget);
    if (!control) {
        *error = QStringLiteral("The button library made no Brizel control.");
        return std::nullopt;
    }
    control->setContainer(&container);
    control->ReadProperties(properties);
    widget->setGeometry(QRect(QPoint(20, 20), options.size));
    host.show();
    QApplication::setActiveWindow(&host);
    QApplication::processEvents();
    if (options.focus)
        widget->setFocus();
    else
        widget->clearFocus();
    if (options.look == RenderOptions::Look::Hover || options.look == RenderOptions::Look::Down) {
        QCursor::setPos(widget->mapToGlobal(widget->rect().center()));
        send(widget, QEvent::MouseMove, Qt::NoButton);
    }
    if (options.look == RenderOptions::Look::Down)
        send(widget, QEvent::MouseButtonPress, Qt::LeftButton);
    if (options.look == RenderOptions::Look::Disabled)
        control->setEnabled(brizel::False);
    return withShape(control->Surface(), widget->mask());
}

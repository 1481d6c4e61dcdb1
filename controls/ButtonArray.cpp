// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ButtonArray.h"

#include "base/VbError.h"
#include "controls/ButtonSite.h"
#include "controls/Twips.h"
#include "platform/ButtonLibrary.h"

#include <brizel/BrizelFactory.h>

#include <algorithm>
#include <optional>

namespace {
// The index of `control` when it is the member "name(index)" of the array, the name compared without
// regard to case. Plain text work: a regular expression would load its compiler on every start.
std::optional<int16_t> memberIndex(const QString& control, const QString& name) {
    if (!control.startsWith(name + u'(', Qt::CaseInsensitive) || !control.endsWith(u')'))
        return std::nullopt;
    const QStringView digits = QStringView(control).mid(name.size() + 1, control.size() - name.size() - 2);
    const bool number = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(),
                                                         [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!number)
        return std::nullopt;
    return static_cast<int16_t>(digits.toInt());
}
} // namespace

ButtonArray::~ButtonArray() {
    for (const Element& element : m_elements)
        if (element.widget) {
            element.control->setEvents(nullptr);
            element.control->setContainer(nullptr);
        }
}

void ButtonArray::create(const StoredForm& form, const QString& name, QWidget* parent,
                         const ClickHandler& onClick) {
    create(
        form, name, [parent](int16_t) { return parent; }, onClick);
}

void ButtonArray::create(const StoredForm& form, const QString& name, const ParentOf& parentOf,
                         const ClickHandler& onClick) {
    brizel::BrizelFactory& factory = ButtonLibrary::factory();
    for (const QString& control : form.controls()) {
        const std::optional<int16_t> member = memberIndex(control, name);
        if (!member)
            continue;
        const int16_t index = *member;
        const KeyedPropertyBag& bag = form.control(control);
        QWidget* widget = factory.createControl(parentOf(index));
        auto* button = qobject_cast<brizel::IBrizel*>(widget);
        if (!button)
            VbError::raise(VbErr::CannotCreateObject);
        widget->setObjectName(control);
        auto* site = new ButtonSite(widget, StoredForm::number(bag, QStringLiteral("default")) != 0,
                                    [onClick, index] { onClick(index); });
        button->setContainer(site);
        button->setEvents(site);
        button->ReadProperties(bag);
        const QRectF twips = StoredForm::twipsRect(bag);
        widget->setGeometry(Twips::toPixelsX(twips.left()), Twips::toPixelsY(twips.top()),
                            Twips::toPixelsX(twips.width()), Twips::toPixelsY(twips.height()));
        widget->show();
        m_elements.push_back({index, widget, button});
    }
    std::sort(m_elements.begin(), m_elements.end(),
              [](const Element& a, const Element& b) { return a.index < b.index; });
}

const ButtonArray::Element& ButtonArray::element(int index) const {
    const auto it = std::find_if(m_elements.begin(), m_elements.end(),
                                 [index](const Element& element) { return element.index == index; });
    if (it == m_elements.end() || !it->widget)
        VbError::raise(VbErr::ControlArrayElementMissing);
    return *it;
}

brizel::IBrizel& ButtonArray::operator[](int index) const {
    return *element(index).control;
}

QWidget* ButtonArray::widget(int index) const {
    return element(index).widget;
}

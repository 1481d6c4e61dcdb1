// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/StoredForm.h"

#include <brizel/IBrizel.h>

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

// A control array of Brizel buttons, created by class from a window's stored design: every section
// "<name>(<index>)" becomes one button in the given parent, placed by its stored twips and loaded from its
// stored property set. A click reaches the window as the handler's call with the button's index.
class ButtonArray {
public:
    using ClickHandler = std::function<void(int16_t index)>;
    using ParentOf = std::function<QWidget*(int16_t index)>;

    ButtonArray() = default;
    ButtonArray(const ButtonArray&) = delete;
    ButtonArray& operator=(const ButtonArray&) = delete;
    ~ButtonArray();

    // Raises error 429 when the button library cannot be loaded.
    void create(const StoredForm& form, const QString& name, QWidget* parent, const ClickHandler& onClick);
    // The same, with each button in the container `parentOf` names for its index.
    void create(const StoredForm& form, const QString& name, const ParentOf& parentOf,
                const ClickHandler& onClick);

    // The button with this index; an index without a button raises error 340.
    brizel::IBrizel& operator[](int index) const;
    QWidget* widget(int index) const;
    int count() const { return static_cast<int>(m_elements.size()); }

private:
    struct Element {
        int16_t index;
        QPointer<QWidget> widget;
        brizel::IBrizel* control;
    };
    const Element& element(int index) const;

    std::vector<Element> m_elements;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RenderOptions.h"

#include <QImage>
#include <optional>

class KeyedPropertyBag;

namespace brizel {
class BrizelFactory;
}

// Draws one button from a stored property set in the requested look, the way a window would show it.
class ButtonRenderer {
public:
    explicit ButtonRenderer(brizel::BrizelFactory& factory) : m_factory(factory) {}

    // The painted face; pixels outside the button's shape are transparent. Nothing with a message on failure.
    std::optional<QImage> render(const KeyedPropertyBag& properties, const RenderOptions& options,
                                 QString* error) const;

private:
    brizel::BrizelFactory& m_factory;
};

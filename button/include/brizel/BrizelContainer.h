// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QFont>
#include <QString>
#include <cstdint>

namespace brizel {

class IBrizel;

// What the window hosting a control offers it: ambient properties, the colours of the parent's drawing
// surface and the notifications a control sends back.
class BrizelContainer {
public:
    virtual ~BrizelContainer() = default;

    // False while the window is being designed, true when the program runs.
    virtual bool UserMode() const { return true; }
    // The name the container gives the control (a fresh control takes it as its caption).
    virtual QString DisplayName() const { return {}; }
    virtual QFont Font() const { return {}; }
    // True when the control is its window's default button.
    virtual bool DisplayAsDefault() const { return false; }
    // Background and text colour of the parent's drawing surface as plain RGB (red in the low byte).
    virtual uint32_t ParentBackColor() const = 0;
    virtual uint32_t ParentForeColor() const = 0;
    // The stored state of `control` changed; the container should save it.
    virtual void PropertyChanged(IBrizel& /*control*/) {}
    // The access key of `control` is now `key` (lower case), or null when it has none.
    virtual void AccessKeyChanged(IBrizel& /*control*/, QChar /*key*/) {}
};

} // namespace brizel

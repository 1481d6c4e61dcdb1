// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace brizel {

// The control's event interface. Every argument is passed by reference: a handler may change it, and the
// control acts on the value as the handler left it.
class BrizelEvents {
public:
    virtual ~BrizelEvents() = default;

    virtual void Click() {}
    virtual void MouseDown(int16_t& /*Button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void MouseMove(int16_t& /*Button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void MouseUp(int16_t& /*Button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void KeyPress(int16_t& /*KeyAscii*/) {}
    virtual void KeyDown(int16_t& /*KeyCode*/, int16_t& /*Shift*/) {}
    virtual void KeyUp(int16_t& /*KeyCode*/, int16_t& /*Shift*/) {}
    virtual void MouseOver() {}
    virtual void MouseOut() {}
};

} // namespace brizel

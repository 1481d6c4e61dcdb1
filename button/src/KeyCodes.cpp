// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyCodes.h"

#include <utility>

namespace brizel {

int16_t virtualKeyOf(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return int16_t(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return int16_t(VirtualKey::F1 + (qtKey - Qt::Key_F1));
    using namespace VirtualKey;
    static const std::pair<int, int16_t> table[] = {
        {Qt::Key_Backspace, Backspace}, {Qt::Key_Tab, Tab},           {Qt::Key_Backtab, Tab},
        {Qt::Key_Return, Return},       {Qt::Key_Enter, Return},      {Qt::Key_Shift, Shift},
        {Qt::Key_Control, Control},     {Qt::Key_Alt, Alt},           {Qt::Key_Pause, Pause},
        {Qt::Key_CapsLock, CapsLock},   {Qt::Key_Escape, Escape},     {Qt::Key_Space, Space},
        {Qt::Key_PageUp, PageUp},       {Qt::Key_PageDown, PageDown}, {Qt::Key_End, End},
        {Qt::Key_Home, Home},           {Qt::Key_Left, Left},         {Qt::Key_Up, Up},
        {Qt::Key_Right, Right},         {Qt::Key_Down, Down},         {Qt::Key_Insert, Insert},
        {Qt::Key_Delete, Delete},
    };
    for (const auto& [key, code] : table)
        if (key == qtKey)
            return code;
    return 0;
}

} // namespace brizel

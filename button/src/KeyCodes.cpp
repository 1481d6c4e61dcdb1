#include "KeyCodes.h"

#include <utility>

namespace brizel {

int16_t virtualKeyOf(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return int16_t(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return int16_t(112 + (qtKey - Qt::Key_F1));
    static const std::pair<int, int16_t> table[] = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
        {Qt::Key_Pause, 19},    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},  {Qt::Key_Space, 32},
        {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},     {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},     {Qt::Key_Up, 38},       {Qt::Key_Right, 39},   {Qt::Key_Down, 40},
        {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},
    };
    for (const auto& [key, code] : table)
        if (key == qtKey)
            return code;
    return 0;
}

int16_t shiftStateOf(Qt::KeyboardModifiers modifiers) {
    return int16_t((modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
                   (modifiers & Qt::AltModifier ? 4 : 0));
}

int16_t buttonCodeOf(Qt::MouseButtons buttons) {
    return int16_t((buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
                   (buttons & Qt::MiddleButton ? 4 : 0));
}

} // namespace brizel

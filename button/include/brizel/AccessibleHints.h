// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a host tells screen readers about a control beyond the control's own properties: dynamic
// properties of the control's widget (QObject::setProperty), read by the control's accessible interface.
namespace brizel::AccessibleHints {

// bool: the control switches something on and off whose state the host shows its own way (a caption
// colour) instead of the down look of CheckBoxBehaviour; read out as checked while true.
inline constexpr char SwitchOn[] = "brizelSwitchOn";
// QKeySequence: the key that runs the control's command in the host; read out as the control's key binding
// beside its access key.
inline constexpr char Shortcut[] = "brizelShortcut";

} // namespace brizel::AccessibleHints

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velm
{

// The Qt input-method module for the input method that an X modifiers setting names, as in
// "@im=fcitx": "fcitx" for fcitx and fcitx5, "ibus" for ibus, nothing for any other.
std::optional<std::string> InputMethodModuleFor(std::string_view xmodifiers);

// Qt chooses its input method only by QT_IM_MODULE, while many desktops name theirs only in
// XMODIFIERS. When QT_IM_MODULE is unset and XMODIFIERS names fcitx or ibus, this sets
// QT_IM_MODULE to that module. It must run before the application object is created.
void ChooseInputMethodModule();

} // namespace velm

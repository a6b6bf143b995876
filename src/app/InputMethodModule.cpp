#include "app/InputMethodModule.h"

#include <QByteArray>
#include <QtGlobal>

namespace velm
{

std::optional<std::string> InputMethodModuleFor(std::string_view xmodifiers)
{
    constexpr std::string_view kInputMethodModifier = "@im=";
    const std::size_t at = xmodifiers.find(kInputMethodModifier);
    if (at == std::string_view::npos)
        return std::nullopt;
    std::string_view name = xmodifiers.substr(at + kInputMethodModifier.size());
    name = name.substr(0, name.find('@'));
    if (name == "fcitx" || name == "fcitx5")
        return "fcitx";
    if (name == "ibus")
        return "ibus";
    return std::nullopt;
}

void ChooseInputMethodModule()
{
    if (qEnvironmentVariableIsSet("QT_IM_MODULE"))
        return;
    const QByteArray xmodifiers = qgetenv("XMODIFIERS");
    if (const auto module = InputMethodModuleFor(xmodifiers.toStdString()))
        qputenv("QT_IM_MODULE", QByteArray::fromStdString(*module));
}

} // namespace velm

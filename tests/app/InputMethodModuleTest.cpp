#include "app/InputMethodModule.h"

#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace velm
{
namespace
{

struct ModuleCase {
    const char* xmodifiers;
    std::optional<std::string> module;
};

TEST(InputMethodModule, FollowsTheInputMethodThatXModifiersNames)
{
    const ModuleCase cases[] = {
        {"@im=fcitx", "fcitx"},       {"@im=fcitx5", "fcitx"},        {"@im=ibus", "ibus"},
        {"@im=ibus@other=1", "ibus"}, {"@other=1@im=fcitx", "fcitx"}, {"@im=kinput2", std::nullopt},
        {"@im=", std::nullopt},       {"@im=fcitxx", std::nullopt},   {"", std::nullopt},
    };
    for (const ModuleCase& c : cases)
        EXPECT_EQ(InputMethodModuleFor(c.xmodifiers), c.module) << c.xmodifiers;
}

TEST(InputMethodModule, IsChosenOnlyWhenQtHasNoneSet)
{
    const bool moduleWasSet = qEnvironmentVariableIsSet("QT_IM_MODULE");
    const QByteArray module = qgetenv("QT_IM_MODULE");
    const bool xmodifiersWereSet = qEnvironmentVariableIsSet("XMODIFIERS");
    const QByteArray xmodifiers = qgetenv("XMODIFIERS");
    qputenv("XMODIFIERS", "@im=ibus");
    for (const QByteArray& before : {QByteArray("compose"), QByteArray()}) {
        qputenv("QT_IM_MODULE", before);
        ChooseInputMethodModule();
        EXPECT_EQ(qgetenv("QT_IM_MODULE"), before) << "a set module stays, even empty";
    }
    qunsetenv("QT_IM_MODULE");
    ChooseInputMethodModule();
    EXPECT_EQ(qgetenv("QT_IM_MODULE"), QByteArray("ibus"));

    moduleWasSet ? qputenv("QT_IM_MODULE", module) : qunsetenv("QT_IM_MODULE");
    xmodifiersWereSet ? qputenv("XMODIFIERS", xmodifiers) : qunsetenv("XMODIFIERS");
}

} // namespace
} // namespace velm

#include "app/TForm1.h"
#include "app/TForm2.h"
#include "app/Texts.h"
#include "text/ShiftJisCodec.h"

#include <QFile>

// The commands of the ヘルプ menu.

namespace velm
{

void TForm1::About1Click()
{
    const std::u32string version = DecodeShiftJis(m_store.VersionText.view());
    Form2->showAbout(QString::fromUcs4(version.data(), static_cast<qsizetype>(version.size())));
}

void TForm1::M1Click()
{
    const QString manual = QFile::decodeName(pathInExeDir(texts::kManual).c_str());
    // Without a program to show it, the user can still open the manual by its path.
    m_platform.shellOpen(manual, [this, manual] {
        m_platform.notice(QString::fromUtf8(texts::kManualNotOpened) + QLatin1Char('\n') + manual);
    });
}

void TForm1::ZanterClick()
{
    QStringList arguments;
    for (const std::string_view argument : texts::kTimerToolArguments)
        arguments << QString::fromUtf8(argument);
    m_platform.startProcess(QFile::decodeName(pathInExeDir(texts::kTimerTool).c_str()), arguments);
}

} // namespace velm

#include "app/TForm1.h"
#include "app/TForm2.h"
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
    m_platform.shellOpen(QFile::decodeName((m_store.ExeDir + "velm.htm").c_str()));
}

void TForm1::ZanterClick()
{
    m_platform.startProcess(QFile::decodeName((m_store.ExeDir + "Zanter.exe").c_str()),
                            {QStringLiteral("/w"), QStringLiteral("/s"), QStringLiteral("/n")});
}

} // namespace velm

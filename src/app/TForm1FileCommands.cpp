#include "app/ShiftJisLineEdit.h"
#include "app/TForm1.h"
#include "app/Texts.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <utility>

// The commands of the 住所録 menu and the question when the window closes. A path chosen in
// a dialog becomes AddressBookPath only for as long as the command keeps it: when the user
// declines to overwrite, or the file turns out unreadable or no address book, the previous
// path comes back, so that a later save never writes into that file without a question.

namespace velm
{

void TForm1::Save1Click()
{
    saveAddressBook();
}

bool TForm1::keepAddressBookPathIf(std::string path, const std::function<bool()>& step)
{
    std::string previous = std::exchange(m_store.AddressBookPath, std::move(path));
    if (step())
        return true;
    m_store.AddressBookPath = std::move(previous);
    return false;
}

void TForm1::Open1Click()
{
    const std::optional<std::string> chosen =
        chooseFile(Platform::Dialog::Open, texts::kOpenTitle, texts::kAddressBookFiles,
                   m_store.AddressBookPath);
    if (chosen && keepAddressBookPathIf(*chosen, [this] { return Loaddatafile(); }))
        Name1->setFocus();
}

void TForm1::SaveAs1Click()
{
    const std::optional<std::string> chosen =
        chooseFile(Platform::Dialog::Save, texts::kSaveAsTitle, texts::kAddressBookFiles,
                   m_store.AddressBookPath);
    // A failed write leaves the caption on the previous file, and the path goes back with
    // it, so that the file shown is the file that 上書き保存 writes.
    const auto overwriteAndSave = [this] {
        return mayOverwrite(m_store.AddressBookPath, QString::fromUtf8(texts::kOverwriteQuestion),
                            texts::kOverwriteCaption) &&
               saveAddressBook();
    };
    if (chosen && keepAddressBookPathIf(*chosen, overwriteAndSave))
        showFileInCaption(m_store.AddressBookPath);
}

void TForm1::PrintAddrClick()
{
    // An existing file is handed over as last written, without the changes in memory.
    if (!FileExists(m_store.AddressBookPath) && !saveAddressBook())
        return;
    handToPrintTool(m_store.AddressBookPath);
}

bool TForm1::FormCloseQuery()
{
    commitCompositions();
    settleCardNumber();
    // The commit stays done whatever the answer, also when the window stays open.
    if (m_store.CardEdited && !ikkentoroku())
        return false;
    if (!m_store.StoreModified)
        return true;
    switch (m_platform.ask(QString::fromUtf8(texts::kSaveQuestion),
                           QString::fromUtf8(texts::kSaveCaption),
                           Platform::Buttons::YesNoCancel)) {
    case Platform::Answer::Yes:
        return saveAddressBook();
    case Platform::Answer::No:
        return true;
    default:
        return false;
    }
}

} // namespace velm

#pragma once

#include "ScriptedPlatform.h"
#include "app/TForm1.h"
#include "store/CardRecord.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velm
{

// Names for sample cards, as Shift-JIS bytes.
inline const std::string kName = "\x8e\x52\x93\x63";      // 山田
inline const std::string kOtherName = "\x97\xe9\x96\xd8"; // 鈴木
inline const std::string kThirdName = "\x89\xc1\x93\xa1"; // 加藤

// The bytes of an address-book file holding `cards`.
std::string AddressBookBytes(const std::vector<CardRecord>& cards);

// Sends `target` what an input method sends: `preedit` as the text being composed, and
// `commit` as the text it puts into the box.
void SendInputMethodEvent(QWidget* target, const QString& preedit, const QString& commit = {});

// A program folder of its own for each test, and the main window started in it.
class FormFixture
{
  public:
    FormFixture();

    // The program folder, ending with "/".
    std::string exeDir() const;
    std::string pathInExeDir(std::string_view name) const;
    // The path of the file `name` in the program folder as a file dialog gives it back.
    QString chosen(std::string_view name) const;

    void writeFile(std::string_view name, std::string_view bytes) const;
    std::string readFile(std::string_view name) const;

    // Starts the window; files put in the folder before are seen by its start-up.
    TForm1& start();

    // Starts the window on an address-book file holding `cards`.
    TForm1& startOn(const std::vector<CardRecord>& cards);

    // Starts the window shown and active, so that typing and closing work as for the user.
    TForm1& startShown();

    ScriptedPlatform platform;
    QTemporaryDir folder;
    std::unique_ptr<TForm1> form;
};

} // namespace velm

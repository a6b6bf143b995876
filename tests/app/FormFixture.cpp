#include "FormFixture.h"

#include "store/AddressBookFile.h"
#include "support/Cards.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace velm
{

std::string AddressBookBytes(const std::vector<CardRecord>& cards)
{
    return FormatAddressBook(*test::StoreHolding(cards));
}

void SendInputMethodEvent(QWidget* target, const QString& preedit, const QString& commit)
{
    QInputMethodEvent event(preedit, {});
    event.setCommitString(commit);
    QApplication::sendEvent(target, &event);
}

FormFixture::FormFixture()
{
    EXPECT_TRUE(folder.isValid());
}

std::string FormFixture::exeDir() const
{
    return folder.path().toStdString() + "/";
}

std::string FormFixture::pathInExeDir(std::string_view name) const
{
    return exeDir() + std::string(name);
}

QString FormFixture::chosen(std::string_view name) const
{
    return QString::fromStdString(pathInExeDir(name));
}

void FormFixture::writeFile(std::string_view name, std::string_view bytes) const
{
    std::ofstream out(pathInExeDir(name), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string FormFixture::readFile(std::string_view name) const
{
    std::ifstream in(pathInExeDir(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TForm1& FormFixture::start()
{
    form = std::make_unique<TForm1>(platform, exeDir());
    return *form;
}

TForm1& FormFixture::startOn(const std::vector<CardRecord>& cards)
{
    writeFile("addr.txt", AddressBookBytes(cards));
    return start();
}

TForm1& FormFixture::startShown()
{
    TForm1& started = start();
    started.show();
    started.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&started));
    return started;
}

} // namespace velm

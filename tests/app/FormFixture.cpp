#include "FormFixture.h"

#include "store/AddressBookFile.h"
#include "store/CardStore.h"

#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace velm
{

CardRecord MakeCard(std::string_view name1, std::string_view tel, std::string_view jusyo1)
{
    CardRecord card;
    card.Name1.assign(name1);
    card.Tel.assign(tel);
    card.Jusyo1.assign(jusyo1);
    return card;
}

std::string AddressBookBytes(const std::vector<CardRecord>& cards)
{
    auto store = std::make_unique<CardStore>();
    store->replaceCards(cards);
    return FormatAddressBook(*store);
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

TForm1& FormFixture::startShown()
{
    TForm1& started = start();
    started.show();
    started.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&started));
    return started;
}

} // namespace velm

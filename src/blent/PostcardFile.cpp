#include "blent/PostcardFile.h"

#include "blent/BlentTexts.h"
#include "blent/SheetFile.h"
#include "store/AddressBookFile.h"

#include <QFileInfo>

namespace velm::blent
{
namespace
{

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// The cards of the address book at `path`, or why it cannot be read.
std::variant<std::vector<CardRecord>, QString> ReadCards(const std::string& path)
{
    auto bytes = ReadRegularFile(path);
    if (const auto* reason = std::get_if<QString>(&bytes))
        return *reason;
    auto parsed = ParseAddressBook(std::get<std::string>(bytes));
    if (const auto* refusal = std::get_if<AddressBookRefusal>(&parsed))
        return *refusal == AddressBookRefusal::NoCards ? texts::kNoCards : texts::kTooManyCards;
    return std::move(std::get<std::vector<CardRecord>>(parsed));
}

} // namespace

std::variant<std::unique_ptr<PostcardDocument>, PostcardsRefusal>
OpenPostcards(const PostcardsInvocation& invocation)
{
    const QString path = QString::fromLocal8Bit(invocation.addressBook);
    const QString name = QFileInfo(path).fileName();
    auto cards = ReadCards(invocation.addressBook);
    if (const auto* reason = std::get_if<QString>(&cards))
        return PostcardsRefusal{texts::kCannotRead.arg(path, *reason), kExitFailure};
    const std::vector<CardRecord>& read = std::get<std::vector<CardRecord>>(cards);
    const int sender = invocation.request.senderCard;
    if (sender > static_cast<int>(read.size()))
        return PostcardsRefusal{texts::kNoSenderCard.arg(name, QString::number(sender)),
                                kExitUsage};
    PostcardRun run = MakePostcards(read, invocation.request);
    if (run.pages.empty())
        return PostcardsRefusal{texts::kNoPostcards.arg(name), kExitFailure};
    return std::make_unique<PostcardDocument>(std::move(run.pages),
                                              texts::kPostcardsTitle.arg(name), QString());
}

} // namespace velm::blent

#include "blent/CommandLine.h"

#include "blent/BlentTexts.h"
#include "store/CardStore.h"
#include "text/ShiftJisCodec.h"
#include "text/StrictInt.h"

#include <QStringList>
#include <cmath>
#include <cstddef>

namespace velm::blent
{
namespace
{

// The arguments from `first` on joined by single spaces.
std::string JoinedFrom(const std::vector<std::string>& args, std::size_t first)
{
    std::string joined;
    for (std::size_t i = first; i < args.size(); ++i) {
        if (i > first)
            joined += ' ';
        joined += args[i];
    }
    return joined;
}

std::variant<Invocation, PostcardsInvocation, UsageError>
ParseSheet(const std::vector<std::string>& args)
{
    Invocation invocation;
    std::size_t first = 0;
    if (!args.empty() && args.front() == "--pdf") {
        if (args.size() < 2 || args[1].empty())
            return UsageError{texts::kPdfPathMissing, texts::kUsage};
        invocation.pdfOut = args[1];
        first = 2;
    }
    const std::string file = JoinedFrom(args, first);
    if (!file.empty())
        invocation.file = file;
    else if (invocation.pdfOut || args.size() > first)
        return UsageError{texts::kFileMissing, texts::kUsage};
    return invocation;
}

// "X,Y", each a number of millimetres within the offset's limits.
std::optional<std::pair<double, double>> ParseOffset(const std::string& text)
{
    const QStringList parts = QString::fromLocal8Bit(text).split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    bool xIsNumber = false;
    bool yIsNumber = false;
    const double x = parts[0].trimmed().toDouble(&xIsNumber);
    const double y = parts[1].trimmed().toDouble(&yIsNumber);
    // Written so that a NaN fails too.
    const auto inRange = [](double mm) {
        return std::abs(mm) <= kMaxPostcardOffset;
    };
    if (!xIsNumber || !yIsNumber || !inRange(x) || !inRange(y))
        return std::nullopt;
    return std::pair{x, y};
}

// Applies the option at args[i] to `request`, reading its value from the next argument and
// moving `i` onto it. A message when the option or its value cannot be used.
std::optional<QString> ApplyPostcardOption(const std::vector<std::string>& args, std::size_t& i,
                                           PostcardRequest& request)
{
    const std::string& option = args[i];
    const QString name = QString::fromLocal8Bit(option);
    const bool takesValue = option == "--mark" || option == "--sender" || option == "--offset";
    if (takesValue && ++i == args.size())
        return texts::kValueMissing.arg(name);
    PostcardSelection& selection = request.selection;
    if (option == "--marked" || option == "--mark") {
        if (selection.choice != PostcardChoice::All)
            return texts::kOneMarkChoice;
        selection.choice =
            option == "--marked" ? PostcardChoice::Marked : PostcardChoice::MarkEquals;
        if (takesValue)
            selection.mark = EncodeShiftJis(QString::fromLocal8Bit(args[i]).toStdU32String());
    } else if (option == "--sender") {
        const std::optional<std::int32_t> number = StrictToInt(args[i]);
        if (!number || !CardStore::isSlotNumber(*number))
            return texts::kBadSenderNumber.arg(QString::fromLocal8Bit(args[i]));
        request.senderCard = *number;
    } else if (option == "--offset") {
        const auto offset = ParseOffset(args[i]);
        if (!offset)
            return texts::kBadOffset.arg(QString::fromLocal8Bit(args[i]));
        request.options.offsetX = offset->first;
        request.options.offsetY = offset->second;
    } else if (option == "--no-kanji-digits") {
        request.options.kanjiDigits = false;
    } else if (option == "--no-joint-names") {
        request.options.jointNames = false;
    } else {
        return texts::kUnknownOption.arg(name);
    }
    return std::nullopt;
}

std::variant<Invocation, PostcardsInvocation, UsageError>
ParsePostcards(const std::vector<std::string>& args)
{
    if (args.size() < 2 || args[1].empty())
        return UsageError{texts::kPostcardsPdfMissing, texts::kPostcardsUsage};
    PostcardsInvocation invocation{args[1], {}, {}};
    std::size_t i = 2;
    for (; i < args.size() && args[i].starts_with("--"); ++i) {
        if (const auto message = ApplyPostcardOption(args, i, invocation.request))
            return UsageError{*message, texts::kPostcardsUsage};
    }
    invocation.addressBook = JoinedFrom(args, i);
    if (invocation.addressBook.empty())
        return UsageError{texts::kAddressBookMissing, texts::kPostcardsUsage};
    return invocation;
}

} // namespace

std::variant<Invocation, PostcardsInvocation, UsageError>
ParseCommandLine(const std::vector<std::string>& args)
{
    if (!args.empty() && args.front() == "--postcards")
        return ParsePostcards(args);
    return ParseSheet(args);
}

} // namespace velm::blent

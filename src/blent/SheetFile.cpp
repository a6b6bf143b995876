#include "blent/SheetFile.h"

#include "blent/BlentTexts.h"
#include "blent/PrintFormat.h"
#include "store/FileIo.h"

#include <filesystem>
#include <sys/stat.h>

namespace velm::blent
{
namespace
{

QString ReasonFor(const FileFailure& failure)
{
    switch (failure.kind) {
    case FileFailure::Kind::NotFound:
        return texts::kNotFound;
    case FileFailure::Kind::AccessDenied:
        return texts::kAccessDenied;
    case FileFailure::Kind::TooLarge:
        return texts::kTooLarge;
    case FileFailure::Kind::Other:
        break;
    }
    return texts::kInputOutputError.arg(failure.systemError);
}

} // namespace

std::variant<std::string, QString> ReadRegularFile(const std::string& path)
{
    struct stat info {
    };
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return texts::kNotAFile;
    auto read = ReadWholeFile(path);
    if (const auto* failure = std::get_if<FileFailure>(&read))
        return ReasonFor(*failure);
    return std::move(std::get<std::string>(read));
}

std::string FormatFilePath(const std::string& textPath)
{
    return std::filesystem::path(textPath).replace_extension(".bpc").string();
}

std::variant<SheetFile, QString> LoadSheetFile(const std::string& path)
{
    auto text = ReadRegularFile(path);
    if (const auto* reason = std::get_if<QString>(&text))
        return texts::kCannotRead.arg(QString::fromLocal8Bit(path), *reason);
    SheetFile file{path, std::move(std::get<std::string>(text)), {}, false};
    const auto format = ReadRegularFile(FormatFilePath(path));
    if (const auto* bytes = std::get_if<std::string>(&format)) {
        file.format = ParsePrintFormat(*bytes);
        file.hasFormatFile = true;
    }
    return file;
}

} // namespace velm::blent

#include "blent/PrintDocument.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

namespace velm::blent
{
namespace
{

// The file's bytes, or nothing with the reason in `reason`.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string& reason)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        reason = "is a directory";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = std::strerror(errno);
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        reason = "read error";
        return std::nullopt;
    }
    return bytes;
}

} // namespace

std::string FormatFilePath(const std::string& textPath)
{
    return std::filesystem::path(textPath).replace_extension(".bpc").string();
}

std::variant<PrintDocument, LoadError> LoadPrintDocument(const std::string& path)
{
    std::string reason;
    std::optional<std::string> text = ReadWholeFile(path, reason);
    if (!text)
        return LoadError{path, reason};

    PrintDocument document{path, std::move(*text), {}, false};
    if (const std::optional<std::string> format = ReadWholeFile(FormatFilePath(path), reason)) {
        document.format = ParsePrintFormat(*format);
        document.hasFormatFile = true;
    }
    return document;
}

} // namespace velm::blent

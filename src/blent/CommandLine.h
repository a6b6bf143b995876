#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velm::blent
{

// What the tool was asked to do: show the file in the preview window, or, with a PDF
// path, write its pages to that PDF and end.
struct Invocation {
    std::string file;
    std::optional<std::string> pdfOut;

    friend bool operator==(const Invocation&, const Invocation&) = default;
};

struct UsageError {
    std::string message;
};

// Reads the arguments after the program name: "[--pdf OUT.pdf] FILE". The file's path is
// all remaining arguments joined by single spaces, since a caller that builds a Windows
// command line passes a path with spaces unquoted.
std::variant<Invocation, UsageError> ParseCommandLine(const std::vector<std::string>& args);

inline constexpr const char* kUsage = "usage: Blent.exe [--pdf OUT.pdf] FILE";

} // namespace velm::blent

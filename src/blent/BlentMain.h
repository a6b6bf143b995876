#pragma once

#include <QDate>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace velm::print
{
class PreviewWindow;
class PrintDesk;
} // namespace velm::print

namespace velm::blent
{

class TextSheet;

// The whole program: reads the command line, then shows the preview window or writes the
// PDF. Returns the exit status: 0 on success or when the user cancels the open dialog, 1
// for a file that cannot be read, printed or written, 2 for a command line it cannot use.
int RunBlent(int argc, char** argv);

// Reads a file and lays it out, or gives the message that says why it cannot be printed.
std::variant<std::unique_ptr<TextSheet>, QString> OpenTextSheet(const std::string& path,
                                                                QDate date);

// The preview window of `file`, or of the file chosen in the tool's open dialog when none
// is named; or, when there is nothing to show, the exit status: 0 when the user cancels the
// dialog, 1 after a message that says why the file cannot be printed.
std::variant<std::unique_ptr<print::PreviewWindow>, int>
OpenPreview(std::optional<std::string> file, print::PrintDesk& desk);

} // namespace velm::blent

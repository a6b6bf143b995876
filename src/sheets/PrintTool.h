#pragma once

#include <string>
#include <string_view>

namespace velm
{

// The print tool lives beside the executable under this name on every platform.
inline constexpr std::string_view kPrintToolName = "Blent.exe";

// The text viewer used when the print tool is absent.
inline constexpr std::string_view kTextViewerName = "Notepad.exe";

// ExeDir + "Blent.exe".
std::string PrintToolPath(std::string_view exeDir);

// The command line handed to the print tool, as text: the tool's path, one space and the
// file's full path, unquoted. The program itself is started from its exact path with the
// file as one argument; this text is what a Windows caller would see.
std::string PrintToolCommandLine(std::string_view exeDir, std::string_view file);

// "Notepad.exe " followed by the file's full path.
std::string TextViewerCommandLine(std::string_view file);

} // namespace velm

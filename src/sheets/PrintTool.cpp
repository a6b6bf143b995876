#include "sheets/PrintTool.h"

namespace velm
{

std::string PrintToolPath(std::string_view exeDir)
{
    std::string path(exeDir);
    path += kPrintToolName;
    return path;
}

std::string PrintToolCommandLine(std::string_view exeDir, std::string_view file)
{
    std::string line = PrintToolPath(exeDir);
    line += ' ';
    line += file;
    return line;
}

std::string TextViewerCommandLine(std::string_view file)
{
    std::string line(kTextViewerName);
    line += ' ';
    line += file;
    return line;
}

} // namespace velm

#pragma once

class QCoreApplication;

namespace velm::print
{

// Installs Qt's Japanese texts for its own dialogs (the print, file and progress dialogs,
// the message boxes' buttons), as the program's own texts are Japanese, and makes Japanese
// the locale those dialogs write dates and file types in, whatever the system's locale.
void InstallJapaneseQtTexts(QCoreApplication& application);

} // namespace velm::print

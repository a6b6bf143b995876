#pragma once

class QCoreApplication;

namespace velm::print
{

// Installs Qt's Japanese texts for its own dialogs (the print, file and progress dialogs,
// the message boxes' buttons), as the program's own texts are Japanese.
void InstallJapaneseQtTexts(QCoreApplication& application);

} // namespace velm::print

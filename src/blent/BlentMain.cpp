#include "blent/BlentMain.h"

#include "blent/CommandLine.h"
#include "blent/PreviewWindow.h"
#include "blent/PrintDocument.h"
#include "blent/SheetRenderer.h"

#include <QApplication>
#include <QMessageBox>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace velm::blent
{
namespace
{

const QString kTitle = QStringLiteral("Blent");

int WritePdfAndExit(int argc, char** argv, const PrintDocument& document, const std::string& out)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!WritePdf(document, out, QDate::currentDate())) {
        std::cerr << "Blent.exe: cannot write " << out << '\n';
        return 1;
    }
    return 0;
}

// Reports a problem on stderr and, for the interactive tool, in a message box as well.
int Fail(int argc, char** argv, bool interactive, const std::string& message, int code)
{
    std::cerr << "Blent.exe: " << message << '\n';
    if (interactive) {
        QApplication app(argc, argv);
        QMessageBox::critical(nullptr, kTitle, QString::fromLocal8Bit(message));
    }
    return code;
}

} // namespace

int RunBlent(int argc, char** argv)
{
    const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    const auto parsed = ParseCommandLine(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed))
        return Fail(argc, argv, false, usage->message + "\n" + kUsage, 2);
    const Invocation& invocation = std::get<Invocation>(parsed);
    const bool interactive = !invocation.pdfOut;

    const auto loaded = LoadPrintDocument(invocation.file);
    if (const auto* error = std::get_if<LoadError>(&loaded))
        return Fail(argc, argv, interactive, "cannot read " + error->path + ": " + error->reason,
                    1);
    const PrintDocument& document = std::get<PrintDocument>(loaded);

    if (invocation.pdfOut)
        return WritePdfAndExit(argc, argv, document, *invocation.pdfOut);
    QApplication app(argc, argv);
    PreviewWindow window(document);
    window.show();
    return QApplication::exec();
}

} // namespace velm::blent

#include "FullStore.h"
#include "TargetReporter.h"
#include "store/AddressBookFile.h"
#include "store/FileIo.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <iostream>
#include <string_view>

// Runs the benchmarks headless and exits with 1 when a target is missed.
// `velm_bench --write-full-address-book PATH` instead writes the address book of a full
// store to PATH, for measuring the real program with it.
namespace
{

// The offscreen platform warns, for every window shown or raised, that it has no use for
// size hints or raising; that says nothing about the program and would bury the report.
void DropOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.contains(QLatin1String("propagateSizeHints")) &&
        !text.contains(QLatin1String("raise()")))
        qt_message_output(type, context, text);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::string_view(argv[1]) == "--write-full-address-book") {
        if (auto failure =
                velm::WriteFileAtomically(argv[2], velm::FormatAddressBook(velm::FullStore()))) {
            std::cerr << argv[2] << ": " << failure->message() << "\n";
            return 1;
        }
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(DropOffscreenWarnings);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    velm::TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.allTargetsMet() ? 0 : 1;
}

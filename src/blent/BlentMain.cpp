#include "blent/BlentMain.h"

#include "blent/BlentTexts.h"
#include "blent/CommandLine.h"
#include "blent/PostcardFile.h"
#include "blent/TextSheet.h"
#include "print/PaperOutput.h"
#include "print/PreviewWindow.h"
#include "print/QtPrintDesk.h"
#include "print/QtTranslations.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <algorithm>
#include <iostream>
#include <vector>

namespace velm::blent
{
namespace
{

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int Complain(const QString& message, int status)
{
    std::cerr << (texts::kErrorPrefix + message).toLocal8Bit().constData() << '\n';
    return status;
}

// Writes the document to the PDF at `out`; the exit status.
int WriteDocumentPdf(const print::PagedDocument& document, const std::string& out)
{
    const QString path = QFile::decodeName(out.c_str());
    if (print::WritePdf(document, path, nullptr) != print::OutputResult::Done)
        return Complain(texts::kCannotWritePdf.arg(path), kExitFailure);
    return 0;
}

// Runs `write` in an application without a window; its exit status.
template <typename Write> int WithoutWindow(int argc, char** argv, const Write& write)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    return write();
}

int WriteSheetPdf(const std::string& file, const std::string& out)
{
    auto opened = OpenTextSheet(file, QDate::currentDate());
    if (const auto* message = std::get_if<QString>(&opened))
        return Complain(*message, kExitFailure);
    return WriteDocumentPdf(*std::get<std::unique_ptr<TextSheet>>(opened), out);
}

int WritePostcardsPdf(const PostcardsInvocation& invocation)
{
    auto opened = OpenPostcards(invocation);
    if (const auto* refusal = std::get_if<PostcardsRefusal>(&opened))
        return Complain(refusal->message, refusal->status);
    return WriteDocumentPdf(*std::get<std::unique_ptr<PostcardDocument>>(opened),
                            invocation.pdfOut);
}

// The window starts as wide as the format asks, and as tall as a page of that width, as
// far as the screen allows.
void SizeForFormat(print::PreviewWindow& window, const PrintFormat& format)
{
    const int width = std::max(format.windowWidthPx, format.memoWidthPx);
    const QSize screen = window.screen()->availableSize();
    window.resize(std::min(width, screen.width()),
                  std::min(screen.height() * 9 / 10, width * 3 / 2));
}

} // namespace

std::variant<std::unique_ptr<TextSheet>, QString> OpenTextSheet(const std::string& path, QDate date)
{
    auto loaded = LoadSheetFile(path);
    if (auto* message = std::get_if<QString>(&loaded))
        return std::move(*message);
    return TextSheet::create(std::move(std::get<SheetFile>(loaded)), date);
}

std::variant<std::unique_ptr<print::PreviewWindow>, int>
OpenPreview(std::optional<std::string> file, print::PrintDesk& desk)
{
    if (!file) {
        const auto chosen = desk.chooseOpenPath(texts::kOpenTitle, texts::kOpenFilter, nullptr);
        if (!chosen)
            return 0;
        file = QFile::encodeName(*chosen).toStdString();
    }
    auto opened = OpenTextSheet(*file, QDate::currentDate());
    if (const auto* message = std::get_if<QString>(&opened)) {
        Complain(*message, kExitFailure);
        desk.warn(*message, nullptr);
        return kExitFailure;
    }
    auto sheet = std::move(std::get<std::unique_ptr<TextSheet>>(opened));
    const PrintFormat format = sheet->format();
    const QString title = texts::kWindowTitle.arg(sheet->name());
    auto window = std::make_unique<print::PreviewWindow>(std::move(sheet), desk, title);
    SizeForFormat(*window, format);
    return window;
}

int RunBlent(int argc, char** argv)
{
    const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    const auto parsed = ParseCommandLine(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed))
        return Complain(usage->message + QLatin1Char('\n') + usage->usage, kExitUsage);
    if (const auto* postcards = std::get_if<PostcardsInvocation>(&parsed))
        return WithoutWindow(argc, argv, [&] { return WritePostcardsPdf(*postcards); });
    const Invocation& invocation = std::get<Invocation>(parsed);
    if (invocation.pdfOut)
        return WithoutWindow(argc, argv,
                             [&] { return WriteSheetPdf(*invocation.file, *invocation.pdfOut); });

    QApplication application(argc, argv);
    print::InstallJapaneseQtTexts(application);
    print::QtPrintDesk desk(texts::kCaption);
    auto opened = OpenPreview(invocation.file, desk);
    if (const int* status = std::get_if<int>(&opened))
        return *status;
    auto& window = *std::get<std::unique_ptr<print::PreviewWindow>>(opened);
    window.show();
    return QApplication::exec();
}

} // namespace velm::blent

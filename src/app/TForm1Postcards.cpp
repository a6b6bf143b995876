#include "app/PostcardSummary.h"
#include "app/TForm1.h"
#include "app/Texts.h"
#include "postcard/PostcardDocument.h"
#include "print/PreviewWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <algorithm>
#include <memory>

// 宛名印刷: the address sides of the chosen cards in the print preview. Like the other
// commands of the 作成 menu it works on the store as it stands: an edit on screen that is
// not committed is not printed.

namespace velm
{

namespace
{

QString Text(std::string_view text)
{
    return QString::fromUtf8(text);
}

// The postcards of the cards in the address book at `path`: the job carries the file's
// name, and saving proposes a PDF beside it.
std::unique_ptr<PostcardDocument> PostcardsOf(std::vector<PostcardPage> pages,
                                              const std::string& path)
{
    const QString file = QFile::decodeName(path.c_str());
    const QFileInfo info(file);
    return std::make_unique<PostcardDocument>(
        std::move(pages), Text(texts::kPostcardsJobBeforeName) + info.fileName(),
        info.dir().filePath(info.completeBaseName() + Text(texts::kPostcardsPdfAfterName)));
}

// The preview starts nine tenths as tall as the screen allows and wide enough for a card of
// that height and for its tool bar.
void SizeForPostcards(print::PreviewWindow& preview)
{
    const int height = preview.screen()->availableSize().height() * 9 / 10;
    const int cardWidth = static_cast<int>(height * kPostcardWidth / kPostcardHeight);
    preview.resize(std::max(preview.sizeHint().width(), cardWidth), height);
}

} // namespace

void TForm1::PatenaClick()
{
    const std::optional<PostcardRequest> request =
        m_platform.askPostcardOptions(m_store.CardCount, UpDown1->position());
    if (!request)
        return;
    PostcardRun run = MakePostcards(m_store.countedCards(), *request);
    const QString summary = PostcardSummary(run);
    if (run.pages.empty()) {
        m_platform.notice(summary);
        return;
    }
    auto* preview =
        new print::PreviewWindow(PostcardsOf(std::move(run.pages), m_store.AddressBookPath),
                                 m_platform.printDesk(), Text(texts::kPostcardsTitle), this);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    SizeForPostcards(*preview);
    preview->setAfterOutput([this, summary] { m_platform.notice(summary); });
    preview->show();
}

} // namespace velm

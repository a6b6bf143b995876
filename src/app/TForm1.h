#pragma once

#include "app/ClickableLabel.h"
#include "app/Platform.h"
#include "app/Texts.h"
#include "app/UpDown.h"
#include "interchange/Conversion.h"
#include "interchange/Orbi.h"
#include "store/AddressBookFile.h"
#include "store/CardStore.h"
#include "store/FileIo.h"

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class QAction;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;

namespace velm
{

class CardListWindow;
class ShiftJisLineEdit;
class SingleLineEdit;
class TForm2;

// The main window: the card editor. It shows one card of the card store at a time in
// eleven labelled edit boxes and carries the menu bar from which every command starts.
// It owns the process's one card store. Each command is a method named after its
// component and event; a command that fails shows the error dialog and stops.
class TForm1 final : public QMainWindow
{
    Q_OBJECT

  public:
    // `exeDir` is the folder of the running program, ending with its separator.
    TForm1(Platform& platform, std::string exeDir, QWidget* parent = nullptr);
    ~TForm1() override;

    CardStore& store() { return m_store; }
    const CardStore& store() const { return m_store; }

    // Start-up and the two operations between the window and the store.
    void FormCreate();
    void FormShow();
    bool ikkenbun();
    bool ikkentoroku();
    void EditHenko();

    // Navigation.
    bool UpDown1ChangingEx(UpDown::Direction direction);
    void UpDown1Click(UpDown::Button button);
    // Returns true when the key is swallowed.
    bool DNoKeyPress(QKeyEvent* event);
    void Button3Click();
    void FormKeyDown(QKeyEvent* event);
    void Label5Click();
    void Label5MouseEnter();
    void Label5MouseLeave();

    // Insertion and deletion.
    void Button1Click();
    void Button2Click();

    // The address-book file.
    bool Loaddatafile();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void PrintAddrClick();
    // Returns whether the window may close.
    bool FormCloseQuery();
    // Loads the cards of a backup of the current file, which stays the file that 上書き保存
    // writes.
    void Restore1Click();

    // Cards to and from other programs' formats.
    void ImportOther1Click();
    void ExportOther1Click();

    // The sheets.
    void MtetyoClick();
    void MitiranClick();
    void PtetyoClick();
    void PitiranClick();

    // Postcards.
    void PatenaClick();

    // The interchange file.
    void Or1Click();
    void Ow1Click();
    bool ORBIread();
    bool ORBIwrite();

    // The card list window.
    void CardList1Click();
    // Leaves the card on screen as an arrow move does, committing an edited card, and shows
    // card `card` with the focus in Name1.
    void showCardFromList(int card);

    // Help.
    void About1Click();
    void M1Click();
    void ZanterClick();

    // The widgets, under the names the commands know them by.
    QLabel* Label3 = nullptr;
    SingleLineEdit* DNo = nullptr;
    UpDown* UpDown1 = nullptr;
    QPushButton* Button3 = nullptr;
    QLabel* Label4 = nullptr;
    ClickableLabel* Label5 = nullptr;
    QLabel* Label2 = nullptr;
    ShiftJisLineEdit* Name1 = nullptr;
    ShiftJisLineEdit* Name2 = nullptr;
    ShiftJisLineEdit* Yomi = nullptr;
    ShiftJisLineEdit* Mark = nullptr;
    ShiftJisLineEdit* Jusyo1 = nullptr;
    ShiftJisLineEdit* Jusyo2 = nullptr;
    ShiftJisLineEdit* PostNo = nullptr;
    ShiftJisLineEdit* Tel = nullptr;
    ShiftJisLineEdit* biko1 = nullptr;
    ShiftJisLineEdit* biko2 = nullptr;
    ShiftJisLineEdit* biko3 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    QMenu* File1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* ImportOther1 = nullptr;
    QAction* ExportOther1 = nullptr;
    QAction* PrintAddr = nullptr;
    QAction* Restore1 = nullptr;
    QAction* CardList1 = nullptr;
    QMenu* MP1 = nullptr;
    QAction* Mtetyo = nullptr;
    QAction* Mitiran = nullptr;
    QAction* Ptetyo = nullptr;
    QAction* Pitiran = nullptr;
    QAction* Patena = nullptr;
    QMenu* Orbi1 = nullptr;
    QAction* Or1 = nullptr;
    QAction* Ow1 = nullptr;
    QAction* mame = nullptr;
    QMenu* Help1 = nullptr;
    QAction* About1 = nullptr;
    QAction* M1 = nullptr;
    QAction* Zanter = nullptr;

    TForm2* Form2 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createComponents();
    void createCardBoxes();
    void createMenus();
    void connectHandlers();

    void adjustSelectionOnFocus(QObject* watched);

    // Centres the window on its screen; the window manager may still place it elsewhere.
    void centreOnScreen();

    // Presses the focused push button when the key is Enter; returns whether it did.
    bool pressButtonWithEnter(QWidget* focused, const QKeyEvent* event);

    // Commits what an input method is composing in DNo or a card box into that box, so
    // that the command about to act sees it, as if the user had confirmed it first.
    void commitCompositions();

    // The eleven card boxes in record order.
    std::array<ShiftJisLineEdit*, CardRecord::kFieldCount> cardBoxes() const;

    // The card number in DNo, when it is a whole number of a slot 1..999; otherwise the
    // error dialog is shown and nothing is returned.
    std::optional<int> currentCardNumber();

    // The number typed in DNo, when it is a whole number at all.
    std::optional<std::int32_t> typedCardNumber() const;

    // Puts a typed but unconfirmed card number back to the card on screen (the up-down
    // position) and hides the ≫ button, so that every command other than the jump acts on
    // the card the user sees.
    void settleCardNumber();

    // The file `name` in the program folder: the program's companions.
    std::string pathInExeDir(std::string_view name) const;

    // The file `name` in the folder of the user's files, where every file the user's cards
    // go to by default lives.
    std::string pathInDataDir(std::string_view name) const;

    // Keeps the up-down maximum at CardCount + 1, the new-card slot, within the store.
    void followCardCount();

    // Writes the store to AddressBookPath after committing an edited card; shows the error
    // dialog and returns false when either fails. Both flags are cleared on success.
    bool saveAddressBook();

    // Takes `cards` as the new store content after a load or an import: slots above them
    // blanked, the maximum following the count, DNo brought down to the new-card slot when
    // it stood beyond it, and the card in DNo shown.
    void takeLoadedCards(std::vector<CardRecord> cards);

    // Takes `cards` as takeLoadedCards does when they are not in the address-book file:
    // the store counts as changed until it is saved, and the cursor goes to the name box.
    void takeUnsavedCards(std::vector<CardRecord> cards);

    // "VELM - " and the folder in the caption, "FILE : " and the file name in the label.
    void showFileInCaption(const std::string& path);

    // Shows a file failure in the error dialog.
    void showFileError(const FileFailure& failure);

    // Reads a whole file; on failure returns nothing after the error dialog, or after a
    // notice for a file larger than the program reads.
    std::optional<std::string> readFileOrReport(const std::string& path);

    // The cards of the file at `path` as `parse` reads them. When the file cannot be read
    // the error dialog is shown, when `parse` refuses it the refusal's notice; nothing is
    // returned then.
    template <typename Refusal>
    std::optional<std::vector<CardRecord>>
    readCards(const std::string& path,
              std::variant<std::vector<CardRecord>, Refusal> (*parse)(std::string_view));

    // The notices of a refused address-book file and of a refused ＯＲＢＩ file.
    static QString refusalNotice(AddressBookRefusal refusal);
    static QString refusalNotice(OrbiRefusal refusal);

    // Whether a file may be written at `path`: there is none yet, or the user answers OK to
    // `question` under `caption`.
    bool mayOverwrite(const std::string& path, const QString& question, std::string_view caption);

    // Runs a file dialog for `kind` titled `title`, starting from `path`; the chosen path, or
    // nothing when the user cancels.
    std::optional<std::string> chooseFile(Platform::Dialog dialog, std::string_view title,
                                          const texts::FileKind& kind, const std::string& path);

    // Writes a whole file through the atomic writer; on failure shows the error dialog and
    // returns false, leaving any old file as it was.
    bool writeFileOrReport(const std::string& path, std::string_view bytes);

    // Hands a file to the print tool beside the program when it is there now, or else to
    // the text viewer. Nothing waits for it and a failed start is not reported.
    void handToPrintTool(const std::string& file);

    // Private helpers of the navigation commands (TForm1Navigation.cpp).

    // Whether the arrow step being checked leaves the new-card slot with a name on screen: the
    // commit that follows the step counts that card, so the step may go one past it.
    bool stepCountsNewCard() const;

    // Ctrl+Left or Ctrl+Right: a step from the card on screen like an arrow press, after
    // which the card is committed and shown even when the step could not move.
    void stepWithCtrl(UpDown::Button button);

    // The card the jump goes to: the number in DNo, or the up-down position when DNo holds
    // no whole number, brought into 1 .. the new-card slot.
    int jumpTarget() const;

    // The background of the total label.
    void paintTotalLabel(const QColor& colour);

    // Whether Name1 as shown holds nothing but bytes of value 0x20 or less.
    bool nameOnScreenIsBlank() const;

    // Private helpers of the file commands (TForm1FileCommands.cpp).

    // Makes `path` the address book's path and runs `step`; when the step fails, the
    // previous path comes back. Returns what the step returned.
    bool keepAddressBookPathIf(std::string path, const std::function<bool()>& step);

    // Private helpers of the backups (TForm1Backups.cpp).

    // Keeps the present contents of the address-book file at `path` as a backup, before a
    // save replaces it. A backup that cannot be kept does not stop the save.
    void keepBackupOf(const std::string& path);

    // Private helpers of the sheet commands (TForm1Sheets.cpp).

    // One of the two printable sheets: its files in the folder of the user's files and its
    // writers.
    struct SheetKind;
    static const SheetKind kNotebookSheet;
    static const SheetKind kListSheet;

    // Writes the sheet from the store, asking first when the file is already there, and
    // says so when done.
    void createSheet(const SheetKind& sheet);

    // Writes whatever of the sheet and its format file is missing, then hands the sheet to
    // the print tool.
    void printSheet(const SheetKind& sheet);

    // Private helpers of the interchange commands (TForm1Interchange.cpp).

    // Runs the open or save dialog set up for an ＯＲＢＩ file, starting from
    // InterchangePath. The chosen path becomes InterchangePath and is returned; nothing
    // is returned and nothing changes when the user cancels.
    std::optional<std::string> chooseInterchangeFile(Platform::Dialog dialog,
                                                     std::string_view title);

    // Private helpers of the commands for other formats (TForm1OtherFormats.cpp).

    // The notice of a refused vCard or CSV file.
    static QString refusalNotice(ImportRefusal refusal);

    // Runs a file dialog for `kind` titled `title`, starting from the vCard or CSV file
    // chosen last (at first the address book's name with ".vcf"; the save dialog proposes
    // it without its extension). The chosen path is kept for the next dialog and returned,
    // or nothing when the user cancels.
    std::optional<std::string> chooseOtherFormatFile(Platform::Dialog dialog,
                                                     std::string_view title,
                                                     const texts::FileKind& kind);

    // Asks whether `count` imported cards are added after the last card or replace all
    // cards; a store without cards takes them without a question.
    Platform::Answer askAddOrReplace(std::size_t count);

    // Adds the cards after the last card, or replaces all cards with them, and shows the
    // first of them. The cards are not yet in the address-book file.
    void takeImportedCards(std::vector<CardRecord> cards, bool adding);

    // Private helpers of the card list (TForm1CardList.cpp).

    // Tells the card list, when there is one, that the cards in the store have changed.
    void cardsChanged();

    Platform& m_platform;
    CardStore m_store;
    bool m_shownBefore = false;
    // Made when first opened; a child window, deleted with this one.
    CardListWindow* m_cardList = nullptr;
    // Where backups of address-book files are kept; nothing when the user has no folder for
    // them.
    std::optional<std::string> m_backupsFolder;
    // The vCard or CSV file chosen last, which the next dialog for one proposes.
    std::string m_otherFormatPath;
};

template <typename Refusal>
std::optional<std::vector<CardRecord>>
TForm1::readCards(const std::string& path,
                  std::variant<std::vector<CardRecord>, Refusal> (*parse)(std::string_view))
{
    const std::optional<std::string> bytes = readFileOrReport(path);
    if (!bytes)
        return std::nullopt;
    auto parsed = parse(*bytes);
    if (const Refusal* refusal = std::get_if<Refusal>(&parsed)) {
        m_platform.notice(refusalNotice(*refusal));
        return std::nullopt;
    }
    return std::get<std::vector<CardRecord>>(std::move(parsed));
}

} // namespace velm

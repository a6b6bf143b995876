#pragma once

#include "interchange/Conversion.h"
#include "interchange/Orbi.h"
#include "store/AddressBookFile.h"
#include "store/FileIo.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// Every text the windows show or hand to the desktop, each defined once, in UTF-8: window
// and dialog captions, labels, menus, messages, file-dialog filters and the names of the
// files beside the program. The error texts of the core's failures come with them
// (FileFailure::message, NotAnIntegerMessage), and so do the texts the core and the
// converter share with the windows, which the core defines. The manual's test checks the
// manual against the lists at the end; nothing here needs Qt, so that test builds without it.

namespace velm::texts
{

// The program's name: the main window's and the About box's caption, and the caption of
// every notice and error dialog.
inline constexpr std::string_view kProgramName = "VELM";
// The main window's caption once a file is loaded: this, then the file's folder.
inline constexpr std::string_view kCaptionBeforeFolder = "VELM - ";

// The address-book file in the folder of the user's files, and the files beside the program.
inline constexpr std::string_view kAddressBookFile = "addr.txt";
inline constexpr std::string_view kAddressBookExtension = ".txt";
inline constexpr std::string_view kInterchangeExtension = ".orb";
inline constexpr std::string_view kPrintTool = "Blent.exe";
inline constexpr std::string_view kTimerTool = "Zanter.exe";
inline constexpr std::array<std::string_view, 3> kTimerToolArguments{"/w", "/s", "/n"};
inline constexpr std::string_view kManual = "velm.htm";
// Looked for on the search path when the print tool is gone.
inline constexpr std::string_view kTextViewer = "Notepad.exe";

// The main window's labels and buttons.
inline constexpr std::string_view kCardNumberLabel = "Ｎｏ．";
inline constexpr std::string_view kJumpButton = "≫";
inline constexpr std::string_view kTotalSeparator = "/";
// Before the file name in the label under the caption.
inline constexpr std::string_view kFileLabel = "FILE : ";
inline constexpr std::string_view kCardPanelLabel = "カード";
inline constexpr std::string_view kInsertButton = "挿入";
inline constexpr std::string_view kDeleteButton = "削除";
// The labels of the eleven card boxes in record order: Name1, Name2, Yomi, Mark, Jusyo1,
// Jusyo2, PostNo, Tel, biko1, biko2, biko3.
inline constexpr std::array<std::string_view, 11> kCardBoxLabels{
    "名前１", "２", "読み", "印", "住所１", "住所２", "〒", "電話", "会社", "所属", "メモ"};

// The tooltip of a card box: how much of its value the address-book file keeps, as in
// 住所録ファイルには全角20文字（40バイト）まで保存されます for a column of 40 bytes.
inline constexpr std::string_view kFileColumnBeforeCharacters = "住所録ファイルには全角";
inline constexpr std::string_view kFileColumnBeforeBytes = "文字（";
inline constexpr std::string_view kFileColumnAfterBytes = "バイト）まで保存されます";

inline std::string FileColumnTooltip(std::size_t bytes)
{
    std::string tooltip(kFileColumnBeforeCharacters);
    tooltip += std::to_string(bytes / 2);
    tooltip += kFileColumnBeforeBytes;
    tooltip += std::to_string(bytes);
    tooltip += kFileColumnAfterBytes;
    return tooltip;
}

// The menus and their items.
inline constexpr std::string_view kFileMenu = "住所録(&F)";
inline constexpr std::string_view kOpenItem = "開(&O)";
inline constexpr std::string_view kSaveItem = "上書き保存(&S)";
inline constexpr std::string_view kSaveAsItem = "名前をつけて保存(&A)";
inline constexpr std::string_view kPrintAddressBookItem = "編集・印刷(&P)";
inline constexpr std::string_view kRestoreItem = "バックアップから復元(&R)...";
inline constexpr std::string_view kCardListItem = "カード一覧(&L)...";
inline constexpr std::string_view kSheetMenu = "作成(&M)";
inline constexpr std::string_view kCreateNotebookItem = "手帳作成(&T)";
inline constexpr std::string_view kCreateListItem = "一覧表作成(&I)";
inline constexpr std::string_view kPrintNotebookItem = "手帳印刷(&N)";
inline constexpr std::string_view kPrintListItem = "一覧表印刷(&H)";
inline constexpr std::string_view kPrintPostcardsItem = "宛名印刷(&A)...";
inline constexpr std::string_view kInterchangeMenu = "ＯＲＢＩ(&O)";
inline constexpr std::string_view kImportItem = "読み込み(&R)";
inline constexpr std::string_view kExportItem = "書き出し(&W)";
inline constexpr std::string_view kMameJoinItem = "筆まめ形式にする(&M)";
inline constexpr std::string_view kImportOtherItem = "他の形式から読み込み(&I)...";
inline constexpr std::string_view kExportOtherItem = "他の形式で書き出し(&E)...";
inline constexpr std::string_view kHelpMenu = "ヘルプ(&H)";
inline constexpr std::string_view kAboutItem = "バージョン情報(&A)";
inline constexpr std::string_view kManualItem = "解説(&M)";
inline constexpr std::string_view kTimerItem = "タイマーを表示(&T)";

// A kind of file that the file dialogs offer: their filter, and the extension, with its
// full stop, that a name typed without one gets, if any.
struct FileKind {
    std::string_view filter;
    std::string_view extension;
};

// The address-book file.
inline constexpr FileKind kAddressBookFiles{"住所録(*.txt)|*.txt|すべてのファイル(*.*)|*.*",
                                            kAddressBookExtension};
inline constexpr std::string_view kOpenTitle = "住所録を開く";
inline constexpr std::string_view kSaveAsTitle = "住所録に名前をつけて保存";
inline constexpr std::string_view kNoCards = kNoCardsMessage;
inline constexpr std::string_view kTooManyCardsToRead = kTooManyCardsMessage;
// Any file a command reads: the notice of one larger than the program reads (64 MiB).
inline constexpr std::string_view kFileTooLarge = kFileTooLargeMessage;
inline constexpr std::string_view kOverwriteQuestion = "同名のファイルがあります。上書きしますか？";
inline constexpr std::string_view kOverwriteCaption = "上書き確認";
inline constexpr std::string_view kSaveQuestion = "カードが変更されています。上書きしますか？";
inline constexpr std::string_view kSaveCaption = "保存確認";

// The backups of the address-book file. The list shows, for each, when the file was
// replaced, its cards and its size; the size is a number with thousands separators, then
// its text, and a backup that cannot be read as an address book has no number of cards.
inline constexpr std::string_view kRestoreTitle = "バックアップから復元";
inline constexpr std::string_view kRestorePrompt =
    "読み込むバックアップを選んでください。\n住所録ファイルは上書き保存するまで変わりません。";
inline constexpr std::array<std::string_view, 3> kBackupHeadings{"日時", "カード数", "サイズ"};
inline constexpr std::string_view kBackupSizeAfterNumber = " バイト";
inline constexpr std::string_view kBackupCardsUnknown = "-";
inline constexpr std::string_view kNoBackups = "この住所録のバックアップはありません";

// Cards.
inline constexpr std::string_view kStoreFull = "カードは999件までです";
inline constexpr std::string_view kDeleteQuestion = "このカードを削除しますか？";
inline constexpr std::string_view kDeleteCaption = "削除確認";
// The error text of a whole number that is no card number: the quoted number, then this.
// A text that is no whole number has the error text of StrictToInt.
inline constexpr std::string_view kNotACardNumberAfterQuote = "' is not a valid card number";

// A sheet: the title its messages give it, its file and the print tool's format file for
// it, both in the folder of the user's files.
struct SheetTexts {
    std::string_view title;
    std::string_view fileName;
    std::string_view formatFileName;
};
inline constexpr SheetTexts kNotebookSheet{"手帳ファイル", "addrb7.txt", "addrb7.bpc"};
inline constexpr SheetTexts kListSheet{"一覧表ファイル", "addrb5.txt", "addrb5.bpc"};
// The messages name a sheet by its title and file, as in 手帳ファイル(addrb7.txt), with
// ASCII parentheses, and go on with these.
inline constexpr std::string_view kSheetOverwriteQuestionAfterName = "を上書きしますか？";
inline constexpr std::string_view kSheetCreatedAfterName = "を作成しました";
inline constexpr std::string_view kSheetCaption = "作成確認";

inline std::string NamedSheet(const SheetTexts& sheet)
{
    std::string named(sheet.title);
    named += '(';
    named += sheet.fileName;
    named += ')';
    return named;
}

// 宛名印刷: the caption of its dialog and of its print preview. The print job and the PDF
// are named by kPostcardsJobBeforeName and the address book's file name; saving proposes
// the PDF beside the address book, named by its base name and kPostcardsPdfAfterName.
inline constexpr std::string_view kPostcardsTitle = "宛名印刷";
inline constexpr std::string_view kPostcardsJobBeforeName = "宛名印刷 - ";
inline constexpr std::string_view kPostcardsPdfAfterName = "_宛名.pdf";

// The options of 宛名印刷.
inline constexpr std::string_view kPostcardCardsGroup = "印刷するカード";
inline constexpr std::string_view kPostcardAllCards = "すべてのカード(&A)";
inline constexpr std::string_view kPostcardMarkedCards = "印のあるカード(&M)";
inline constexpr std::string_view kPostcardMarkEquals = "印が次の文字のカード(&E):";
inline constexpr std::string_view kPostcardCurrentCard = "表示中のカード(&C)";
inline constexpr std::string_view kPostcardSenderGroup = "差出人";
inline constexpr std::string_view kPostcardPrintSender = "差出人を印刷する(&S)";
inline constexpr std::string_view kPostcardSenderCard = "カード番号(&N):";
inline constexpr std::string_view kPostcardStyleGroup = "書き方";
inline constexpr std::string_view kPostcardJointNames = "連名を印刷する(&J)";
inline constexpr std::string_view kPostcardKanjiDigits = "住所の数字を漢数字にする(&K)";
inline constexpr std::string_view kPostcardOffsetGroup =
    "位置の調整（プリンターの送りのずれを直します）";
inline constexpr std::string_view kPostcardOffsetRight = "右へ(&X):";
inline constexpr std::string_view kPostcardOffsetDown = "下へ(&Y):";
inline constexpr std::string_view kMillimetreSuffix = " mm";

// The summary after printing postcards: the count of address sides, then
// kPostcardsMadeAfterCount; then a line for each kind of card that needs a look, its text
// followed by the card numbers. A long list names its first cards and then counts the
// others between kMoreCardsBeforeCount and kMoreCardsAfterCount.
inline constexpr std::string_view kPostcardsMadeAfterCount = "枚の宛名面を作成しました。";
inline constexpr std::string_view kPostcardsSkippedBeforeCards =
    "名前１が空欄のため印刷しなかったカード：";
inline constexpr std::string_view kPostcardsPostalCodeBeforeCards =
    "郵便番号が7桁でないため住所の先頭に印刷したカード：";
inline constexpr std::string_view kPostcardsNoPostalCodeBeforeCards = "郵便番号が空欄のカード：";
inline constexpr std::string_view kPostcardsTextCutBeforeCards =
    "入りきらない文字を「…」で省略したカード：";
inline constexpr std::string_view kCardNumberSeparator = "、";
inline constexpr std::string_view kMoreCardsBeforeCount = " ほか";
inline constexpr std::string_view kMoreCardsAfterCount = "枚";

// The interchange file. The two counts come before their texts.
inline constexpr FileKind kInterchangeFiles{"ＯＲＢＩ(*.orb)|*.orb|すべてのファイル(*.*)|*.*",
                                            kInterchangeExtension};
inline constexpr std::string_view kExportTitle = "住所録をＯＲＢＩに変換";
inline constexpr std::string_view kImportTitle = "ＯＲＢＩ読込み";
inline constexpr std::string_view kNotInterchange = kNotOrbiMessage;
inline constexpr std::string_view kExportedAfterCount = "人分のデータをＯＲＢＩに変換しました";
inline constexpr std::string_view kImportedAfterCount = "人分のＯＲＢＩデータを読み込みました";

// Other programs' formats. Their files get no extension from the dialog: the command adds
// the format's own. The entries of the export's filter name the formats it writes, in the
// order of the window's list of them. The import's summaries and refusals are the core's.
inline constexpr FileKind kOtherFormatFilesToRead{
    "vCard・CSV(*.vcf *.csv *.txt)|*.vcf;*.csv;*.txt|すべてのファイル(*.*)|*.*", ""};
inline constexpr FileKind kOtherFormatFilesToWrite{
    "vCard 3.0(*.vcf)|*.vcf|vCard 4.0(*.vcf)|*.vcf|CSV Shift-JIS (Excel)(*.csv)|*.csv|"
    "CSV UTF-8(*.csv)|*.csv|Web連絡先 CSV(*.csv)|*.csv|すべてのファイル(*.*)|*.*",
    ""};
inline constexpr std::string_view kImportOtherTitle = "他の形式から読み込み";
inline constexpr std::string_view kExportOtherTitle = "他の形式で書き出し";
// The question is the count of cards read, this, a line break and the question itself.
inline constexpr std::string_view kCardsToImportAfterCount = "件のカードを読み込みます。";
inline constexpr std::string_view kAddOrReplaceQuestion =
    "最後のカードの後に追加しますか、すべてのカードと置き換えますか？";
inline constexpr std::string_view kAddOrReplaceCaption = "読み込み確認";

// 解説 when the desktop has no program that opens the manual: this, then on a line of its
// own the manual's full path.
inline constexpr std::string_view kManualNotOpened =
    "解説を開くプログラムが見つかりません。次のファイルをブラウザで開いてください。";

// The card list window: its caption, the search box's hint and the column headers, left to
// right.
inline constexpr std::string_view kCardListTitle = "カード一覧";
inline constexpr std::string_view kSearchHint = "名前・読み・住所・電話などで検索";
inline constexpr std::array<std::string_view, 9> kCardListColumns{
    "Ｎｏ．", "名前１", "名前２", "読み", "印", "〒", "住所１", "電話", "会社"};

// The card list's status line, "n / CardCount 件": the cards shown and the cards in the
// store.
inline std::string ShownOfCount(int shown, int count)
{
    return std::to_string(shown) + " / " + std::to_string(count) + " 件";
}

// The About box. Its version line is this, then the store's version text.
inline constexpr std::string_view kAboutVersionBeforeText = "住所録／";
// The version line until the box is first shown.
inline constexpr std::string_view kAboutVersionPlaceholder = "住所録／VELM v0.00";
inline constexpr std::string_view kAboutMaker = "© 2026 VELM project";
inline constexpr std::string_view kAboutWebAddress = "https://velm.example.com/";
// The line above the folder of the user's files.
inline constexpr std::string_view kDataFolderCaption = "住所録の場所:";

// Buttons of the message boxes.
inline constexpr std::string_view kOkButton = "OK";
inline constexpr std::string_view kCancelButton = "キャンセル";
inline constexpr std::string_view kYesButton = "はい(&Y)";
inline constexpr std::string_view kNoButton = "いいえ(&N)";
// The question whether imported cards are added or replace all cards.
inline constexpr std::string_view kAddButton = "追加";
inline constexpr std::string_view kReplaceButton = "置き換え";

// Labels of the file dialogs.
inline constexpr std::string_view kSaveInLabel = "保存する場所:";
inline constexpr std::string_view kLookInLabel = "ファイルの場所:";
inline constexpr std::string_view kFileNameLabel = "ファイル名(&N):";
inline constexpr std::string_view kFileTypeLabel = "ファイルの種類(&T):";
inline constexpr std::string_view kSaveButton = "保存(&S)";
inline constexpr std::string_view kOpenButton = "開く(&O)";

// The menus in menu-bar order and every item, each of which the manual documents under a
// heading of its own.
inline constexpr std::array<std::string_view, 4> kMenus{kFileMenu, kSheetMenu, kInterchangeMenu,
                                                        kHelpMenu};
inline constexpr std::array<std::string_view, 19> kMenuItems{
    kOpenItem,           kSaveItem,          kSaveAsItem,
    kImportOtherItem,    kExportOtherItem,   kPrintAddressBookItem,
    kRestoreItem,        kCardListItem,      kCreateNotebookItem,
    kCreateListItem,     kPrintNotebookItem, kPrintListItem,
    kPrintPostcardsItem, kImportItem,        kExportItem,
    kMameJoinItem,       kAboutItem,         kManualItem,
    kTimerItem};

// The questions, notices, their captions, the file dialogs' titles, the card list's caption
// and the texts of the postcard summary, which the manual quotes; the sheet messages follow
// the name of each sheet.
inline constexpr std::array<std::string_view, 22> kQuotedMessages{
    kNoCards,       kTooManyCardsToRead, kFileTooLarge,       kStoreFull,          kDeleteQuestion,
    kDeleteCaption, kOverwriteQuestion,  kOverwriteCaption,   kSaveQuestion,       kSaveCaption,
    kSheetCaption,  kNotInterchange,     kExportedAfterCount, kImportedAfterCount, kOpenTitle,
    kSaveAsTitle,   kImportTitle,        kExportTitle,        kNoBackups,          kRestoreTitle,
    kCardListTitle, kManualNotOpened};
// The same for the commands of other programs' formats, whose summaries and refusals the
// converter prints as well.
inline constexpr std::array<std::string_view, 13> kOtherFormatMessages{
    kImportOtherTitle,          kExportOtherTitle,        kCardsToImportAfterCount,
    kAddOrReplaceQuestion,      kAddOrReplaceCaption,     kCardsImportedAfterCount,
    kCardsExportedAfterCount,   kReplacedCardsAfterCount, kReplacedCharactersAfterCount,
    kNotFittingCardsAfterCount, kNoVCardsMessage,         kNoKnownColumnMessage,
    kTooManyTogetherMessage};
inline constexpr std::array<std::string_view, 5> kPostcardSummaryTexts{
    kPostcardsMadeAfterCount, kPostcardsSkippedBeforeCards, kPostcardsPostalCodeBeforeCards,
    kPostcardsNoPostalCodeBeforeCards, kPostcardsTextCutBeforeCards};
inline constexpr std::array<SheetTexts, 2> kSheets{kNotebookSheet, kListSheet};
inline constexpr std::array<std::string_view, 2> kSheetMessagesAfterName{
    kSheetOverwriteQuestionAfterName, kSheetCreatedAfterName};

} // namespace velm::texts

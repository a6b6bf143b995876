#pragma once

#include "app/ClickableLabel.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace velm
{

class Platform;

// The About box: the version line, the maker's line and the web address, which opens in the
// default browser when clicked. One box lives for the whole run; "OK" and the close box only
// hide it, and showing it again brings back the same box.
class TForm2 final : public QDialog
{
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 197;
    static constexpr int kClientHeight = 114;

    explicit TForm2(Platform& platform, QWidget* parent = nullptr);

    // Sets the version line to "住所録／" followed by versionText and shows the box
    // modelessly, centred on its parent. While the box is already open it is only raised
    // and activated, with the version line refreshed.
    void showAbout(const QString& versionText);

    // Adds the lines that name the folder of the user's files below the web address, widening
    // the box when the folder needs it. Called once, when the folder has been decided.
    void showDataFolder(const QString& folder);

    QLabel* versionLabel() const { return Label1; }
    QLabel* makerLabel() const { return Label2; }
    ClickableLabel* linkLabel() const { return Label3; }
    QPushButton* okButton() const { return Button1; }
    QLabel* dataFolderLabel() const { return Label5; }

  private:
    void Button1Click();
    void Label3Click();
    void Label3MouseEnter();
    void Label3MouseLeave();

    void setUpLinkLabel();
    void setLinkColour(const QColor& colour);
    void centreOnParent();

    Platform& m_platform;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    ClickableLabel* Label3 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
};

} // namespace velm

#pragma once

// CFramedDialog: the frame every dialog of the program shares. A title band across the
// top names the dialog (dark blue bold text over a black rule, or white text on a
// gradient); an optional tool bar sits under it; the dialog's own controls go in Body();
// OK and Cancel sit at the bottom.
//
//   class CMyDlg : public CFramedDialog {
//       CMyDlg(QWidget* parent) : CFramedDialog("My Dialog", parent) {
//           auto* layout = new QFormLayout(Body());
//           ...
//       }
//       bool OnOk() override { return checksPass(); }   // false keeps the dialog open
//   };
//
// OK runs OnOk() and closes with Accepted only when it answers true; Cancel, Escape and
// the window's close button run OnCancel() and close with Rejected.

#include <QColor>
#include <QDialog>
#include <QString>
#include <functional>

class QDialogButtonBox;
class QToolBar;
class QVBoxLayout;
class QWidget;

// The band's height; its rule is drawn on the row below, at y = 24.
inline constexpr int kTitleBandHeight = 24;

class CTitleBand;

class CFramedDialog : public QDialog {
    Q_OBJECT

public:
    // The title is the window title and, at first, the band's text.
    explicit CFramedDialog(const QString& title, QWidget* parent = nullptr);
    ~CFramedDialog() override;

    QString HeaderTitle() const { return headerTitle; }
    void SetHeaderTitle(const QString& title);
    bool GradientHeader() const { return gradientHeader; }
    void SetGradientHeader(bool on);
    void SetHeaderColours(const QColor& from, const QColor& to);
    QColor GradientFrom() const { return gradientFrom; }
    QColor GradientTo() const { return gradientTo; }

    // A desktop has no soft keyboard to show or hide.
    void ShowKeyboard() {}
    void HideKeyboard() {}

    // Where the dialog's own controls go.
    QWidget* Body() const { return body; }
    QDialogButtonBox* Buttons() const { return buttons; }
    // The dialog's tool bar under the title band, made at the first call.
    QToolBar* ToolBar();
    // The band itself, for drawing checks.
    QWidget* TitleBand() const;

    void accept() override;
    void reject() override;

protected:
    // The dialog's OK step; false keeps it open.
    virtual bool OnOk() { return true; }
    // Runs before the dialog closes as cancelled.
    virtual void OnCancel() {}

private:
    friend class CTitleBand;

    QString headerTitle;
    bool gradientHeader = false;
    QColor gradientFrom{0, 0, 255};
    QColor gradientTo{255, 255, 255};
    CTitleBand* band = nullptr;
    QVBoxLayout* frameLayout = nullptr;
    QWidget* body = nullptr;
    QToolBar* toolBar = nullptr;
    QDialogButtonBox* buttons = nullptr;
};

// Opens a dialog and waits for it to close: exec() in the program. Tests put a runner of
// their own in its place, which drives the dialog as a player would and closes it.
int RunModal(CFramedDialog& dialog);
// nullptr restores exec().
void SetModalRunner(std::function<int(CFramedDialog&)> runner);

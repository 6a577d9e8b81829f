#pragma once

// CTipDlg: one of the twenty tips, with buttons to step to the previous or next one. Every
// opening shows the tip after the one shown last (CurrentTip), so the tips take turns.
//
//   CTipDlg tip(settings, window);
//   RunModal(tip);

#include "dialogs/framed_dialog.h"

class CAppSettings;
class QLabel;
class QPushButton;

class CTipDlg : public CFramedDialog {
    Q_OBJECT

public:
    CTipDlg(CAppSettings& settings, QWidget* parent = nullptr);

    void NextTip();
    void PreviousTip();

    QLabel* TipLabel() const { return tipText; }
    QPushButton* PrevButton() const { return prevButton; }
    QPushButton* NextButton() const { return nextButton; }

private:
    void Show(int tip);

    CAppSettings& settings;
    QLabel* tipText = nullptr;
    QPushButton* prevButton = nullptr;
    QPushButton* nextButton = nullptr;
};

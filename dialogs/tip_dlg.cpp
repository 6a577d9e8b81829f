#include "dialogs/tip_dlg.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/pictures.h"
#include "settings/app_settings.h"
#include "settings/tips.h"

CTipDlg::CTipDlg(CAppSettings& appSettings, QWidget* parent)
    : CFramedDialog("Tip of the day", parent), settings(appSettings) {
    SetHeaderTitle("Tip of the day");
    // The tip only informs: one button closes it.
    Buttons()->setStandardButtons(QDialogButtonBox::Close);

    auto* layout = new QHBoxLayout(Body());
    const QPixmap picture = LoadPicture("197", devicePixelRatioF());
    if (!picture.isNull()) {
        auto* decoration = new QLabel(Body());
        decoration->setPixmap(picture);
        decoration->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
        layout->addWidget(decoration, 0, Qt::AlignTop);
    }
    auto* column = new QVBoxLayout;
    tipText = new QLabel(Body());
    tipText->setTextFormat(Qt::PlainText);
    tipText->setWordWrap(true);
    tipText->setFrameShape(QFrame::Box);
    tipText->setMargin(8);
    tipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tipText->setMinimumSize(300, 120);
    tipText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(tipText, 1);
    auto* buttons = new QHBoxLayout;
    prevButton = new QPushButton("&Prev tip", Body());
    nextButton = new QPushButton("&Next tip", Body());
    buttons->addStretch(1);
    buttons->addWidget(prevButton);
    buttons->addWidget(nextButton);
    column->addLayout(buttons);
    layout->addLayout(column, 1);

    connect(prevButton, &QPushButton::clicked, this, &CTipDlg::PreviousTip);
    connect(nextButton, &QPushButton::clicked, this, &CTipDlg::NextTip);
    NextTip();
    nextButton->setDefault(true);
    nextButton->setFocus();
}

void CTipDlg::NextTip() {
    Show(::NextTip(settings.currentTip));
}

void CTipDlg::PreviousTip() {
    Show(::PreviousTip(settings.currentTip));
}

void CTipDlg::Show(int tip) {
    settings.currentTip = tip;
    const std::string_view text = ::TipText(tip);
    tipText->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

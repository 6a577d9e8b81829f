#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QPainter>
#include <QVBoxLayout>

#include "app/panel_text.h"
#include "app/picture_set.h"
#include "app/progress_dialog.h"

namespace {

// The picture's part of the dialog; the OK button sits below it.
class CAboutPanel : public QWidget {
public:
    CAboutPanel(CPictureSet& pictures, const QStringList& lines, const int& offset, QWidget* parent)
        : QWidget(parent), pictures(pictures), lines(lines), offset(offset) {
        setFixedSize(kSplashWidth * pictures.Zoom(), kSplashHeight * pictures.Zoom());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.scale(pictures.Zoom(), pictures.Zoom());
        painter.fillRect(QRect(0, 0, kSplashWidth, kSplashHeight), Qt::black);
        if (const auto* backdrop = pictures.Get(kPanelPicture)) {
            painter.drawImage(QRect(0, 0, backdrop->logicalWidth, backdrop->logicalHeight),
                              backdrop->image);
        }
        DrawPanelText(painter, lines, offset, true);
    }

private:
    CPictureSet& pictures;
    const QStringList& lines;
    const int& offset;
};

}  // namespace

CAboutDlg::CAboutDlg(CPictureSet& pictures, QStringList text, QWidget* parent)
    : QDialog(parent), pictures(pictures), lines(std::move(text)) {
    setWindowTitle(QStringLiteral("About Fretquill"));
    textHeight = ScrollingTextHeight(lines);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    panel = new CAboutPanel(pictures, lines, offset, this);
    layout->addWidget(panel);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &CAboutDlg::Tick);
    timer.start(kAboutScrollMilliseconds);
}

void CAboutDlg::Tick() {
    ++offset;
    // Starts over once the last line has left the panel's top.
    if (offset > kTextPanel.top() + textHeight - (kTextPanel.top() + kTextPanel.height())) {
        offset = 0;
    }
    if (panel != nullptr) {
        const int zoom = pictures.Zoom();
        panel->update(kTextPanel.left() * zoom, kTextPanel.top() * zoom, kTextPanel.width() * zoom,
                      kTextPanel.height() * zoom);
    }
}

#include "dialogs/framed_dialog.h"

#include <QDialogButtonBox>
#include <QPainter>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

class CTitleBand : public QWidget {
public:
    explicit CTitleBand(CFramedDialog& dialog) : QWidget(&dialog), dialog(dialog) {
        setFixedHeight(kTitleBandHeight + 1);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int w = width();
        QColor text(0, 0, 156);
        if (dialog.gradientHeader) {
            PaintGradient(painter, w);
            text = Qt::white;
        }
        QFont font = dialog.font();
        font.setWeight(QFont::Bold);
        painter.setFont(font);
        painter.setPen(text);
        painter.drawText(QRect(8, 0, std::max(0, w - 8), kTitleBandHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, dialog.headerTitle);
        if (!dialog.gradientHeader) {
            painter.setPen(Qt::black);
            painter.drawLine(0, kTitleBandHeight, w, kTitleBandHeight);
        }
    }

private:
    // n bands of equal width (the last reaching the edge), each colour a step of one n-th
    // of the way from the first colour to the second, per channel in 8.8 fixed point.
    void PaintGradient(QPainter& painter, int w) {
        if (w <= 0) {
            return;
        }
        const int n = std::min(100, w);
        const int bandWidth = w / n;
        const QColor from = dialog.gradientFrom;
        const QColor to = dialog.gradientTo;
        const int stepR = ((to.red() - from.red()) << 8) / n;
        const int stepG = ((to.green() - from.green()) << 8) / n;
        const int stepB = ((to.blue() - from.blue()) << 8) / n;
        int r = from.red() << 8, g = from.green() << 8, b = from.blue() << 8;
        for (int i = 0; i < n; ++i) {
            const int left = i * bandWidth;
            const int right = i == n - 1 ? w : left + bandWidth;
            painter.fillRect(QRect(left, 0, right - left, kTitleBandHeight),
                             QColor(std::clamp(r >> 8, 0, 255), std::clamp(g >> 8, 0, 255),
                                    std::clamp(b >> 8, 0, 255)));
            r += stepR;
            g += stepG;
            b += stepB;
        }
    }

    CFramedDialog& dialog;
};

CFramedDialog::CFramedDialog(const QString& title, QWidget* parent)
    : QDialog(parent), headerTitle(title) {
    setWindowTitle(title);
    frameLayout = new QVBoxLayout(this);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->setSpacing(0);
    band = new CTitleBand(*this);
    frameLayout->addWidget(band);
    body = new QWidget(this);
    frameLayout->addWidget(body, 1);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setContentsMargins(9, 0, 9, 9);
    frameLayout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFramedDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFramedDialog::reject);
}

CFramedDialog::~CFramedDialog() = default;

void CFramedDialog::SetHeaderTitle(const QString& title) {
    headerTitle = title;
    band->update();
}

void CFramedDialog::SetGradientHeader(bool on) {
    gradientHeader = on;
    band->update();
}

void CFramedDialog::SetHeaderColours(const QColor& from, const QColor& to) {
    gradientFrom = from;
    gradientTo = to;
    band->update();
}

QToolBar* CFramedDialog::ToolBar() {
    if (toolBar == nullptr) {
        toolBar = new QToolBar(this);
        toolBar->setIconSize(QSize(16, 16));
        toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        frameLayout->insertWidget(1, toolBar);
    }
    return toolBar;
}

QWidget* CFramedDialog::TitleBand() const {
    return band;
}

void CFramedDialog::accept() {
    if (OnOk()) {
        QDialog::accept();
    }
}

void CFramedDialog::reject() {
    OnCancel();
    QDialog::reject();
}

namespace {

std::function<int(CFramedDialog&)>& ModalRunner() {
    static std::function<int(CFramedDialog&)> runner;
    return runner;
}

}  // namespace

int RunModal(CFramedDialog& dialog) {
    if (ModalRunner()) {
        return ModalRunner()(dialog);
    }
    return dialog.exec();
}

void SetModalRunner(std::function<int(CFramedDialog&)> runner) {
    ModalRunner() = std::move(runner);
}

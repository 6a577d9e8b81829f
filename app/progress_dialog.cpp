#include "app/progress_dialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QThread>
#include <QTimer>
#include <memory>

#include "app/panel_text.h"
#include "app/picture_set.h"
#include "util/display_format.h"

CProgressSignals::CProgressSignals(Prompter& prompter, QObject* parent)
    : QObject(parent), prompter(prompter) {}

void CProgressSignals::AddStatusLine(const std::string& text) {
    Q_EMIT StatusLine(QString::fromStdString(text));
}

void CProgressSignals::SetProgress(int percent) {
    Q_EMIT Progress(percent);
}

PromptAnswer CProgressSignals::Show(PromptKind kind, const std::string& title,
                                    const std::string& text) {
    if (QThread::currentThread() == thread()) {
        return prompter.Show(kind, title, text);
    }
    PromptAnswer answer = PromptAnswer::Ok;
    QMetaObject::invokeMethod(
        this, [&] { answer = prompter.Show(kind, title, text); }, Qt::BlockingQueuedConnection);
    return answer;
}

CProgressThreadDlg::CProgressThreadDlg(CPictureSet& pictures, const QString& title, QWidget* parent)
    : QDialog(parent), pictures(pictures), lines(StartupStatusLines()) {
    setWindowTitle(title.isEmpty() ? QStringLiteral("Loading...") : title);
    setFixedSize(kSplashWidth * pictures.Zoom(), kSplashHeight * pictures.Zoom());
    setModal(true);
    // No close button: the splash goes when the loading has ended.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void CProgressThreadDlg::AddStatusLine(const QString& text) {
    if (lines.isEmpty() || lines.last() != text) {
        lines.append(text);
        update();
    }
}

void CProgressThreadDlg::SetProgress(int value) {
    if (value != percent) {
        percent = value;
        update();
    }
}

void CProgressThreadDlg::Finish() {
    finished = true;
    accept();
}

void CProgressThreadDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.scale(pictures.Zoom(), pictures.Zoom());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.fillRect(QRect(0, 0, kSplashWidth, kSplashHeight), Qt::black);
    if (const auto* backdrop = pictures.Get(kPanelPicture)) {
        painter.drawImage(QRect(0, 0, backdrop->logicalWidth, backdrop->logicalHeight),
                          backdrop->image);
    }
    if (percent >= 0 && percent <= 100) {
        const int filled = static_cast<int>(percent * 0.01 * 162.0);
        // Parts of no width are left out: Qt would draw them whole.
        if (const auto* empty = pictures.Get(kBarEmptyPicture); empty && 162 - filled > 0) {
            const int width = 162 - filled;
            painter.drawImage(QRect(filled + 37, 227, width, 24), empty->image,
                              QRect(0, 0, width * empty->scale, 24 * empty->scale));
        }
        if (const auto* fill = pictures.Get(kBarFillPicture); fill && filled - 2 > 0) {
            const int width = filled - 2;
            painter.drawImage(QRect(41, 227, width, 24), fill->image,
                              QRect(0, 0, width * fill->scale, 24 * fill->scale));
        }
        if (const QImage* frame = pictures.Keyed(kBarFramePicture)) {
            painter.drawImage(QRect(37, 223, 166, 32), *frame);
        }
    }
    DrawPanelText(painter, lines, PanelTextOffset(static_cast<int>(lines.size())), false);
}

void CProgressThreadDlg::keyPressEvent(QKeyEvent* event) {
    // Escape and Enter would end the dialog; the loading cannot be cancelled.
    event->ignore();
}

void CProgressThreadDlg::closeEvent(QCloseEvent* event) {
    if (finished) {
        event->accept();
    } else {
        event->ignore();
    }
}

void CProgressThreadDlg::reject() {
    if (finished) {
        QDialog::reject();
    }
}

bool RunWithProgress(const std::function<bool(ProgressReporter&, Prompter&)>& task,
                     const QString& title, CPictureSet& pictures, Prompter& prompter,
                     QWidget* parent, int splashDelay) {
    CProgressSignals reports(prompter);
    CProgressThreadDlg splash(pictures, title, parent);
    QObject::connect(&reports, &CProgressSignals::StatusLine, &splash,
                     &CProgressThreadDlg::AddStatusLine);
    QObject::connect(&reports, &CProgressSignals::Progress, &splash,
                     &CProgressThreadDlg::SetProgress);

    bool result = false;
    std::unique_ptr<QThread> worker(QThread::create([&] { result = task(reports, reports); }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer showTimer;
    showTimer.setSingleShot(true);
    QObject::connect(&showTimer, &QTimer::timeout, &splash, [&] {
        if (worker->isRunning()) {
            splash.show();
        }
    });
    worker->start(QThread::LowPriority);
    showTimer.start(splashDelay);
    // The finished signal is queued to this thread, so it arrives even when the task ended
    // before the loop began.
    loop.exec();
    worker->wait();
    showTimer.stop();
    splash.Finish();
    return result;
}

QStringList StartupStatusLines() {
    return {QStringLiteral("Version ") + QString::fromStdString(VersionText(true)),
            QStringLiteral("Release Build"), QString::fromUtf8(kCreditLine),
            QString::fromUtf8(kMakerAddress), QStringLiteral("Initializing...")};
}

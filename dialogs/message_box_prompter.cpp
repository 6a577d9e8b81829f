#include "dialogs/message_box_prompter.h"

#include <QMessageBox>

PromptAnswer CMessageBoxPrompter::Show(PromptKind kind, const std::string& title,
                                       const std::string& text) {
    const QString caption = QString::fromStdString(title.empty() ? "Fretquill" : title);
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(QString::fromStdString(text));
    box.setTextFormat(Qt::PlainText);
    switch (kind) {
        case PromptKind::YesNo:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::No);
            return box.exec() == QMessageBox::Yes ? PromptAnswer::Yes : PromptAnswer::No;
        case PromptKind::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case PromptKind::Information:
        default:
            box.setIcon(QMessageBox::Information);
            break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return PromptAnswer::Ok;
}

#include "dialogs/file_choosers.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace {

constexpr const char* kFilter = "Fretquill progressions (*.fqp)";

std::function<QString(QWidget*, const QString&)>& ExportChooser() {
    static std::function<QString(QWidget*, const QString&)> chooser;
    return chooser;
}

std::function<QString(QWidget*)>& ImportChooser() {
    static std::function<QString(QWidget*)> chooser;
    return chooser;
}

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() || !QDir(documents).exists() ? QDir::homePath() : documents;
}

}  // namespace

QString ChooseExportFile(QWidget* parent, const QString& suggestedName) {
    if (ExportChooser()) {
        return ExportChooser()(parent, suggestedName);
    }
    QFileDialog dialog(parent, "Export Progression", DocumentsFolder(), kFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix("fqp");
    // The export asks before it replaces a file (and only once).
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

QString ChooseImportFile(QWidget* parent) {
    if (ImportChooser()) {
        return ImportChooser()(parent);
    }
    return QFileDialog::getOpenFileName(parent, "Import Progression", DocumentsFolder(), kFilter);
}

void SetExportFileChooser(std::function<QString(QWidget*, const QString&)> chooser) {
    ExportChooser() = std::move(chooser);
}

void SetImportFileChooser(std::function<QString(QWidget*)> chooser) {
    ImportChooser() = std::move(chooser);
}

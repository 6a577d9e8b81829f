#pragma once

// Where exchange files are chosen: Qt's standard file dialogs, filtered to "*.fqp" and
// starting in the user's documents folder. The save dialog asks nothing about replacing a
// file: the export asks that itself. Tests put choosers of their own in their place.

#include <QString>
#include <functional>

class QWidget;

// The file to export to, "" when the player cancelled.
QString ChooseExportFile(QWidget* parent, const QString& suggestedName);
// The file to import, "" when the player cancelled.
QString ChooseImportFile(QWidget* parent);

// nullptr restores the standard dialogs.
void SetExportFileChooser(std::function<QString(QWidget*, const QString&)> chooser);
void SetImportFileChooser(std::function<QString(QWidget*)> chooser);

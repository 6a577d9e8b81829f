#pragma once

// The import of a progression from an exchange file, as steps the Import Progression and
// Rename progression dialogs call; every question and message goes through the prompter.
//
//   std::string path;
//   if (!CImportFlow::CheckChoice(dialog.FolderPath(), dialog.ChosenFile(), prompter, path))
//       return;                                       // the dialog stays open
//   CImportFlow import(CProgressionList::Instance(), prompter);
//   if (!import.Read(path)) return;                  // told; nothing imported
//   while (import.NeedsNewName()) {
//       if (!renameDialog.Run()) { import.Cancel(); return; }
//       import.TryNewName(renameDialog.Name());     // 65041 when the name is taken too
//   }
//   CProgression* added = import.Finish();           // "Progression imported successfully."
//
// The imported progression keeps everything stored in the file (times, tempo, patterns
// and their ids) but gets a new id from the list.

#include <memory>
#include <string>

class CProgression;
class CProgressionList;
class Prompter;

class CImportFlow {
public:
    CImportFlow(CProgressionList& list, Prompter& prompter);
    ~CImportFlow();
    CImportFlow(const CImportFlow&) = delete;
    CImportFlow& operator=(const CImportFlow&) = delete;

    // OK of the import dialog: false, after a message, when no file is chosen; otherwise
    // the path is the folder followed by the file name.
    static bool CheckChoice(const std::string& folder, const std::string& chosenFile,
                            Prompter& prompter, std::string& path);

    // Reads the file; false, told, when it cannot be imported.
    bool Read(const std::string& path);
    // The progression read, nullptr before a successful Read or after Finish or Cancel.
    const CProgression* Imported() const { return imported_.get(); }
    // True when a progression of the imported tuning already has the imported name.
    bool NeedsNewName() const;
    // OK of the rename dialog: false, with message 65041, when the name is taken in the
    // imported tuning too (or, with a message, when it is empty); else the progression
    // takes it.
    bool TryNewName(const std::string& name);
    // Drops the imported progression (the rename dialog was cancelled).
    void Cancel();
    // Adds the progression to the list with a new id and tells the player; nullptr when
    // there is nothing to add or its name still clashes.
    CProgression* Finish();

private:
    CProgressionList& list_;
    Prompter& prompter_;
    std::unique_ptr<CProgression> imported_;
};

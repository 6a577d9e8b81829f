#include "library/import_flow.h"

#include <utility>

#include "library/exchange_file.h"
#include "library/library_file.h"
#include "library/library_messages.h"
#include "library/progression_list.h"
#include "util/prompter.h"

CImportFlow::CImportFlow(CProgressionList& list, Prompter& prompter)
    : list_(list), prompter_(prompter) {}

CImportFlow::~CImportFlow() = default;

bool CImportFlow::CheckChoice(const std::string& folder, const std::string& chosenFile,
                              Prompter& prompter, std::string& path) {
    if (chosenFile.empty()) {
        prompter.Show(PromptKind::Information, kLibraryMessageTitle,
                      library_messages::kChooseImportFile);
        return false;
    }
    std::string dir = folder.empty() ? std::string("/") : folder;
    if (dir.back() != '/') {
        dir += '/';
    }
    path = dir + chosenFile;
    return true;
}

bool CImportFlow::Read(const std::string& path) {
    auto progression = std::make_unique<CProgression>();
    if (!ImportFrom(*progression, path, prompter_)) {
        imported_.reset();
        return false;
    }
    // Its pattern ids must stay unique within it, whoever wrote the file.
    progression->patterns.RepairIds();
    imported_ = std::move(progression);
    return true;
}

bool CImportFlow::NeedsNewName() const {
    return imported_ && list_.NameExists(imported_->name, imported_->tuningKey);
}

bool CImportFlow::TryNewName(const std::string& name) {
    if (!imported_) {
        return false;
    }
    const std::string trimmed = TrimSpaces(name);
    if (trimmed.empty()) {
        prompter_.Show(PromptKind::Information, kLibraryMessageTitle,
                       library_messages::kEnterExportName);
        return false;
    }
    if (list_.NameExists(trimmed, imported_->tuningKey)) {
        prompter_.Show(PromptKind::Information, kLibraryMessageTitle,
                       library_messages::kProgressionNameTaken);
        return false;
    }
    imported_->name = trimmed;
    return true;
}

void CImportFlow::Cancel() {
    imported_.reset();
}

CProgression* CImportFlow::Finish() {
    if (!imported_ || NeedsNewName()) {
        return nullptr;
    }
    CProgression* added = list_.AddProgression(std::move(imported_));
    if (added == nullptr) {
        prompter_.Show(PromptKind::Error, kLibraryMessageTitle,
                       "The progression could not be imported: the list of progressions has "
                       "no id left to give it.");
        return nullptr;
    }
    prompter_.Show(PromptKind::Information, kLibraryMessageTitle,
                   library_messages::kImportSuccessful);
    return added;
}

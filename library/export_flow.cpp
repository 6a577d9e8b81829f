#include "library/export_flow.h"

#include <filesystem>
#include <system_error>

#include "library/exchange_file.h"
#include "library/library_file.h"
#include "library/library_messages.h"
#include "util/prompter.h"
#include "util/text_helpers.h"

CExportFlow::Check CExportFlow::CheckDestination(const std::string& folder, const std::string& name,
                                                 Prompter& prompter, std::string& filePath) {
    namespace msg = library_messages;
    const std::string trimmed = TrimSpaces(name);
    if (trimmed.empty()) {
        prompter.Show(PromptKind::Information, kLibraryMessageTitle, msg::kEnterExportName);
        return Check::Stay;
    }
    // The name becomes a file name in the chosen folder, never a path to somewhere else.
    if (trimmed.find('/') != std::string::npos || trimmed.find('\0') != std::string::npos ||
        trimmed == "." || trimmed == "..") {
        prompter.Show(PromptKind::Information, kLibraryMessageTitle,
                      "A progression's file name cannot contain '/'.  Please choose another "
                      "name.");
        return Check::Stay;
    }
    std::string dir = folder.empty() ? std::string("/") : folder;
    if (dir.back() != '/') {
        dir += '/';
    }
    const std::string path = dir + trimmed + kExchangeExtension;
    // Any file already there is asked about, also one that cannot be read.
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        const PromptAnswer answer =
            prompter.Show(PromptKind::YesNo, kLibraryMessageTitle,
                          FormatMessage(msg::kExportOverwrite, {trimmed, dir}));
        if (answer != PromptAnswer::Yes) {
            return Check::Stay;
        }
    }
    filePath = path;
    return Check::Proceed;
}

bool CExportFlow::Finish(CProgression& progression, const std::string& filePath,
                         Prompter& prompter) {
    if (!ExportTo(progression, filePath, prompter)) {
        return false;
    }
    prompter.Show(PromptKind::Information, kLibraryMessageTitle,
                  library_messages::kExportSuccessful);
    return true;
}

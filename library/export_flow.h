#pragma once

// The export of a progression to an exchange file, as steps the Export Progression dialog
// calls; every question and message goes through the prompter.
//
//   std::string file;
//   if (CExportFlow::CheckDestination(dialog.FolderPath(), dialog.Name(), prompter, file)
//           == CExportFlow::Check::Proceed) {
//       dialog.Accept();
//       CExportFlow::Finish(selected, file, prompter);   // "Export successful."
//   }

#include <string>

class CProgression;
class Prompter;

class CExportFlow {
public:
    enum class Check {
        Proceed,  // close the dialog and export to the file given back
        Stay,     // the dialog stays open, the focus on the name box
    };

    // OK of the dialog: the folder chosen in the tree and the typed name. An empty name
    // is refused; an existing file asks message 65043 (No stays). The file path is the
    // folder, the name trimmed of spaces, and ".fqp".
    static Check CheckDestination(const std::string& folder, const std::string& name,
                                  Prompter& prompter, std::string& filePath);
    // Writes the file and tells the player how it went.
    static bool Finish(CProgression& progression, const std::string& filePath, Prompter& prompter);
};

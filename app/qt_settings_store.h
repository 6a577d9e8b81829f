#pragma once

// The program's settings file: QSettings in INI format under the user's configuration
// directory ($XDG_CONFIG_HOME/Quorvane/Fretquill.ini), with the sections as groups.
// "Settings\Chord" entry "Note" is the key Note of group [Settings/Chord]; PlotMode is
// the key PlotMode of group [Settings].

#include <QSettings>
#include <QString>
#include <memory>

#include "settings/settings_store.h"
#include "util/result.h"

class CQtSettingsStore : public SettingsStore {
public:
    // The user's settings file of the program.
    CQtSettingsStore();
    // Any INI file (tests).
    explicit CQtSettingsStore(const QString& iniPath);

    int ReadInt(std::string_view section, std::string_view entry, int defaultValue) const override;
    std::string ReadText(std::string_view section, std::string_view entry,
                         std::string_view defaultValue) const override;
    void WriteInt(std::string_view section, std::string_view entry, int value) override;
    void WriteText(std::string_view section, std::string_view entry,
                   std::string_view value) override;

    // Writes what is pending to the file. Fails when the file cannot be written: the player
    // is told, since the settings are written only at exit.
    Result<> Flush();
    QString FileName() const { return settings->fileName(); }

private:
    std::unique_ptr<QSettings> settings;
};

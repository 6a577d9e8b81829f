#include "app/qt_settings_store.h"

#include <QFileInfo>

#include "settings/settings_key.h"

namespace {

QString Key(std::string_view section, std::string_view entry) {
    return QString::fromStdString(SettingsKeyPath(section, entry));
}

}  // namespace

CQtSettingsStore::CQtSettingsStore()
    : settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Quorvane",
                                           "Fretquill")) {}

CQtSettingsStore::CQtSettingsStore(const QString& iniPath)
    : settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

int CQtSettingsStore::ReadInt(std::string_view section, std::string_view entry,
                              int defaultValue) const {
    const QVariant value = settings->value(Key(section, entry));
    if (!value.isValid()) {
        return defaultValue;
    }
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : defaultValue;
}

std::string CQtSettingsStore::ReadText(std::string_view section, std::string_view entry,
                                       std::string_view defaultValue) const {
    const QVariant value = settings->value(Key(section, entry));
    // A value with a comma reads back as a list in INI files; join it again.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(',').toStdString();
    }
    return value.isValid() ? value.toString().toStdString() : std::string(defaultValue);
}

void CQtSettingsStore::WriteInt(std::string_view section, std::string_view entry, int value) {
    settings->setValue(Key(section, entry), value);
}

void CQtSettingsStore::WriteText(std::string_view section, std::string_view entry,
                                 std::string_view value) {
    settings->setValue(Key(section, entry), QString::fromStdString(std::string(value)));
}

Result<> CQtSettingsStore::Flush() {
    settings->sync();
    if (settings->status() == QSettings::NoError) {
        return {};
    }
    return Result<>::Fail("The settings could not be written to \"" +
                          settings->fileName().toStdString() + "\"" +
                          (settings->status() == QSettings::AccessError
                               ? ": the file or its folder cannot be written."
                               : ": the file is damaged."));
}

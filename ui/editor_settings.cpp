#include "ui/editor_settings.h"

#include "support/settings_file.h"
#include "ui/common/app_paths.h"

namespace corvane {

QString EditorSettings::read(std::string_view section, std::string_view key, const QString& defaultValue) const {
    return QString::fromStdString(ReadIni(toEnginePath(fileName_), section, key, defaultValue.toStdString()));
}

int EditorSettings::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    bool ok = false;
    const int value = read(section, key, QString::number(defaultValue)).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

void EditorSettings::write(std::string_view section, std::string_view key, const QString& value) const {
    WriteIni(toEnginePath(fileName_), section, key, value.toStdString());
}

}  // namespace corvane

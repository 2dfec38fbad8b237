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
    write({{section, key, value}});
}

void EditorSettings::write(const std::vector<Value>& values) const {
    std::vector<std::string> texts;
    texts.reserve(values.size());
    std::vector<IniValue> stored;
    for (const Value& value : values) {
        texts.push_back(value.value.toStdString());
        stored.push_back({value.section, value.key, texts.back()});
    }
    WriteIniValues(toEnginePath(fileName_), stored);
}

}  // namespace corvane

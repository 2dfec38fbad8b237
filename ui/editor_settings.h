#pragma once
// editor.ini as the windows use it: QString in and out, one file for the whole program.

#include <QString>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

class EditorSettings {
public:
    explicit EditorSettings(QString fileName) : fileName_(std::move(fileName)) {}

    const QString& fileName() const { return fileName_; }

    QString read(std::string_view section, std::string_view key, const QString& defaultValue) const;
    // An integer, or `defaultValue` when nothing or no whole number is stored.
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;
    // A settings file that cannot be written costs only the remembered setting: failures are
    // dropped here on purpose.
    void write(std::string_view section, std::string_view key, const QString& value) const;
    struct Value {
        std::string_view section;
        std::string_view key;
        QString value;
    };
    // Several keys in one write of the file.
    void write(const std::vector<Value>& values) const;

private:
    QString fileName_;
};

}  // namespace corvane

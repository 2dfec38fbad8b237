#include "ui/recent_files.h"

#include "support/settings_file.h"

namespace corvane {

QString noRecentFile() { return QString::fromUtf8(settings::kNoRecentFile.data(), settings::kNoRecentFile.size()); }

QStringList emptyRecentFiles() {
    QStringList list;
    for (int i = 0; i < settings::kRecentCount; ++i) list << noRecentFile();
    return list;
}

void addRecentFile(QStringList& recent, const QString& fileName) {
    if (fileName.isEmpty()) return;
    qsizetype found = -1;
    for (qsizetype i = 0; i < recent.size(); ++i) {
        if (recent[i].compare(fileName, Qt::CaseInsensitive) == 0) {
            found = i;
            break;
        }
    }
    if (found >= 0) {
        recent.removeAt(found);
    } else if (recent.size() >= settings::kRecentCount) {
        recent.removeLast();
    }
    recent.prepend(fileName);
}

}  // namespace corvane

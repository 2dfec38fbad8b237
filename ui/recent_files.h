#pragma once
// The five recent script files, most recent first; "<none>" marks an empty slot.

#include <QString>
#include <QStringList>

namespace corvane {

QString noRecentFile();

// Five "<none>" entries.
QStringList emptyRecentFiles();

// Moves `fileName` to the top: an entry equal to it without regard to letter case moves up (taking
// the new spelling), otherwise the oldest entry drops out. An empty name changes nothing.
void addRecentFile(QStringList& recent, const QString& fileName);

}  // namespace corvane

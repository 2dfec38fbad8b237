#include "ui/common/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace corvane {

namespace {

bool folderIsWritable(const QString& folder) {
    // QFileInfo::isWritable misreads ACLs and read-only mounts; trying is the only sure test.
    QTemporaryFile probe(folder + QStringLiteral("/.corvane-write-test-XXXXXX"));
    return probe.open();
}

}  // namespace

AppPaths AppPaths::forRunningProgram() {
    AppPaths paths;
    paths.programFolder = QDir::cleanPath(QCoreApplication::applicationDirPath());
    if (folderIsWritable(paths.programFolder)) {
        paths.dataFolder = paths.programFolder;
    } else {
        paths.dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QDir().mkpath(paths.dataFolder);
    }
    return paths;
}

AppPaths AppPaths::inFolder(const QString& folder) {
    AppPaths paths;
    paths.programFolder = QDir::cleanPath(folder);
    paths.dataFolder = paths.programFolder;
    return paths;
}

QString AppPaths::settingsFile() const { return inData(QStringLiteral("editor.ini")); }

QString AppPaths::inData(const QString& fileName) const { return dataFolder + QLatin1Char('/') + fileName; }

std::string toEnginePath(const QString& path) { return path.toStdString(); }

QString fromEnginePath(const std::string& path) { return QString::fromStdString(path); }

}  // namespace corvane

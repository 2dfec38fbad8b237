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

bool IsSystemProgramFolder(const QString& folder) {
#ifdef Q_OS_WIN
    // The setup program leaves its uninstaller beside the programs (also in a per-user install);
    // a copy unpacked by hand into Program Files belongs to the administrator all the same.
    if (QFileInfo::exists(folder + QStringLiteral("/uninstall.exe"))) return true;
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(folder)) + QLatin1Char('/');
    for (const char* variable : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"}) {
        const QString shared = QDir::fromNativeSeparators(qEnvironmentVariable(variable));
        if (!shared.isEmpty() && clean.startsWith(QDir::cleanPath(shared) + QLatin1Char('/'), Qt::CaseInsensitive))
            return true;
    }
    return false;
#else
    const QString clean = QDir::cleanPath(folder) + QLatin1Char('/');
    for (const char* shared : {"/usr/", "/bin/", "/opt/", "/snap/"}) {
        if (clean.startsWith(QLatin1String(shared))) return true;
    }
    return false;
#endif
}

AppPaths AppPaths::forRunningProgram() {
    AppPaths paths;
    paths.programFolder = QDir::cleanPath(QCoreApplication::applicationDirPath());
    // An installed program's folder belongs to the system (and is writable to root alone): the
    // settings of whoever runs it go to their own configuration folder.
    if (!IsSystemProgramFolder(paths.programFolder) && folderIsWritable(paths.programFolder)) {
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

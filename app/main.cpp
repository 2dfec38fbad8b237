// The editor: the main window runs the start-up sequence; closing it ends the program.
#include <QApplication>

#include "app/side_tools.h"
#include "support/registry.h"
#include "ui/common/app_paths.h"
#include "ui/common/program_icon.h"
#include "ui/common/qt_prompter.h"
#include "ui/main_window.h"
#include "ui/update/version_check.h"
#include "update/update_site.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane Scripter Tools"));
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    corvane::installProgramIcon();
    const corvane::AppPaths paths = corvane::AppPaths::forRunningProgram();
    corvane::QtPrompter prompter(nullptr);
    corvane::MainWindow window(paths, &prompter);
    prompter.setParent(&window);
    const std::string updateSite = corvane::UpdateSiteAddress(
        corvane::toEnginePath(paths.settingsFile()), corvane::VersionCheck::defaultBaseUrl().toString().toStdString());
    corvane::SideTools tools(window, prompter, paths, corvane::SystemRegistry(),
                             QUrl(QString::fromStdString(updateSite)));
    QObject::connect(&window, &corvane::MainWindow::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    window.start();
    return QApplication::exec();
}

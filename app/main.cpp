// The editor: the main window runs the start-up sequence; closing it ends the program.
#include <QApplication>

#include "support/registry.h"
#include "ui/common/app_paths.h"
#include "ui/common/qt_prompter.h"
#include "ui/main_window.h"
#include "ui/side_tools.h"
#include "update/version_check.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane Scripter Tools"));
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    const corvane::AppPaths paths = corvane::AppPaths::forRunningProgram();
    corvane::QtPrompter prompter(nullptr);
    corvane::MainWindow window(paths, &prompter);
    prompter.setParent(&window);
    corvane::SideTools tools(window, prompter, paths, corvane::SystemRegistry(),
                             corvane::VersionCheck::defaultBaseUrl());
    QObject::connect(&window, &corvane::MainWindow::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    window.start();
    return QApplication::exec();
}

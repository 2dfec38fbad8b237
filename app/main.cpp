// The editor: the main window runs the start-up sequence; closing it ends the program.
#include <QApplication>

#include "ui/common/app_paths.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane Scripter Tools"));
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    corvane::MainWindow window(corvane::AppPaths::forRunningProgram());
    QObject::connect(&window, &corvane::MainWindow::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    window.start();
    return QApplication::exec();
}

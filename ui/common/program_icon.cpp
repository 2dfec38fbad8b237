#include "ui/common/program_icon.h"

#include <QApplication>

namespace corvane {

QIcon programIcon() { return QIcon(QStringLiteral(":/corvane/program-icon.png")); }

void installProgramIcon() { QApplication::setWindowIcon(programIcon()); }

}  // namespace corvane

#include "ui/Resources.h"

#include <QtGlobal>

// Outside any namespace, as the resource's initialiser is declared there.
static void InitProgramResources() {
    Q_INIT_RESOURCE(quorvane);
}

namespace qv {

void UseProgramResources() {
    InitProgramResources();
}

QIcon ProgramIcon() {
    UseProgramResources();
    return QIcon(QStringLiteral(":/quorvane/icon.png"));
}

}  // namespace qv

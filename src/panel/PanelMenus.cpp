#include "panel/PanelMenus.h"

#include "panel/TrayMenuState.h"

namespace qv {

PanelMenus BuildPanelMenus(QMenuBar* bar, QWidget* owner) {
    PanelMenus m;
    QMenu* file = bar->addMenu(QStringLiteral("File"));
    m.menLoad = file->addAction(QStringLiteral("Load Profile"));
    m.menSave = file->addAction(QStringLiteral("Save Profile"));
    file->addSeparator();
    m.menExit = file->addAction(QStringLiteral("Exit"));

    QMenu* tools = bar->addMenu(QStringLiteral("Tools"));
    m.Calibrate = tools->addAction(QStringLiteral("Calibrate"));
    m.mnuUpdate = tools->addAction(QStringLiteral("Check For Updates"));

    QMenu* misc = bar->addMenu(QStringLiteral("Miscellaneous"));
    m.mnuDonate = misc->addAction(QStringLiteral("Make A Donation"));
    misc->addSeparator();
    m.mnuAbout = misc->addAction(QStringLiteral("About"));

    m.TrayOptions = new QMenu(QStringLiteral("Quorvane Menu"), owner);
    m.TrayPause = m.TrayOptions->addAction(QString::fromUtf8(kPauseEngine));
    m.TrayRestore = m.TrayOptions->addAction(QStringLiteral("Restore Control Panel"));
    m.TrayOptions->setDefaultAction(m.TrayRestore);
    m.TrayExit = m.TrayOptions->addAction(QStringLiteral("Exit"));
    m.TrayOptions->addSeparator();
    m.TrayCC = m.TrayOptions->addAction(QStringLiteral("HP Timer"));
    m.TrayCC->setCheckable(true);
    m.TraySS = m.TrayOptions->addAction(QStringLiteral("Standard Timer"));
    m.TraySS->setCheckable(true);
    m.TraySS->setChecked(true);
    return m;
}

}  // namespace qv

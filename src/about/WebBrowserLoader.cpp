#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <iostream>

#include "about/BrowserSandbox.h"
#include "about/WebBrowser.h"

// Qt declares these for its own modules only. The web engine needs the context shared by every
// OpenGL user of the process, and Qt makes that one at start-up when asked beforehand; that
// would load the OpenGL driver into every run of the program, page or no page, so the program
// makes it here, just before the engine loads.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();

namespace qv {

namespace {

// Safe to run again: a second run finds the sandbox settled and the context made.
void PrepareForTheEngine() {
    SettleBrowserSandbox();
    // The engine reports its whole set-up on every start: noise to the user.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    if (qt_gl_global_share_context() == nullptr) {
        // Even a context that cannot be made is set: the engine then draws without OpenGL.
        auto* shared = new QOpenGLContext(QCoreApplication::instance());
        shared->create();
        qt_gl_set_global_share_context(shared);
    }
}

// Next to the program and in Qt's library paths, then where the installation puts it.
QStringList PluginFolders() {
    QStringList folders = QCoreApplication::libraryPaths();
    folders.append(QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                       .filePath(QStringLiteral(QV_WEB_PLUGIN_FROM_PROGRAM))));
    return folders;
}

// Only a plugin file that is there is worth the engine's set-up, which loads the OpenGL driver
// and may switch the sandbox off. When none loads, `whyNot` says which file was looked for
// where, or what each copy of it answered.
WebBrowserPlugin* LoadPlugin(QString& whyNot) {
    const QString file = QStringLiteral(QV_WEB_PLUGIN_FILE);
    const QStringList folders = PluginFolders();
    QStringList answers;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(file);
        if (!QFileInfo(path).isFile()) {
            continue;
        }
        PrepareForTheEngine();
        // Never unloaded: the web engine cannot be started twice in one process.
        auto* loader = new QPluginLoader(path, QCoreApplication::instance());
        if (auto* plugin = qobject_cast<WebBrowserPlugin*>(loader->instance())) {
            return plugin;
        }
        answers.append(QStringLiteral("%1: %2").arg(path, loader->errorString()));
        delete loader;
    }
    whyNot = answers.isEmpty()
                 ? QStringLiteral("The web plugin %1 is in none of these folders: %2.")
                       .arg(file, folders.join(QStringLiteral(", ")))
                 : answers.join(QStringLiteral("; "));
    std::cerr << "Quorvane: web pages cannot open. " << whyNot.toStdString() << std::endl;
    return nullptr;
}

}  // namespace

std::unique_ptr<WebBrowser> LoadWebBrowser(QWidget* parent, QString& whyNot) {
    static QString failure;
    static WebBrowserPlugin* const plugin = LoadPlugin(failure);
    if (plugin == nullptr) {
        whyNot = failure;
        return nullptr;
    }
    return plugin->Create(parent);
}

}  // namespace qv

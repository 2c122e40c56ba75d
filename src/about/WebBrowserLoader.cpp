#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QPluginLoader>

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

constexpr char kPluginName[] = "quorvane-web";

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

// Next to the program (and in Qt's library paths), then where the installation puts it. When
// neither loads, `whyNot` holds what each place answered.
WebBrowserPlugin* FindPlugin(QString& whyNot) {
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral(QV_WEB_PLUGIN_FROM_PROGRAM));
    QStringList answers;
    for (const QString& name : {QString::fromUtf8(kPluginName),
                                QDir(installed).filePath(QString::fromUtf8(kPluginName))}) {
        // Never unloaded: the web engine cannot be started twice in one process.
        auto* loader = new QPluginLoader(name, QCoreApplication::instance());
        if (auto* plugin = qobject_cast<WebBrowserPlugin*>(loader->instance())) {
            return plugin;
        }
        answers.append(QStringLiteral("%1: %2").arg(name, loader->errorString()));
        delete loader;
    }
    whyNot = answers.join(QLatin1Char('\n'));
    return nullptr;
}

}  // namespace

std::unique_ptr<WebBrowser> LoadWebBrowser(QWidget* parent, QString& whyNot) {
    static QString failure;
    static WebBrowserPlugin* const plugin = [] {
        PrepareForTheEngine();
        return FindPlugin(failure);
    }();
    if (plugin == nullptr) {
        whyNot = failure;
        return nullptr;
    }
    return plugin->Create(parent);
}

}  // namespace qv

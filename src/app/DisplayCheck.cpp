#include "app/DisplayCheck.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <algorithm>
#include <cstdlib>

// Last: Xlib's macros would clash with Qt's names.
#include <X11/Xlib.h>

namespace qv {

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Whether a platform plugin for `key` lies where Qt looks for one. The plugins' metadata is
// read without loading them.
bool HasPlatformPlugin(const QString& key) {
    QStringList folders;
    for (const QString& path : QCoreApplication::libraryPaths()) {
        folders << path + QStringLiteral("/platforms");
    }
    folders << qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    for (const QString& folder : folders) {
        if (folder.isEmpty()) {
            continue;
        }
        for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
            const QJsonObject metaData = QPluginLoader(file.absoluteFilePath())
                                             .metaData()
                                             .value(QStringLiteral("MetaData"))
                                             .toObject();
            const QJsonArray keys = metaData.value(QStringLiteral("Keys")).toArray();
            if (std::any_of(keys.begin(), keys.end(), [&key](const QJsonValue& k) {
                    return k.toString().compare(key, Qt::CaseInsensitive) == 0;
                })) {
                return true;
            }
        }
    }
    return false;
}

// A Wayland compositor listens on a socket named by the display, in the runtime folder unless
// the name is a path.
bool WaylandAnswers(const std::string& name) {
    std::string path = name;
    if (path.front() != '/') {
        const std::string runtime = Variable("XDG_RUNTIME_DIR");
        if (runtime.empty()) {
            return false;
        }
        path = runtime + "/" + name;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::copy(path.begin(), path.end(), address.sun_path);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const bool connected =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

bool XAnswers(const std::string& name) {
    ::Display* display = XOpenDisplay(name.c_str());
    if (display == nullptr) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

}  // namespace

// Qt tries Wayland first when WAYLAND_DISPLAY is set, then X; either one that opens will do.
std::string WhyNoDisplay() {
    if (!Variable("QT_QPA_PLATFORM").empty()) {
        return {};
    }
    std::string why;
    const std::string wayland = Variable("WAYLAND_DISPLAY");
    if (!wayland.empty()) {
        if (!HasPlatformPlugin(QStringLiteral("wayland"))) {
            why = "the Wayland display " + wayland +
                  " needs Qt's Wayland platform plugin, which is not installed; ";
        } else if (!WaylandAnswers(wayland)) {
            why = "the Wayland display " + wayland + " can't be reached; ";
        } else {
            return {};
        }
    }
    const std::string x = Variable("DISPLAY");
    if (x.empty()) {
        why += "DISPLAY is not set";
    } else if (!XAnswers(x)) {
        why += "the X display " + x + " can't be opened";
    } else {
        return {};
    }
    return "Quorvane needs a graphical desktop session (X11, or Wayland with XWayland), and none "
           "was found: " +
           why + ".";
}

}  // namespace qv

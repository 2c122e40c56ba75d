#include "about/ProductInfo.h"

#include <QCoreApplication>
#include <QVersionNumber>

namespace qv {

void IdentifyApplication() {
    QCoreApplication::setApplicationName(QString::fromUtf8(kProductName));
    // The build's project version: the one place where the version number is written.
    QCoreApplication::setApplicationVersion(QStringLiteral(QV_VERSION));
}

QString VersionLine() {
    const QVersionNumber version =
        QVersionNumber::fromString(QCoreApplication::applicationVersion());
    return QStringLiteral("Version %1.%2.%3")
        .arg(version.majorVersion())
        .arg(version.minorVersion())
        .arg(version.microVersion());
}

}  // namespace qv

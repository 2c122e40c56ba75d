#pragma once

#include <QString>

namespace qv {

// The product name, which captions and page addresses are built from.
inline constexpr char kProductName[] = "Quorvane";

// Gives the application its name and the build's version, which the About box shows.
void IdentifyApplication();

// "Version " and the major, minor and revision numbers of the application's version.
QString VersionLine();

}  // namespace qv

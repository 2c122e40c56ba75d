#pragma once

#include <QIcon>

namespace qv {

// Makes the program's pictures (":/quorvane/...") reachable; any window may call it first.
void UseProgramResources();

// The program's icon, for every window's title bar: a window without an owner would otherwise
// show the desktop's generic one.
QIcon ProgramIcon();

}  // namespace qv

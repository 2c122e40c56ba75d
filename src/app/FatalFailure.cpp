#include "app/FatalFailure.h"

#include <QString>
#include <iostream>

#include "ui/MessageBox.h"

namespace qv {

int TellFatalFailure(const std::string& why) {
    const std::string text = "Quorvane can't go on: " + why + ".";
    std::cerr << "quorvane: " << text << std::endl;
    MessageBox::Show(nullptr, QStringLiteral("Quorvane"), QString::fromStdString(text));
    return 1;
}

}  // namespace qv

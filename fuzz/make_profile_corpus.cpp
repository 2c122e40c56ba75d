#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "profiles/ProfileWriter.h"

// Writes a few valid profiles into the folder given as the argument: the seeds of the fuzzer.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_profile_corpus FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const auto save = [&folder](const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    };

    auto model = std::make_unique<qv::Model>();
    qv::FillDefaults(*model);
    model->axes.Limits = {512, -512, 512, -512, 512, -512};
    const qv::PanelSettings settings;
    const std::string defaults = qv::WriteProfile(*model, settings).bytes;
    save("defaults.qv1", defaults);

    auto& combination = model->KeyMap[1][9];
    combination = {0, 162, 65, 0};
    model->KeyMapCombo[1][9][1] = true;
    model->KeyMap[2][20] = {3, 65, 136, 66, 0};
    model->KeyMap[0][3] = {2, 1, 5, 0};
    model->KeyLabel[0][5] = "Caf\u00E9 \u20AC\u2122";
    model->KeyLabel[2][33] = "";
    model->axes.Limits = {500, -498, 32767, -32768, 30, -30};
    qv::PanelSettings changed;
    changed.chkWalk = 2;
    changed.MidDeadZone = 500;
    const std::string mixed = qv::WriteProfile(*model, changed).bytes;
    save("mixed.qv1", mixed);

    // Without items 14 and 15, and with LF-only line ends.
    save("short.qv1", defaults.substr(0, defaults.size() - 6));
    std::string lfOnly = mixed;
    std::erase(lfOnly, '\r');
    save("lf-only.qv1", lfOnly);
    return 0;
}

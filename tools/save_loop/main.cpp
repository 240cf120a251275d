// liorna-save-loop FOLDER [SAVES]: rewrites the folder's settings file again and again, each version
// with every statistics line set to the same count, until it is killed or has saved SAVES times. The
// kill test uses it to show that a save interrupted at any moment leaves one complete version; with
// SAVES 0 it only loads the file, which times loading.

#include <cstdlib>
#include <iostream>

#include "persist/settings_file.h"
#include "platform/ports.h"

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: liorna-save-loop FOLDER [SAVES]\n";
        return 2;
    }
    const long saves = argc == 3 ? std::atol(argv[2]) : -1;
    liorna::SettingsFile file(argv[1]);
    try {
        file.load();
        // As the program does at start-up: what earlier killed saves left behind goes.
        file.removeStaleTemporaries();
        for (long version = 1; saves < 0 || version <= saves; ++version) {
            for (std::size_t line = 5; line <= 16; ++line)
                file.setLine(line, std::to_string(version));
            file.save();
        }
    } catch (const liorna::UserError& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
}

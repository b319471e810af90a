#include "app/options.h"

#include <cstdio>

namespace {

const char* const kUsage =
    "usage: velmo [--data DIR] [--scale K]\n"
    "       velmo --help | --version\n";

const char* const kHelp =
    "Velmo, a football manager: lead the club through a 38-matchday league.\n"
    "\n"
    "  --data DIR   read the data files and media/ from DIR and keep the saved\n"
    "               game in DIR/saved.dat\n"
    "  --scale K    show the 800x600 game K times as large, K from 1 to 4\n"
    "               (without it: the largest that fits the desktop)\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "Keys: m switches all sound off and on, on every screen after the intro;\n"
    "the choice is kept in $XDG_CONFIG_HOME/velmo/velmo.cfg, by default\n"
    "~/.config/velmo/velmo.cfg.\n"
    "\n"
    "Without --data the game reads its files from the working folder when it\n"
    "holds velmo.dat (and saves there), else from its installed folder; an\n"
    "installed game saves in $XDG_DATA_HOME/velmo/saved.dat, by default\n"
    "~/.local/share/velmo/saved.dat.\n";

GameOptions Refused(const std::string& error) {
    GameOptions refused;
    refused.action = GameAction::Refuse;
    refused.error = error;
    return refused;
}

}  // namespace

GameOptions ParseGameOptions(int argc, char** argv) {
    GameOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help") {
            options.action = GameAction::ShowHelp;
            return options;
        }
        if (option == "--version") {
            options.action = GameAction::ShowVersion;
            return options;
        }
        if (option != "--data" && option != "--scale") {
            return Refused(option.rfind("-", 0) == 0 ? "unknown option '" + option + "'"
                                                     : "unexpected argument '" + option + "'");
        }
        const bool scale = option == "--scale";
        if (i + 1 >= argc || argv[i + 1][0] == '\0') {
            return Refused("option '" + option + "' needs " + (scale ? "a factor" : "a folder"));
        }
        const std::string value = argv[++i];
        if (!scale) {
            options.data = value;
        } else if (value.size() == 1 && value[0] >= '1' && value[0] <= '4') {
            options.scale = value[0] - '0';
        } else {
            return Refused("the scale must be 1, 2, 3 or 4, not '" + value + "'");
        }
    }
    return options;
}

int AnswerCommandLine(const GameOptions& options) {
    switch (options.action) {
    case GameAction::ShowHelp:
        std::printf("%s\n%s", kUsage, kHelp);
        return 0;
    case GameAction::ShowVersion:
        std::printf("velmo %s\n", VELMO_VERSION);
        return 0;
    case GameAction::Refuse:
        std::fprintf(stderr, "velmo: %s\n%s", options.error.c_str(), kUsage);
        return 2;
    case GameAction::Play:
        break;
    }
    return 0;
}

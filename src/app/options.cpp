#include "app/options.h"

#include <cstdio>

namespace {

const char* const kUsage =
    "usage: velmo [--data DIR]\n"
    "       velmo --help | --version\n";

const char* const kHelp =
    "Velmo, a football manager: lead the club through a 38-matchday league.\n"
    "\n"
    "  --data DIR   read the data files and media/ from DIR and keep the saved\n"
    "               game in DIR/saved.dat\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
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
        if (option != "--data") {
            return Refused(option.rfind("-", 0) == 0 ? "unknown option '" + option + "'"
                                                     : "unexpected argument '" + option + "'");
        }
        if (i + 1 >= argc || argv[i + 1][0] == '\0') {
            return Refused("option '" + option + "' needs a folder");
        }
        options.data = argv[++i];
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

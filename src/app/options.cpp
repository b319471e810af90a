#include "app/options.h"

#include <getopt.h>

#include <cstdio>
#include <vector>

#include "data/loaders.h"

namespace {

const char* const kUsage =
    "usage: velmo [-d DIR] [-s K]\n"
    "       velmo -h | -V\n";

const char* const kHelp =
    "Velmo, a football manager: lead the club through a 38-matchday league.\n"
    "\n"
    "  -d, --data=DIR   read the data files and media/ from DIR and keep the\n"
    "                   saved game in DIR/saved.dat\n"
    "  -s, --scale=K    show the 800x600 game K times as large, K from 1 to 4\n"
    "                   (without it: the largest that fits the desktop)\n"
    "  -h, --help       show this help and exit\n"
    "  -V, --version    show the version and exit\n"
    "\n"
    "Keys: m switches all sound off and on, on every screen after the intro;\n"
    "the choice is kept in $XDG_CONFIG_HOME/velmo/velmo.cfg, by default\n"
    "~/.config/velmo/velmo.cfg.\n"
    "\n"
    "Without --data the game reads its files from the working folder when it\n"
    "holds velmo.dat (and saves there), else from its installed folder; an\n"
    "installed game saves in $XDG_DATA_HOME/velmo/saved.dat, by default\n"
    "~/.local/share/velmo/saved.dat.\n";

const option kOptions[] = {
    {"data", required_argument, nullptr, 'd'},
    {"scale", required_argument, nullptr, 's'},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

GameOptions Refused(const std::string& error) {
    GameOptions refused;
    refused.action = GameAction::Refuse;
    refused.error = error;
    return refused;
}

}  // namespace

GameOptions ParseGameOptions(int argc, char** argv) {
    // getopt names the program by argv[0]: the game's name, wherever it lies.
    std::vector<char*> args(argv, argv + argc);
    char name[] = "velmo";
    args[0] = name;
    optind = 0;  // a fresh scan, whatever an earlier one left
    GameOptions options;
    int option = 0;
    while ((option = getopt_long(argc, args.data(), "d:s:hV", kOptions, nullptr)) != -1) {
        const std::string value = optarg ? optarg : "";
        switch (option) {
        case 'h':
            options.action = GameAction::ShowHelp;
            return options;
        case 'V':
            options.action = GameAction::ShowVersion;
            return options;
        case 'd':
            if (value.empty()) return Refused("option '--data' needs a folder");
            options.data = value;
            break;
        case 's':
            if (value.size() != 1 || value[0] < '1' || value[0] > '4') {
                return Refused("the scale must be 1, 2, 3 or 4, not '" + value + "'");
            }
            options.scale = value[0] - '0';
            break;
        default:  // getopt has said what is wrong
            return Refused("");
        }
    }
    if (optind < argc) return Refused("unexpected argument '" + std::string(args[optind]) + "'");
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
        if (!options.error.empty()) std::fprintf(stderr, "velmo: %s\n", options.error.c_str());
        std::fputs(kUsage, stderr);
        return 2;
    case GameAction::Play:
        break;
    }
    return 0;
}

bool DataFolderFound(const GameOptions& options) {
    if (options.data.empty()) return true;
    const LoadStatus found = FindDataFiles(options.data);
    if (!found.ok) {
        std::fprintf(stderr, "velmo: %s: %s\n", options.data.c_str(), found.message.c_str());
    }
    return found.ok;
}

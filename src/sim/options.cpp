#include "sim/options.h"

#include <getopt.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "match/match.h"

namespace {

const char* const kUsage =
    "usage: velmo-sim [-d DIR] [--seed N] [-m K | --seasons N] [--starters ROWS]\n"
    "                 [--subs ROWS] [--tactic T] [--recheck] [--save FILE]\n"
    "                 [--load FILE] [--history FILE] [--story]\n"
    "                 [-e MATCH:CLOCK:KIND:ARG]...\n"
    "       velmo-sim -h | -V\n";

const char* const kHelp =
    "Plays Velmo's league without a window, through the game's own rules: each\n"
    "matchday's results, then the table, on standard output (with --seasons,\n"
    "each season's); the game's messages on standard error.\n"
    "\n"
    "  -d, --data=DIR       read the three data files from DIR (default: the\n"
    "                       working folder)\n"
    "      --seed=N         seed the draws, N from 0 to 4294967295 (default: the\n"
    "                       time)\n"
    "  -m, --matchdays=K    play at most K matchdays (default: the whole season)\n"
    "      --seasons=N      play N whole seasons, N from 1, each season end\n"
    "                       followed by a new league as in the window; the run\n"
    "                       ends after season N's last matchday. A finished\n"
    "                       season restored by --load is a season end of its\n"
    "                       own, not one of the N; an unfinished one is played\n"
    "                       out as the first\n"
    "      --starters=ROWS  the starters' squad rows (default 0..10)\n"
    "      --subs=ROWS      the substitutes' squad rows (default 11..16)\n"
    "      --tactic=T       the tactics slider, -5 (Defence Wall) to 5 (Crazy\n"
    "                       Attack), default 0\n"
    "      --recheck        check the line-up again before each match\n"
    "      --save=FILE      save the game in FILE at the end\n"
    "      --load=FILE      restore the saved game in FILE before the line-up\n"
    "                       check\n"
    "      --history=FILE   record every season end of the run in FILE, as the\n"
    "                       game records its history.dat\n"
    "      --story          after the run, print the human club's position after\n"
    "                       each matchday played (Positions:) and its results,\n"
    "                       W, D or L (Form:)\n"
    "  -e, --event=MATCH:CLOCK:KIND:ARG\n"
    "                       what the player does during a match, repeatable:\n"
    "                       MATCH counts this run's matches from 1; CLOCK 0 is\n"
    "                       before the first play, 1..44 after the play at that\n"
    "                       clock, 45 or more after the last (one moment: events\n"
    "                       there keep their order); KIND is out (starter slot\n"
    "                       0..10), in (bench slot 0..5) or tactic (-5..5, kept\n"
    "                       for later matches)\n"
    "  -h, --help           show this help and exit\n"
    "  -V, --version        show the version and exit\n"
    "\n"
    "ROWS: comma-separated squad rows 0..21.\n"
    "Exit status: 0 done; 1 a missing or damaged data file, a refused load, an\n"
    "unplayable line-up, a season that cannot be recorded (the run ends there)\n"
    "or a save that cannot be written; 2 a bad command line.\n";

// What getopt returns for an option without a letter, made from its name so
// that the table and the switch both name it (two names that met would be
// duplicate cases, which the compiler refuses).
constexpr int LongOnly(const char* name) {
    unsigned hash = 2166136261u;
    for (; *name; ++name) hash = (hash ^ static_cast<unsigned char>(*name)) * 16777619u;
    return 0x100 + static_cast<int>(hash % 0x7fff0000u);
}

// Every option: a new one is an entry here and a case in ApplyOption.
const option kOptions[] = {
    {"data", required_argument, nullptr, 'd'},
    {"seed", required_argument, nullptr, LongOnly("seed")},
    {"matchdays", required_argument, nullptr, 'm'},
    {"seasons", required_argument, nullptr, LongOnly("seasons")},
    {"starters", required_argument, nullptr, LongOnly("starters")},
    {"subs", required_argument, nullptr, LongOnly("subs")},
    {"tactic", required_argument, nullptr, LongOnly("tactic")},
    {"recheck", no_argument, nullptr, LongOnly("recheck")},
    {"save", required_argument, nullptr, LongOnly("save")},
    {"load", required_argument, nullptr, LongOnly("load")},
    {"history", required_argument, nullptr, LongOnly("history")},
    {"story", no_argument, nullptr, LongOnly("story")},
    {"event", required_argument, nullptr, 'e'},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

// getopt's letters ("d:m:e:hV"), read from the table.
std::string ShortOptions() {
    std::string letters;
    for (const option* o = kOptions; o->name; ++o) {
        if (o->val >= 0x100) continue;
        letters += static_cast<char>(o->val);
        if (o->has_arg == required_argument) letters += ':';
    }
    return letters;
}

// A whole decimal number within [low, high].
bool ParseNumber(const std::string& text, long long low, long long high, long long& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value >= low && value <= high;
}

bool ParseRows(const std::string& text, bool (&rows)[kSquadSize]) {
    for (bool& row : rows) row = false;
    size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        long long row = 0;
        if (!ParseNumber(text.substr(start, comma - start), 0, kSquadSize - 1, row)) return false;
        rows[row] = true;
        start = comma + 1;
    }
    return true;
}

// A whole number 0 or more, digits only; a huge one stands at INT_MAX.
bool ParseCount(const std::string& text, int& value) {
    if (text.empty()) return false;
    long long v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = std::min<long long>(v * 10 + (c - '0'), INT_MAX);
    }
    value = static_cast<int>(v);
    return true;
}

// MATCH:CLOCK:KIND:ARG
bool ParseEvent(const std::string& text, SimEvent& event) {
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ':') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    if (fields.size() != 4) return false;
    int clock = 0;
    if (!ParseCount(fields[0], event.match) || event.match < 1) return false;
    if (!ParseCount(fields[1], clock)) return false;
    event.moment = std::min(clock, kMatchLength);
    long long arg = 0;
    if (fields[2] == "out") {
        event.kind = EventKind::Out;
        if (!ParseNumber(fields[3], 0, kStarters - 1, arg)) return false;
    } else if (fields[2] == "in") {
        event.kind = EventKind::In;
        if (!ParseNumber(fields[3], 0, kSubstitutes - 1, arg)) return false;
    } else if (fields[2] == "tactic") {
        event.kind = EventKind::Tactic;
        if (!ParseNumber(fields[3], -5, 5, arg)) return false;
    } else {
        return false;
    }
    event.arg = static_cast<int>(arg);
    return true;
}

void DefaultMarks(LineupMarks& marks) {
    for (int r = 0; r < kSquadSize; ++r) {
        marks.starter[r] = r <= 10;
        marks.substitute[r] = r >= 11 && r <= 16;
    }
}

void Refuse(SimOptions& options, const std::string& error) {
    options.action = SimAction::Refuse;
    options.error = error;
}

// One option and its value into `options`, or the refusal.
void ApplyOption(int id, const std::string& value, SimOptions& options) {
    long long number = 0;
    switch (id) {
    case 'h':
        options.action = SimAction::ShowHelp;
        break;
    case 'V':
        options.action = SimAction::ShowVersion;
        break;
    case 'd':
        options.data = value;
        break;
    case LongOnly("seed"):
        if (!ParseNumber(value, 0, 4294967295LL, number)) {
            return Refuse(options, "the seed must be a whole number from 0 to 4294967295");
        }
        options.has_seed = true;
        options.seed = static_cast<unsigned>(number);
        break;
    case 'm':
        if (!ParseNumber(value, 0, INT_MAX, number)) {
            return Refuse(options, "the matchdays must be a whole number, 0 or more");
        }
        options.matchdays = static_cast<int>(number);
        options.has_matchdays = true;
        break;
    case LongOnly("seasons"):
        if (!ParseNumber(value, 1, INT_MAX, number)) {
            return Refuse(options, "the seasons must be a whole number, 1 or more");
        }
        options.seasons = static_cast<int>(number);
        break;
    case LongOnly("starters"):
    case LongOnly("subs"): {
        bool (&rows)[kSquadSize] =
            id == LongOnly("starters") ? options.marks.starter : options.marks.substitute;
        if (!ParseRows(value, rows)) {
            return Refuse(options, "'" + value + "' is not a list of squad rows 0..21");
        }
        break;
    }
    case LongOnly("tactic"):
        if (!ParseNumber(value, -5, 5, number)) {
            return Refuse(options, "the tactic must be a whole number from -5 to 5");
        }
        options.tactic = static_cast<int>(number);
        break;
    case LongOnly("recheck"):
        options.recheck = true;
        break;
    case LongOnly("save"):
        options.save = value;
        break;
    case LongOnly("load"):
        options.load = value;
        break;
    case LongOnly("history"):
        options.history = value;
        break;
    case LongOnly("story"):
        options.story = true;
        break;
    case 'e': {
        SimEvent event;
        if (!ParseEvent(value, event)) {
            return Refuse(options, "'" + value + "' is not an event MATCH:CLOCK:KIND:ARG");
        }
        options.events.push_back(event);
        break;
    }
    default:  // getopt has said what is wrong
        Refuse(options, "");
    }
}

}  // namespace

SimOptions ParseSimOptions(int argc, char** argv) {
    // getopt names the program by argv[0]: the driver's name, wherever it lies.
    std::vector<char*> args(argv, argv + argc);
    char name[] = "velmo-sim";
    args[0] = name;
    const std::string letters = ShortOptions();
    optind = 0;  // a fresh scan, whatever an earlier one left
    SimOptions options;
    DefaultMarks(options.marks);
    int id = 0;
    while (options.action == SimAction::Run &&
           (id = getopt_long(argc, args.data(), letters.c_str(), kOptions, nullptr)) != -1) {
        ApplyOption(id, optarg ? optarg : "", options);
    }
    if (options.action != SimAction::Run) return options;
    if (optind < argc) Refuse(options, "unexpected argument '" + std::string(args[optind]) + "'");
    if (options.action == SimAction::Run && options.seasons > 0 && options.has_matchdays) {
        Refuse(options, "--seasons and --matchdays exclude each other");
    }
    for (int r = 0; r < kSquadSize && options.action == SimAction::Run; ++r) {
        if (options.marks.starter[r] && options.marks.substitute[r]) {
            Refuse(options, "row " + std::to_string(r) + " is both a starter and a substitute");
        }
    }
    return options;
}

int AnswerSimCommandLine(const SimOptions& options) {
    switch (options.action) {
    case SimAction::ShowHelp:
        std::printf("%s\n%s", kUsage, kHelp);
        return 0;
    case SimAction::ShowVersion:
        std::printf("velmo-sim %s\n", VELMO_VERSION);
        return 0;
    case SimAction::Refuse:
        if (!options.error.empty()) std::fprintf(stderr, "velmo-sim: %s\n", options.error.c_str());
        std::fputs(kUsage, stderr);
        return 2;
    case SimAction::Run:
        break;
    }
    return 0;
}

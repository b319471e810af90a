#include "sim/options.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "match/match.h"

const char* const kSimUsage =
    "usage: velmo-sim [--data DIR] [--seed N] [--matchdays K] [--starters ROWS]\n"
    "                 [--subs ROWS] [--tactic T] [--recheck] [--save FILE]\n"
    "                 [--load FILE] [--event MATCH:CLOCK:KIND:ARG]...\n"
    "  ROWS: comma-separated squad rows 0..21 (defaults 0..10 and 11..16)\n"
    "  T: the tactics slider, -5 (Defence Wall) to 5 (Crazy Attack), default 0\n"
    "  --load FILE: restores a saved game before the line-up check\n"
    "  --event: MATCH counts this run's matches from 1; CLOCK 0 is before the\n"
    "    first play, 1..44 after the play at that clock, 45 or more after the\n"
    "    last; KIND is out (starter slot 0..10), in (bench slot 0..5) or\n"
    "    tactic (-5..5, kept for later matches)\n";

namespace {

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

}  // namespace

bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error) {
    DefaultMarks(options.marks);
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "--recheck") {
            options.recheck = true;
            continue;
        }
        if (option != "--data" && option != "--seed" && option != "--matchdays" &&
            option != "--starters" && option != "--subs" && option != "--tactic" &&
            option != "--save" && option != "--load" && option != "--event") {
            error = "unknown option '" + option + "'";
            return false;
        }
        if (i + 1 >= argc) {
            error = "option '" + option + "' needs a value";
            return false;
        }
        std::string value = argv[++i];
        long long number = 0;
        if (option == "--data") {
            options.data = value;
        } else if (option == "--save") {
            options.save = value;
        } else if (option == "--load") {
            options.load = value;
        } else if (option == "--event") {
            SimEvent event;
            if (!ParseEvent(value, event)) {
                error = "'" + value + "' is not an event MATCH:CLOCK:KIND:ARG";
                return false;
            }
            options.events.push_back(event);
        } else if (option == "--seed") {
            if (!ParseNumber(value, 0, 4294967295LL, number)) {
                error = "the seed must be a whole number from 0 to 4294967295";
                return false;
            }
            options.has_seed = true;
            options.seed = static_cast<unsigned>(number);
        } else if (option == "--matchdays") {
            if (!ParseNumber(value, 0, INT_MAX, number)) {
                error = "the matchdays must be a whole number, 0 or more";
                return false;
            }
            options.matchdays = static_cast<int>(number);
        } else if (option == "--tactic") {
            if (!ParseNumber(value, -5, 5, number)) {
                error = "the tactic must be a whole number from -5 to 5";
                return false;
            }
            options.tactic = static_cast<int>(number);
        } else if (!ParseRows(value, option == "--starters" ? options.marks.starter
                                                           : options.marks.substitute)) {
            error = "'" + value + "' is not a list of squad rows 0..21";
            return false;
        }
    }
    for (int r = 0; r < kSquadSize; ++r) {
        if (options.marks.starter[r] && options.marks.substitute[r]) {
            error = "row " + std::to_string(r) + " is both a starter and a substitute";
            return false;
        }
    }
    return true;
}

// Any three data files that load, a few seeded matchdays played, saved,
// loaded on a fresh copy of the same league, saved again: the same bytes.
//
// The input is the squad file, the league file and the fixture file
// separated by NUL bytes (which no data file may hold), then optionally a
// NUL and a tail: the number of matchdays to play (its first byte, modulo
// 8) and the seed (the next four bytes, little-endian).
#include <vector>

#include "data/savegame.h"
#include "fuzz_common.h"

namespace {

struct Input {
    std::string_view files[3];
    int matchdays = 3;
    unsigned seed = 1;
};

bool Split(std::string_view text, Input& input) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t nul = text.find('\0', start);
        parts.push_back(text.substr(start, nul == std::string_view::npos ? nul : nul - start));
        if (nul == std::string_view::npos || parts.size() == 4) break;
        start = nul + 1;
    }
    if (parts.size() < 3) return false;
    for (int f = 0; f < 3; ++f) input.files[f] = parts[f];
    if (parts.size() == 4 && !parts[3].empty()) {
        const std::string_view tail = parts[3];
        input.matchdays = static_cast<unsigned char>(tail[0]) % 8;
        if (tail.size() >= 5) {
            input.seed = 0;
            for (int b = 4; b >= 1; --b) input.seed = input.seed << 8 | static_cast<unsigned char>(tail[b]);
        }
    }
    return true;
}

// The five loading steps over the three texts; false when a file is refused.
bool Load(League& lg, const Input& input) {
    std::srand(input.seed);
    InitPlayers(lg);
    InitCalendario(lg);
    return ReadVelmoTeam(lg, input.files[0]).ok && ReadAllTeams(lg, input.files[1]).ok &&
           ReadCalendario(lg, input.files[2]).ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input input;
    if (!Split(AsText(data, size), input)) return 0;
    auto lg = std::make_unique<League>();
    if (!Load(*lg, input)) return 0;
    PlayMatchdays(*lg, input.matchdays);
    const std::string saved = SavedGameText(*lg);

    auto fresh = std::make_unique<League>();
    FUZZ_CHECK(Load(*fresh, input));
    const RestoreStatus restored = RestoreSavedGame(*fresh, saved);
    FUZZ_CHECK(restored.outcome == LoadOutcome::Restored);
    FUZZ_CHECK(SavedGameText(*fresh) == saved);
    return 0;
}

// Costs of the play rule, one simulated fixture and a whole season, beside
// the bare rand() calls that a season makes: the floor no season can beat.
//
//   make bench
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "data/loaders.h"
#include "lineup/lineup.h"
#include "match/match.h"
#include "match/play.h"
#include "season/fixtures.h"
#include "season/opponent.h"

namespace {

constexpr unsigned kSeed = 1;

// The shipped league, loaded once, with the default line-up checked.
const League& ShippedLeague() {
    static std::unique_ptr<League> league = [] {
        auto lg = std::make_unique<League>();
        srand(kSeed);
        if (!LoadLeague(*lg, VELMO_SOURCE_DIR "/game").ok) std::abort();
        LineupMarks marks;
        for (int r = 0; r < kSquadSize; ++r) {
            marks.starter[r] = r <= 10;
            marks.substitute[r] = r >= 11 && r <= 16;
        }
        SetUpTeam(*lg, marks);
        return lg;
    }();
    return *league;
}

// A season as velmo-sim plays it: opponent, match, other fixtures, 38 times.
void PlaySeason(League& lg) {
    PrepareOpponent(lg);
    while (!SeasonOver(lg)) {
        MatchRun run = KickOff(lg);
        for (int clock = 1; clock <= kMatchLength; ++clock) AdvanceClock(lg, run, clock, 0);
        FinishMatch(lg);
        PrepareOpponent(lg);
    }
}

// How many rand() calls a season makes: the position of the next draw in
// the reference sequence of the same seed.
long SeasonDraws() {
    auto lg = std::make_unique<League>(ShippedLeague());
    srand(kSeed);
    PlaySeason(*lg);
    int next[4] = {rand(), rand(), rand(), rand()};
    srand(kSeed);
    std::vector<int> reference(400000);
    for (int& r : reference) r = rand();
    for (size_t i = 0; i + 4 < reference.size(); ++i) {
        if (reference[i] == next[0] && reference[i + 1] == next[1] && reference[i + 2] == next[2] &&
            reference[i + 3] == next[3])
            return static_cast<long>(i);
    }
    std::abort();
}

void BM_PlayBall(benchmark::State& state) {
    auto lg = std::make_unique<League>(ShippedLeague());
    SetUpComputerTeams(*lg, 0, 1);
    int zone = 2;
    int minute = 0;
    for (auto _ : state) {
        zone = PlayBall(*lg, zone, minute, 1, -1);
        if (zone == 0 || zone == 4) zone = 2;
        minute = (minute + 1) % 90;
        benchmark::DoNotOptimize(zone);
    }
    state.counters["plays/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PlayBall);

void BM_SimulatedFixture(benchmark::State& state) {
    auto lg = std::make_unique<League>(ShippedLeague());
    for (auto _ : state) {
        PlayFixture(*lg, 0, 1);
        benchmark::DoNotOptimize(lg->partita.goals[0]);
    }
}
BENCHMARK(BM_SimulatedFixture);

void BM_Season(benchmark::State& state) {
    auto lg = std::make_unique<League>();
    for (auto _ : state) {
        state.PauseTiming();
        *lg = ShippedLeague();
        state.ResumeTiming();
        PlaySeason(*lg);
        benchmark::DoNotOptimize(lg->matchday);
    }
    state.SetLabel("one 38-matchday season");
}
BENCHMARK(BM_Season)->Unit(benchmark::kMillisecond);

void BM_SeasonRandFloor(benchmark::State& state) {
    static const long draws = SeasonDraws();
    for (auto _ : state) {
        int sum = 0;
        for (long i = 0; i < draws; ++i) sum += rand();
        benchmark::DoNotOptimize(sum);
    }
    state.counters["draws"] = static_cast<double>(draws);
    state.SetLabel("the bare rand() calls of one season");
}
BENCHMARK(BM_SeasonRandFloor)->Unit(benchmark::kMillisecond);

// Reports the season's cost over its rand() floor, both timed in this run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.benchmark_name() == "BM_Season") season_ = run.GetAdjustedRealTime();
            if (run.benchmark_name() == "BM_SeasonRandFloor") floor_ = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        if (season_ > 0 && floor_ > 0)
            std::printf("season / rand() floor = %.2f (goal: at most 1.5)\n", season_ / floor_);
    }

private:
    double season_ = 0;
    double floor_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

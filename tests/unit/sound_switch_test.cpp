// The sound switch over a stand-in for the sound driver: which samples it
// starts, at what volume, and which it reaches when switched.
#include "app/sound_switch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The library's samples are its own; in this program any object stands for one.
struct SAMPLE {
    const char* name;
};

namespace {

std::vector<std::string> driver_log;

void Log(const char* what, SAMPLE* sample, int volume = -1) {
    driver_log.push_back(std::string(what) + " " + sample->name +
                         (volume >= 0 ? " " + std::to_string(volume) : ""));
}

const SampleCalls kLoggingCalls = {
    [](SAMPLE* sample, int volume) { Log("play", sample, volume); },
    [](SAMPLE* sample, int volume) { Log("volume", sample, volume); },
    [](SAMPLE* sample) { Log("stop", sample); },
};

// What the driver was asked since the last look.
std::vector<std::string> Asked() {
    std::vector<std::string> asked;
    asked.swap(driver_log);
    return asked;
}

using Calls = std::vector<std::string>;

TEST(SoundSwitch, ReachesEverySamplePlayingAndNoStoppedOne) {
    SAMPLE song{"song"}, chant{"chant"};
    SoundSwitch sound(kLoggingCalls);
    sound.Set(false);  // the kept choice, read before anything plays
    sound.PlayLooping(&song);
    sound.Stop(&song);
    EXPECT_EQ(Asked(), (Calls{"play song 0", "stop song"}));

    // Started muted, the chant is played all the same, silently, and comes
    // back at full volume with the sound; the stopped song is not reached.
    sound.PlayLooping(&chant);
    sound.Set(true);
    sound.Set(false);
    EXPECT_EQ(Asked(), (Calls{"play chant 0", "volume chant 255", "volume chant 0"}));

    sound.Stop(&chant);
    sound.Set(true);
    sound.PlayLooping(&song);
    EXPECT_EQ(Asked(), (Calls{"stop chant", "play song 255"}));
}

}  // namespace

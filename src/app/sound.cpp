// The sound switch on the library's samples, and the settings file that keeps it.
//
// The file is read and written with Allegro's configuration functions
// between push_config_state and pop_config_state, so Allegro's own settings
// are neither read from it nor written into it.
#include "app/sound.h"

#include <allegro.h>

#include <cstdio>

#include "app/sound_switch.h"
#include "data/game_folders.h"

namespace {

const char* const kSection = "sound";
const char* const kKey = "on";

constexpr int kCentre = 128;    // pan
constexpr int kOwnPitch = 1000;  // frequency, relative to the sample's own

const SampleCalls kLibraryCalls = {
    [](SAMPLE* sample, int volume) { play_sample(sample, volume, kCentre, kOwnPitch, 1); },
    [](SAMPLE* sample, int volume) { adjust_sample(sample, volume, kCentre, kOwnPitch, 1); },
    [](SAMPLE* sample) { stop_sample(sample); },
};

SoundSwitch sound_switch(kLibraryCalls);
std::string settings_file;

// The kept choice, or `fallback` when the file holds none.
bool ReadSoundOn(bool fallback) {
    push_config_state();
    set_config_file(settings_file.c_str());
    const bool on = get_config_int(kSection, kKey, fallback ? 1 : 0) != 0;
    pop_config_state();
    return on;
}

// Writes the choice and reads it back: flush_config_file reports nothing.
bool WriteSoundOn() {
    if (!MakeFolderOf(settings_file).empty()) return false;
    push_config_state();
    set_config_file(settings_file.c_str());
    set_config_int(kSection, kKey, sound_switch.On() ? 1 : 0);
    flush_config_file();
    pop_config_state();
    return ReadSoundOn(!sound_switch.On()) == sound_switch.On();
}

}  // namespace

void StartSound(const std::string& settings_path) {
    settings_file = settings_path;
    if (!settings_file.empty()) sound_switch.Set(ReadSoundOn(true));
}

void ToggleSound() {
    sound_switch.Set(!sound_switch.On());
    if (settings_file.empty()) return;
    if (!WriteSoundOn()) {
        std::fprintf(stderr, "velmo: could not keep the sound setting in %s\n", settings_file.c_str());
    }
}

void PlayLooping(SAMPLE* sample) { sound_switch.PlayLooping(sample); }

void StopLooping(SAMPLE* sample) { sound_switch.Stop(sample); }

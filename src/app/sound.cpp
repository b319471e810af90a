// The sound switch and the settings file that keeps it.
//
// The file is read and written with Allegro's configuration functions
// between push_config_state and pop_config_state, so Allegro's own settings
// are neither read from it nor written into it.
#include "app/sound.h"

#include <allegro.h>

#include <cstdio>

#include "data/game_folders.h"

namespace {

const char* const kSection = "sound";
const char* const kKey = "on";

bool sound_on = true;
std::string settings_file;

void ApplyVolume() { set_volume(sound_on ? 255 : 0, -1); }

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
    set_config_int(kSection, kKey, sound_on ? 1 : 0);
    flush_config_file();
    pop_config_state();
    return ReadSoundOn(!sound_on) == sound_on;
}

}  // namespace

void StartSound(const std::string& settings_path) {
    settings_file = settings_path;
    if (!settings_file.empty()) sound_on = ReadSoundOn(true);
    ApplyVolume();
}

bool SoundOn() { return sound_on; }

void ToggleSound() {
    sound_on = !sound_on;
    ApplyVolume();
    if (settings_file.empty()) return;
    if (!WriteSoundOn()) {
        std::fprintf(stderr, "velmo: could not keep the sound setting in %s\n", settings_file.c_str());
    }
}

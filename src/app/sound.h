// All the game's sound at once, on or off: the key m switches it on every
// screen after the intro, and the choice is kept for the next start.
//
// Muting only turns the volume down: the chant is still drawn, loaded and
// started, so a muted game makes the very same draws as one with sound.
#pragma once

#include <string>

struct SAMPLE;

// Reads the kept choice from the settings file at `settings_path` ("" when
// the game has nowhere to keep it) and applies it. Needs the sound driver.
void StartSound(const std::string& settings_path);
// Switches the sound, the samples playing included, and keeps the choice; a
// settings file that cannot be written is reported on standard error and
// never stops the game.
void ToggleSound();

// Starts a sample looping, heard only while the sound is on.
void PlayLooping(SAMPLE* sample);
// Stops a sample that PlayLooping started; call it before destroy_sample.
void StopLooping(SAMPLE* sample);

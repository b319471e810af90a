#include "app/sound_switch.h"

#include <algorithm>

void SoundSwitch::Set(bool on) {
    on_ = on;
    for (SAMPLE* sample : playing_) calls_.set_volume(sample, Volume());
}

void SoundSwitch::PlayLooping(SAMPLE* sample) {
    calls_.play_looping(sample, Volume());
    playing_.push_back(sample);
}

void SoundSwitch::Stop(SAMPLE* sample) {
    calls_.stop(sample);
    playing_.erase(std::remove(playing_.begin(), playing_.end(), sample), playing_.end());
}

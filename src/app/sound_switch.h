// The sound switch and the looping samples it reaches (the intro song, the
// chant). Off, a sample still starts, at no volume, so a muted game loads
// and draws exactly what one with sound does; switched back on, every sample
// still playing is heard again at once.
//
// Turning down the library's master volume would not do: a sample playing
// while it is 0 stays silent when it comes back up. So the switch sets the
// volume of each sample it knows instead. It reaches the sound driver only
// through SampleCalls, so a test can stand in for the driver.
#pragma once

#include <vector>

struct SAMPLE;  // the library's sample; the switch only passes it on

// What the switch asks of the sound driver, in one place.
struct SampleCalls {
    // Starts the sample looping at `volume` (0 to 255), centred, at its own pitch.
    void (*play_looping)(SAMPLE* sample, int volume);
    // Changes the volume of the sample while it plays.
    void (*set_volume)(SAMPLE* sample, int volume);
    void (*stop)(SAMPLE* sample);
};

class SoundSwitch {
public:
    explicit SoundSwitch(const SampleCalls& calls) : calls_(calls) {}

    bool On() const { return on_; }
    // Every sample still playing follows at once.
    void Set(bool on);
    // Starts the sample looping, heard only while the switch is on.
    void PlayLooping(SAMPLE* sample);
    // Stops the sample and forgets it: the switch no longer reaches it, so
    // it may be destroyed.
    void Stop(SAMPLE* sample);

private:
    int Volume() const { return on_ ? kFullVolume : 0; }

    static constexpr int kFullVolume = 255;
    const SampleCalls& calls_;
    bool on_ = true;
    std::vector<SAMPLE*> playing_;
};

#!/usr/bin/env python3
"""The intro tune, game/media/quandosaremo.wav: eight bars of a cheerful
march in C major at 140 beats a minute (about 13.7 s), played by a plucked
melody over soft chords, a bass and a light drum kit, all sox synth notes.
It loops without a seam (see sound.py) and its last beat is a drum pickup
into the first.

Usage: make_tune.py [GAME_DIR]   (default: game)
"""
import os
import sys

import sound

BPM = 140
BEAT = 60.0 / BPM
BARS = 8

# (MIDI note or None for a rest, length in beats), bar by bar.
MELODY = [
    (64, 1), (67, 1), (72, 1.5), (71, 0.5),
    (69, 1), (72, 1), (67, 2),
    (65, 1), (69, 1), (74, 1.5), (72, 0.5),
    (71, 1), (74, 1), (67, 2),
    (64, 1), (67, 1), (72, 1.5), (74, 0.5),
    (76, 1), (74, 0.5), (72, 0.5), (69, 2),
    (65, 1), (69, 1), (67, 1), (71, 1),
    (72, 3), (None, 1),
]

TRIADS = {"C": (60, 64, 67), "F": (60, 65, 69), "G": (59, 62, 67), "Am": (60, 64, 69)}
ROOTS = {"C": 36, "F": 41, "G": 43, "Am": 45}
# (chord, length in beats) for the whole tune.
CHORDS = [("C", 4), ("F", 2), ("C", 2), ("F", 4), ("G", 4),
          ("C", 4), ("Am", 4), ("F", 2), ("G", 2), ("C", 4)]


def freq(note):
    return 440.0 * 2 ** ((note - 69) / 12)


class Band:
    """The instruments; each note or hit is rendered once and reused."""

    def __init__(self, studio):
        self.studio = studio
        self.cache = {}

    def _clip(self, key, make):
        if key not in self.cache:
            self.cache[key] = make()
        return self.cache[key]

    def lead(self, note, beats):
        seconds = beats * BEAT * 0.95 + 0.15
        f = freq(note)

        def make():
            pluck = self.studio.synth(seconds, "pluck", f"{f:.3f}",
                                      effects=["fade", "q", "0.003", seconds, "0.08"])
            body = self.studio.synth(seconds, "sine", f"{f:.3f}",
                                     effects=["fade", "h", "0.02", seconds, seconds * 0.7])
            return [p + 0.35 * b for p, b in zip(pluck, body)]
        return self._clip(("lead", note, beats), make)

    def pad(self, note, beats):
        seconds = beats * BEAT
        return self._clip(("pad", note, beats), lambda: self.studio.synth(
            seconds, "triangle", f"{freq(note):.3f}",
            effects=["lowpass", "1800", "fade", "h", "0.04", seconds, "0.12"]))

    def bass(self, note):
        seconds = BEAT * 0.9
        return self._clip(("bass", note), lambda: self.studio.synth(
            seconds, "square", f"{freq(note):.3f}",
            effects=["lowpass", "500", "fade", "q", "0.005", seconds, "0.25"]))

    def kick(self):
        return self._clip("kick", lambda: self.studio.synth(
            0.3, "sine", "120/45", effects=["fade", "q", "0.002", "0.3", "0.27"]))

    def snare(self):
        return self._clip("snare", lambda: self.studio.synth(
            0.18, "whitenoise", effects=["bandpass", "1800", "1.2q",
                                         "fade", "q", "0.001", "0.18", "0.17"]))

    def hat(self):
        return self._clip("hat", lambda: self.studio.synth(
            0.05, "whitenoise", effects=["highpass", "6000", "fade", "q", "0.001", "0.05", "0.045"]))


def arrange(band):
    """The tune laid out three times over (see sound.py)."""
    period = int(round(BARS * 4 * BEAT * sound.RATE))
    track = [0.0] * (3 * period)

    def at(beat):
        return int(round(beat * BEAT * sound.RATE))

    beat = 0.0
    for note, length in MELODY:
        if note is not None:
            sound.place_looped(track, band.lead(note, length), at(beat), period, 0.55)
        beat += length
    beat = 0.0
    for name, length in CHORDS:
        last_bar = beat >= (BARS - 1) * 4
        held = length - 1 if last_bar else length  # the last beat is the pickup
        for note in TRIADS[name]:
            sound.place_looped(track, band.pad(note, held), at(beat), period, 0.09)
        for b in range(int(held)):
            if b % 2 == 0:
                sound.place_looped(track, band.bass(ROOTS[name]), at(beat + b), period, 0.22)
        beat += length
    for b in range(BARS * 4):
        if b == BARS * 4 - 1:  # pickup: four snare hits into the first bar
            for k in range(4):
                sound.place_looped(track, band.snare(), at(b + k / 4), period, 0.12 + 0.04 * k)
            continue
        if b % 2 == 0:
            sound.place_looped(track, band.kick(), at(b), period, 0.5)
        else:
            sound.place_looped(track, band.snare(), at(b), period, 0.18)
        for half in (0, 0.5):
            sound.place_looped(track, band.hat(), at(b + half), period, 0.06)
    return track, period


def main(argv):
    game = argv[1] if len(argv) > 1 else "game"
    studio = sound.Studio()
    try:
        track, period = arrange(Band(studio))
        track = studio.effect(track, "reverb", "25", "50", "60", "100", "10")
        tune = sound.rotate_to_quiet_zero(sound.middle(track, period), 0)
        sound.write_wav(os.path.join(game, "media", "quandosaremo.wav"), tune, 0.8)
    finally:
        studio.close()


if __name__ == "__main__":
    main(sys.argv)

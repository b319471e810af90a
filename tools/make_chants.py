#!/usr/bin/env python3
"""The supporters' chants of the match screen, five looping crowd samples:
chinonsalta.wav, forzavelmo1.wav, forzavelmo2.wav, velmo.wav and
orvenarossoblu.wav under game/media/.

Each is four layers, laid out three times over and cut to one seamless
loop (see sound.py):
- the roar: white noise from sox, filtered into a low rumble and a
  mid-band hubbub that swells slowly;
- the murmur: scattered shouts of many espeak-ng voices, far away;
- the chant: a crowd of espeak-ng voices, each with its own voice variant,
  pitch, speed and timing, shouting the syllables on the beat;
- the hits: a bass drum, hand claps (many claps spread over a few ms)
  and, where the crowd jumps, the thud of feet.

Usage: make_chants.py [GAME_DIR]   (default: game)
"""
import math
import os
import random
import sys

import sound

# One chant: tempo, beats per cycle, cycles per loop, syllables as
# (beat, text, pitch step, speed[, held for so many beats]), and the beats
# of the hits.
CHANTS = [
    dict(file="velmo.wav", bpm=126, beats=4, cycles=7, singers=16,
         syllables=[(0, "vèl", 0, 150), (1, "mò", -6, 120)],
         drum=[0, 1], claps=[2, 2.5, 3], stomps=[], reverb=55, roar=0.9),
    dict(file="forzavelmo1.wav", bpm=116, beats=8, cycles=3, singers=16,
         syllables=[(0, "fòr", 0, 140), (1, "tsa", -4, 140), (2, "vèl", 4, 140),
                    (3, "mò", -2, 110)],
         drum=[0, 2, 4, 5, 6], claps=[4, 5, 6], stomps=[], reverb=60, roar=1.0),
    dict(file="forzavelmo2.wav", bpm=100, beats=8, cycles=3, singers=18,
         syllables=[(0, "fòr", 0, 110), (1, "tsa", 6, 110), (2, "vèl", 12, 110),
                    (3, "mò", 6, 100), (4, "a", 12, 120), (4.5, "lè", 18, 70, 1.4),
                    (6, "a", 12, 120), (6.5, "lè", 6, 70, 1.4)],
         drum=[0, 1, 2, 3, 4, 5, 6, 7], claps=[1, 3, 5, 7], stomps=[], reverb=70, roar=1.1),
    dict(file="chinonsalta.wav", bpm=150, beats=8, cycles=4, singers=16,
         syllables=[(0, "ki", 0, 190), (0.5, "non", 0, 190), (1, "sal", 6, 190),
                    (1.5, "ta", 0, 190), (2, "ros", 0, 190), (2.5, "so", 0, 190),
                    (3, "blù", 8, 150), (4, "non", 0, 170), (5, "è", 8, 130),
                    (6, "è", 8, 130)],
         drum=[0, 2, 4, 5, 6], claps=[], stomps=[0, 1, 2, 3, 4, 5, 6, 7], reverb=50, roar=1.0),
    dict(file="orvenarossoblu.wav", bpm=84, beats=8, cycles=2, singers=18,
         syllables=[(0, "òòò", 0, 60, 1.8), (2, "ros", 8, 120), (2.5, "so", 8, 120),
                    (3, "blùù", 4, 70, 0.9), (4, "òòò", 4, 60, 1.8), (6, "ros", 12, 120),
                    (6.5, "so", 8, 120), (7, "blùù", 0, 70, 0.9)],
         drum=[0, 4], claps=[], stomps=[], reverb=85, roar=1.2),
]

VARIANTS = ["m1", "m2", "m3", "m4", "m5", "m6", "m7", "m8", "antonio", "marco",
            "mario", "sandro", "victor", "norbert", "robert", "max", "f2", "f4"]
VOICE_LEVEL = 45  # espeak-ng amplitude: louder voices clip
SHOUTS = ["dai", "vai", "oh", "eh", "forza", "sì", "bravo", "tira", "ahò", "uè"]


def crowd_of(count, rng):
    """The singers: voice variant, pitch, speed factor, lateness, loudness."""
    singers = []
    for _ in range(count):
        singers.append(dict(voice="it+" + VARIANTS[rng.randrange(len(VARIANTS))],
                            pitch=rng.randrange(15, 70),
                            speed=0.85 + 0.3 * rng.random(),
                            late=rng.uniform(-0.03, 0.06),
                            gain=rng.uniform(0.5, 1.0)))
    return singers


def at(seconds):
    return int(round(seconds * sound.RATE))


def chant_layer(studio, score, singers, beat, period):
    track = [0.0] * (3 * period)
    for cycle in range(score["cycles"]):
        for b, text, step, speed, *held in score["syllables"]:
            when = (cycle * score["beats"] + b) * beat
            for s in singers:
                clip = studio.speak(text, s["voice"], max(0, min(99, s["pitch"] + step)),
                                    int(speed * s["speed"]), VOICE_LEVEL)
                if held:  # stretch the vowel, keeping its pitch
                    factor = len(clip) / (held[0] * beat * sound.RATE)
                    clip = studio.effect(clip, "tempo", "-s", f"{factor:.4f}")
                sound.place_looped(track, clip, at(when + s["late"]), period, s["gain"])
    return studio.effect(track, "highpass", "140", "lowpass", "3600",
                         "overdrive", "4", "reverb", score["reverb"], "50", "90", "100", "30")


def murmur_layer(studio, score, rng, period):
    track = [0.0] * (3 * period)
    for _ in range(int(period / sound.RATE * 4)):
        clip = studio.speak(SHOUTS[rng.randrange(len(SHOUTS))],
                            "it+" + VARIANTS[rng.randrange(len(VARIANTS))],
                            rng.randrange(10, 90), rng.randrange(120, 220), VOICE_LEVEL)
        sound.place_looped(track, clip, rng.randrange(period), period, rng.uniform(0.2, 0.5))
    return studio.effect(track, "lowpass", "1400", "reverb", "90", "60", "100")


def roar_layer(studio, score, period):
    """Low rumble and mid hubbub, swelling three times per loop."""
    noise = studio.synth(2 * period / sound.RATE, "whitenoise")
    swell = f"{3 * sound.RATE / period:.6f}"
    rumble = studio.effect(sound.tripled(noise[:period]), "lowpass", "350", "lowpass", "350")
    hubbub = studio.effect(sound.tripled(noise[period:2 * period]),
                           "bandpass", "850", "1.0q", "tremolo", swell, "35")
    return [0.8 * r + 0.5 * h for r, h in zip(rumble, hubbub)]


def hit_clips(studio, rng):
    """A bass drum, a crowd's hand clap and a crowd's jump."""
    drum = studio.synth(0.5, "sine", "95/40", effects=["fade", "q", "0.003", "0.5", "0.45"])
    noise = studio.synth(3.0, "whitenoise")
    clap = [0.0] * at(0.2)
    for k in range(24):  # one crowd clap: many hands, slightly apart
        start = rng.randrange(0, len(noise) - at(0.06))
        hand = noise[start:start + at(0.06)]
        hand = [x * math.exp(-i / at(0.012)) for i, x in enumerate(hand)]
        sound.mix_into(clap, hand, at(rng.uniform(0, 0.04)), rng.uniform(0.3, 1.0))
    clap = studio.effect(clap, "bandpass", "1500", "0.8q")
    stomp = studio.effect(noise[:at(0.25)], "lowpass", "180", "lowpass", "180",
                          "fade", "q", "0.01", "0.25", "0.2")
    return drum, clap, stomp


def hits_layer(studio, score, clips, beat, period):
    drum, clap, stomp = clips
    track = [0.0] * (3 * period)
    for cycle in range(score["cycles"]):
        base = cycle * score["beats"]
        for b in score["drum"]:
            sound.place_looped(track, drum, at((base + b) * beat), period, 0.9)
        for b in score["claps"]:
            sound.place_looped(track, clap, at((base + b) * beat), period, 1.6)
        for b in score["stomps"]:
            sound.place_looped(track, stomp, at((base + b) * beat - 0.02), period, 2.5)
    return studio.effect(track, "reverb", "45", "50", "80")


def rms(samples):
    return math.sqrt(sum(x * x for x in samples) / len(samples))


def scaled(samples, level):
    """samples scaled to the given RMS."""
    factor = level / max(rms(samples), 1e-9)
    return [x * factor for x in samples]


def make_chant(studio, score, game):
    rng = random.Random(score["file"])
    beat = 60.0 / score["bpm"]
    period = at(score["cycles"] * score["beats"] * beat)
    singers = crowd_of(score["singers"], rng)
    layers = [
        scaled(roar_layer(studio, score, period), 0.05 * score["roar"]),
        scaled(murmur_layer(studio, score, rng, period), 0.02),
        scaled(chant_layer(studio, score, singers, beat, period), 0.12),
        scaled(hits_layer(studio, score, hit_clips(studio, rng), beat, period), 0.07),
    ]
    mix = sound.middle([sum(xs) for xs in zip(*layers)], period)
    # Start just before the first syllable of a cycle.
    loop = sound.rotate_to_quiet_zero(mix, period - at(0.08))
    sound.write_wav(os.path.join(game, "media", score["file"]), loop, 0.89)


def main(argv):
    game = argv[1] if len(argv) > 1 else "game"
    names = argv[2:]
    studio = sound.Studio()
    try:
        for score in CHANTS:
            if not names or score["file"] in names:
                make_chant(studio, score, game)
    finally:
        studio.close()


if __name__ == "__main__":
    main(sys.argv)

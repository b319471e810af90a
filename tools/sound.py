"""Sound helpers for the sample generators: sox and espeak-ng do the
synthesis and the effects, Python lays the clips out on a timeline.

Clips travel between the tools as raw 32-bit float mono at 22050 Hz, so
nothing is lost between steps. Every sox call runs with -R (repeatable
mode: fixed seeds for its noise and dither), so a second run writes the
same bytes.

Seamless loops: a loop's clips are laid out three times over, the effects
run on the whole, and the middle copy is kept. Since every clip, noise
included, repeats exactly, the middle copy is periodic: its end runs on
into its start without a seam. It is then turned round to start at a
quiet zero crossing, so playback also starts and ends near silence.
"""
import array
import os
import shutil
import subprocess
import tempfile
import wave

RATE = 22050


class Studio:
    """A scratch folder and the commands that fill it."""

    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix="velmo-sound-")
        self.count = 0

    def close(self):
        shutil.rmtree(self.folder, ignore_errors=True)

    def _path(self, ext):
        self.count += 1
        return os.path.join(self.folder, f"clip{self.count}.{ext}")

    @staticmethod
    def _run(cmd):
        subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)

    def _raw_args(self):
        return ["-t", "f32", "-r", str(RATE), "-c", "1"]

    def _read(self, path):
        data = array.array("f")
        with open(path, "rb") as f:
            data.frombytes(f.read())
        return list(data)

    def synth(self, seconds, *args, effects=()):
        """sox -n ... synth SECONDS ARGS EFFECTS: a generated clip."""
        out = self._path("f32")
        self._run(["sox", "-R", "-n"] + self._raw_args() + [out, "synth", f"{seconds:.6f}"]
                  + [str(a) for a in args] + [str(e) for e in effects])
        return self._read(out)

    def effect(self, samples, *effects):
        """Runs samples through sox effects."""
        src, out = self._path("f32"), self._path("f32")
        array.array("f", samples).tofile(open(src, "wb"))
        self._run(["sox", "-R"] + self._raw_args() + [src] + self._raw_args() + [out]
                  + [str(e) for e in effects])
        return self._read(out)

    def speak(self, text, voice="it", pitch=50, speed=160, amplitude=180):
        """espeak-ng saying text, trimmed of its leading and trailing silence."""
        wav = self._path("wav")
        self._run(["espeak-ng", "-v", voice, "-p", str(pitch), "-s", str(speed),
                   "-a", str(amplitude), "-w", wav, text])
        with wave.open(wav, "rb") as w:
            if w.getframerate() != RATE or w.getnchannels() != 1 or w.getsampwidth() != 2:
                raise RuntimeError(f"espeak-ng wrote an unexpected format for {text!r}")
            data = array.array("h", w.readframes(w.getnframes()))
        return trim([x / 32768.0 for x in data])


def trim(samples, threshold=0.01):
    loud = [i for i, x in enumerate(samples) if abs(x) > threshold]
    if not loud:
        return []
    return samples[loud[0]:loud[-1] + 1]


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix_into(track, clip, start, gain=1.0):
    """Adds clip into track from sample start on; what falls outside is lost."""
    begin = max(0, start)
    end = min(len(track), start + len(clip))
    if begin >= end:
        return
    offset = begin - start
    part = clip[offset:offset + end - begin]
    track[begin:end] = [t + gain * c for t, c in zip(track[begin:end], part)]


def place_looped(track, clip, start, period, gain=1.0):
    """Places clip at start in each of the three copies of a tripled loop."""
    for copy in range(3):
        mix_into(track, clip, start + copy * period, gain)


def tripled(samples):
    return samples * 3


def middle(samples, period):
    return samples[period:2 * period]


def rotate_to_quiet_zero(samples, near):
    """Starts the loop at the zero crossing quietest around index near."""
    n = len(samples)
    best, best_level = near, None
    for i in range(near - 400, near + 400):
        a, b = samples[i % n], samples[(i + 1) % n]
        if a <= 0.0 < b:
            level = abs(a) + abs(b)
            if best_level is None or level < best_level:
                best, best_level = i + 1, level
    best %= n
    return samples[best:] + samples[:best]


def peak(samples):
    return max(abs(x) for x in samples)


def write_wav(path, samples, peak_level=0.89):
    """Scales to the given peak and writes 16-bit PCM mono at RATE."""
    scale = peak_level / max(peak(samples), 1e-9)
    data = array.array("h", (max(-32767, min(32767, int(round(x * scale * 32767))))
                             for x in samples))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data.tobytes())

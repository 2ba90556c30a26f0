#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

"""Writes the buzzer's default sound, chime2.wav: a short two-tone bell ("ding-dong").

Each tone is a few bell-like partials (the fundamental, its octave, a slightly sharp
twelfth and the minor-third "hum" partial that gives a bell its colour), each dying away
exponentially, the higher ones faster. A raised-cosine attack of a few milliseconds and a
short fade at the very end keep the sound free of clicks. Standard library only, and the
output is the same bytes on every run, so the committed file can be checked against it.

Usage: tools/make-chime.py [output.wav]   (default: scoreboard/resources/chime2.wav)
"""

import math
import os
import struct
import sys
import wave

RATE = 44100          # samples per second
LENGTH = 0.95         # seconds, the whole file
PEAK = 0.70           # of full scale (about -3 dBFS), loud enough for a hall, no clipping
ATTACK = 0.006        # seconds of raised-cosine fade-in at the start of each tone
END_FADE = 0.060      # seconds of fade-out at the end of the file

# (start in seconds, fundamental in Hz, loudness, decay time constant in seconds)
TONES = [
    (0.00, 880.00, 1.00, 0.22),   # A5
    (0.24, 698.46, 0.95, 0.26),   # F5: a falling major third, the classic two-tone chime
]

# (frequency ratio to the fundamental, relative amplitude, decay time as a fraction of the tone's)
PARTIALS = [
    (1.000, 1.00, 1.00),
    (2.000, 0.45, 0.60),
    (2.990, 0.18, 0.40),   # a hair flat of the twelfth, for a little shimmer
    (1.190, 0.12, 0.80),   # minor third above: the bell's colour
    (4.160, 0.06, 0.25),
]


def tone_sample(t, frequency, loudness, tau):
    """One tone's value at t seconds after it starts (0 before it starts)."""
    if t < 0.0:
        return 0.0
    if t < ATTACK:
        envelope = 0.5 - 0.5 * math.cos(math.pi * t / ATTACK)
    else:
        envelope = 1.0
    value = 0.0
    for ratio, amplitude, decay in PARTIALS:
        value += amplitude * math.exp(-t / (tau * decay)) * math.sin(2.0 * math.pi * frequency * ratio * t)
    return loudness * envelope * value


def render():
    count = int(RATE * LENGTH)
    samples = []
    for n in range(count):
        t = n / RATE
        value = sum(tone_sample(t - start, f, loud, tau) for start, f, loud, tau in TONES)
        remaining = (count - 1 - n) / RATE
        if remaining < END_FADE:
            value *= 0.5 - 0.5 * math.cos(math.pi * remaining / END_FADE)
        samples.append(value)
    peak = max(abs(v) for v in samples) or 1.0
    scale = PEAK * 32767.0 / peak
    return [int(round(v * scale)) for v in samples]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "scoreboard", "resources", "chime2.wav")
    path = sys.argv[1] if len(sys.argv) > 1 else default
    samples = render()
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack("<%dh" % len(samples), *samples))
    print("%s: %d frames, %.3f s" % (os.path.normpath(path), len(samples), len(samples) / RATE))


if __name__ == "__main__":
    main()

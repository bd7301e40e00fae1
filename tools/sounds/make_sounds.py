# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
"""Builds the game's four sound effects as 16-bit mono WAV files.

    python3 tools/sounds/make_sounds.py data

Every sound is made from decaying sines and coloured noise (see dsp.py);
a fixed random seed makes the output the same on every run."""

import os
import sys

sys.dont_write_bytecode = True  # leave no __pycache__ in the tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from dsp import (decaying_partial, exp_env, filtered, finish, make_rng,  # noqa: E402
                 mix_into, noise, shape, silence, swept_band, write_wav)


def knock(rng, base, length, decay, brightness=1.0):
    """A wooden knock: a few inharmonic body modes plus a tiny noise tap."""
    out = silence(length)
    # wood rings at roughly these ratios and loses its high modes first
    for ratio, amp, dk in ((1.0, 1.0, 1.0), (2.32, 0.45, 0.55),
                           (4.05, 0.22 * brightness, 0.3)):
        mix_into(out, decaying_partial(base * ratio, length, decay * dk, amp))
    # a sub-millisecond rise: sharp enough to knock, soft enough not to crackle
    out = shape(out, exp_env(0.0006, 10.0))
    tap = filtered(noise(0.006, rng), "band", base * 5, 1.2)
    mix_into(out, shape(tap, exp_env(0.0005, 0.0015)), gain=0.6 * brightness)
    return out


def click(rng):
    # the chip lands in the rail: short, soft, low
    return finish(knock(rng, 560.0, 0.10, 0.018, brightness=0.8),
                  peak=0.80, fade_out=0.015)


def fishka(rng):
    # two quick bell notes a fifth apart, like a coin dropping into a box
    out = silence(0.45)
    for at, f, amp in ((0.0, 1318.5, 0.8), (0.075, 1975.5, 1.0)):
        note = silence(0.45 - at)
        for ratio, a, dk in ((1.0, 1.0, 1.0), (2.0, 0.25, 0.5),
                             (3.01, 0.10, 0.3)):
            mix_into(note, decaying_partial(f * ratio, 0.45 - at, 0.11 * dk, a))
        # soften the strike so it sounds struck, not switched on
        mix_into(out, shape(note, exp_env(0.003, 10.0)), at, amp)
    return finish(out, peak=0.80, fade_out=0.04)


def baraban(rng):
    # a drum turning through detents: quick pawl clicks, then the heavier clack
    out = silence(0.30)
    hits = ((0.000, 0.55, 2600), (0.060, 0.60, 2400), (0.118, 0.65, 2500),
            (0.172, 0.70, 2300), (0.235, 1.0, 1700))
    for at, amp, band in hits:
        tick = filtered(noise(0.02, rng), "band", band, 2.5)
        tick = shape(tick, exp_env(0.0004, 0.004))
        body = knock(rng, 420.0 + rng.uniform(-20, 20), 0.06, 0.012)
        mix_into(out, tick, at, amp)
        mix_into(out, body, at, amp * 0.5)
    return finish(out, peak=0.80, fade_out=0.02)


def reika(rng):
    # the rail slides for about as long as its animation, then stops with a knock
    out = silence(0.26)
    slide_len = 0.165
    hiss = swept_band(noise(slide_len, rng), 1800.0, 3200.0, 1.4)
    hiss = filtered(hiss, "low", 5000.0)

    def slide_env(t):
        # rise quickly, hold, then tail off into the stop
        rise = min(1.0, t / 0.025)
        fall = min(1.0, (slide_len - t) / 0.04)
        return 0.45 * rise * max(0.0, fall)

    mix_into(out, shape(hiss, slide_env))
    mix_into(out, knock(rng, 340.0, 0.095, 0.02, brightness=0.6), 0.155, 1.0)
    return finish(out, peak=0.80, fade_out=0.02)


SOUNDS = (("Click.wav", click, 1), ("Fishka.wav", fishka, 2),
          ("Baraban.wav", baraban, 3), ("Reika.wav", reika, 4))


def main(argv):
    target = argv[1] if len(argv) > 1 else "data"
    os.makedirs(target, exist_ok=True)
    for name, recipe, seed in SOUNDS:
        path = os.path.join(target, name)
        write_wav(path, recipe(make_rng(seed)))
        print(path)


if __name__ == "__main__":
    main(sys.argv)

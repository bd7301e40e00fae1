# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
"""Tiny sound-building blocks for make_sounds.py: oscillators, noise,
filters, envelopes and a WAV writer.  Standard library only, so the
sounds can be rebuilt on any machine with Python 3."""

import math
import random
import struct
import wave

RATE = 44100


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def mix_into(dest, src, at_seconds=0.0, gain=1.0):
    """Add src into dest starting at a time offset, growing dest if needed."""
    start = int(at_seconds * RATE)
    end = start + len(src)
    if end > len(dest):
        dest.extend([0.0] * (end - len(dest)))
    for i, v in enumerate(src):
        dest[start + i] += v * gain
    return dest


def decaying_partial(freq, seconds, decay, amp=1.0, phase=0.0):
    """A sine that dies away exponentially: the basic ring of wood or metal.
    decay is the time constant in seconds."""
    n = int(seconds * RATE)
    w = 2.0 * math.pi * freq / RATE
    return [amp * math.exp(-i / (decay * RATE)) * math.sin(w * i + phase)
            for i in range(n)]


def noise(seconds, rng):
    return [rng.uniform(-1.0, 1.0) for _ in range(int(seconds * RATE))]


class Biquad:
    """RBJ band-pass / low-pass / high-pass; enough to colour noise."""

    def __init__(self, kind, freq, q):
        w0 = 2.0 * math.pi * freq / RATE
        alpha = math.sin(w0) / (2.0 * q)
        cw = math.cos(w0)
        if kind == "band":
            b = (alpha, 0.0, -alpha)
        elif kind == "low":
            b = ((1 - cw) / 2, 1 - cw, (1 - cw) / 2)
        elif kind == "high":
            b = ((1 + cw) / 2, -(1 + cw), (1 + cw) / 2)
        else:
            raise ValueError(kind)
        a0 = 1 + alpha
        self.b = [x / a0 for x in b]
        self.a = [-2 * cw / a0, (1 - alpha) / a0]
        self.x1 = self.x2 = self.y1 = self.y2 = 0.0

    def step(self, x):
        y = (self.b[0] * x + self.b[1] * self.x1 + self.b[2] * self.x2
             - self.a[0] * self.y1 - self.a[1] * self.y2)
        self.x2, self.x1 = self.x1, x
        self.y2, self.y1 = self.y1, y
        return y


def filtered(samples, kind, freq, q=0.707):
    f = Biquad(kind, freq, q)
    return [f.step(x) for x in samples]


def swept_band(samples, f_start, f_end, q):
    """Band-pass whose centre glides; rebuilt every 64 samples, which is
    smooth enough to hear as one continuous sweep."""
    out = []
    f = None
    n = len(samples)
    for i, x in enumerate(samples):
        if i % 64 == 0:
            t = i / max(1, n - 1)
            freq = f_start * (f_end / f_start) ** t
            nf = Biquad("band", freq, q)
            if f is not None:  # keep the filter state so the sweep has no steps
                nf.x1, nf.x2, nf.y1, nf.y2 = f.x1, f.x2, f.y1, f.y2
            f = nf
        out.append(f.step(x))
    return out


def shape(samples, env):
    """Multiply by an envelope given as a function of time in seconds."""
    return [v * env(i / RATE) for i, v in enumerate(samples)]


def exp_env(attack, decay):
    """Quick linear rise then exponential fall; attack and decay in seconds."""
    def env(t):
        if t < attack:
            return t / attack
        return math.exp(-(t - attack) / decay)
    return env


def finish(samples, peak=0.85, fade_in=0.002, fade_out=0.012):
    """Short fades at both ends so playback never clicks, then scale the
    loudest sample to the given peak (below full scale: no clipping)."""
    n = len(samples)
    fi = max(1, int(fade_in * RATE))
    fo = max(1, int(fade_out * RATE))
    out = list(samples)
    for i in range(min(fi, n)):
        out[i] *= i / fi
    for i in range(min(fo, n)):
        # raised-cosine tail reaches exactly zero at the last sample
        out[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / fo)
    top = max(abs(v) for v in out) or 1.0
    return [v * peak / top for v in out]


def write_wav(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        frames = b"".join(
            struct.pack("<h", max(-32767, min(32767, int(round(v * 32767)))))
            for v in samples)
        w.writeframes(frames)


def make_rng(seed):
    # a fixed seed keeps the files byte-identical from run to run
    return random.Random(seed)

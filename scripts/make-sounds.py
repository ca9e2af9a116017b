#!/usr/bin/env python3
"""Synthesises the game's seven sound effects into assets/sounds (standard library only).

Run it again after changing a recipe; the WAV files it writes are committed.
"""
import math
import os
import random
import struct
import wave

RATE = 22050
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets", "sounds")


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def envelope(n, attack, release):
    a = max(1, int(RATE * attack))
    r = max(1, int(RATE * release))
    env = []
    for i in range(n):
        v = 1.0
        if i < a:
            v = i / a
        if i > n - r:
            v = min(v, (n - i) / r)
        env.append(max(0.0, v))
    return env


def tone(freq, seconds, shape="sine", attack=0.005, release=0.05, harmonics=None):
    n = int(RATE * seconds)
    env = envelope(n, attack, release)
    out = []
    for i in range(n):
        t = i / RATE
        if harmonics:
            v = sum(amp * math.sin(2 * math.pi * freq * k * t) for k, amp in harmonics)
        elif shape == "square":
            v = 1.0 if math.sin(2 * math.pi * freq * t) >= 0 else -1.0
        elif shape == "triangle":
            v = 2 * abs(2 * ((freq * t) % 1.0) - 1) - 1
        else:
            v = math.sin(2 * math.pi * freq * t)
        out.append(v * env[i])
    return out


def mix(*tracks, at=None):
    at = at or [0.0] * len(tracks)
    length = max(int(RATE * s) + len(t) for t, s in zip(tracks, at))
    out = [0.0] * length
    for t, s in zip(tracks, at):
        o = int(RATE * s)
        for i, v in enumerate(t):
            out[o + i] += v
    return out


def normalise(samples, peak=0.8):
    top = max(abs(v) for v in samples) or 1.0
    return [v * peak / top for v in samples]


def write(name, samples):
    samples = normalise(samples)
    path = os.path.join(OUT, name)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(v * 32767)) for v in samples))


BELL = [(1, 1.0), (2, 0.4), (3, 0.15), (4.2, 0.08)]
BRASS = [(1, 1.0), (2, 0.7), (3, 0.5), (4, 0.3), (5, 0.2), (6, 0.1)]


def click():
    # A soft wooden tick followed by a tiny bell, so a button press feels friendly.
    rnd = random.Random(1)
    n = int(RATE * 0.012)
    tick = [rnd.uniform(-1, 1) * (1 - i / n) ** 3 for i in range(n)]
    return mix(tick, [v * 0.5 for v in tone(1568, 0.09, harmonics=BELL, release=0.08)])


def tada():
    # Two quick pickup notes, then a bright major chord.
    c5, e5, g5, c6 = 523.25, 659.25, 783.99, 1046.5
    chord = mix(*[tone(f, 0.8, harmonics=BRASS, attack=0.01, release=0.5) for f in (c5, e5, g5, c6)])
    return mix(tone(g5, 0.09, harmonics=BRASS, release=0.03),
               tone(g5, 0.12, harmonics=BRASS, release=0.03), chord, at=[0.0, 0.11, 0.25])


def error_buzz():
    # Two low descending buzzes: clearly "not quite", never harsh.
    a = [v * 0.6 for v in tone(220, 0.16, shape="square", release=0.03)]
    b = [v * 0.6 for v in tone(165, 0.26, shape="square", release=0.1)]
    return mix(a, b, at=[0.0, 0.19])


def laser():
    # A quick downward zap as a new problem flies in.
    n = int(RATE * 0.32)
    env = envelope(n, 0.003, 0.12)
    phase, out = 0.0, []
    for i in range(n):
        f = 1800 * (150 / 1800) ** (i / n)
        phase += 2 * math.pi * f / RATE
        out.append((math.sin(phase) + 0.3 * math.sin(3 * phase)) * env[i])
    return out


def noise_burst(rnd, seconds, colour=0.6):
    n = int(RATE * seconds)
    env = envelope(n, 0.002, seconds * 0.8)
    prev, out = 0.0, []
    for i in range(n):
        prev = colour * prev + (1 - colour) * rnd.uniform(-1, 1)
        out.append(prev * env[i])
    return out


def cheer():
    # A crowd's "yaaay": swelling filtered noise with many voices sliding upward.
    rnd = random.Random(7)
    seconds = 1.6
    n = int(RATE * seconds)
    env = envelope(n, 0.35, 0.6)
    crowd = [v * env[i] * 0.5 for i, v in enumerate(noise_burst(rnd, seconds, 0.85))]
    voices = []
    for _ in range(9):
        base = rnd.uniform(260, 520)
        phase, voice = 0.0, []
        venv = envelope(n, 0.3, 0.7)
        for i in range(n):
            f = base * (1 + 0.35 * i / n) * (1 + 0.01 * math.sin(2 * math.pi * 5.5 * i / RATE))
            phase += 2 * math.pi * f / RATE
            voice.append((math.sin(phase) + 0.3 * math.sin(2 * phase)) * venv[i] * 0.12)
        voices.append(voice)
    return mix(crowd, *voices)


def applause():
    # Many hands: short noise claps at random moments, thinning out at the end.
    rnd = random.Random(5)
    seconds = 2.6
    out = [0.0] * int(RATE * seconds)
    t = 0.0
    while t < seconds - 0.1:
        clap = noise_burst(rnd, rnd.uniform(0.02, 0.05), rnd.uniform(0.2, 0.5))
        gain = rnd.uniform(0.3, 1.0) * (1.0 if t < 1.8 else (seconds - t) / 0.8)
        o = int(t * RATE)
        for i, v in enumerate(clap):
            if o + i < len(out):
                out[o + i] += v * gain
        t += rnd.expovariate(90)
    return out


def sting():
    # A dramatic fanfare sting for a promotion: a rising fifth, then a held minor-to-major chord.
    low = tone(196.0, 0.35, harmonics=BRASS, attack=0.02, release=0.1)
    high = tone(293.66, 0.35, harmonics=BRASS, attack=0.02, release=0.1)
    chord = mix(*[tone(f, 1.3, harmonics=BRASS, attack=0.08, release=0.7)
                  for f in (392.0, 493.88, 587.33, 783.99)])
    boom = [v * 0.8 for v in tone(98.0, 0.9, attack=0.005, release=0.8)]
    return mix(low, high, chord, boom, at=[0.0, 0.3, 0.6, 0.6])


def main():
    os.makedirs(OUT, exist_ok=True)
    write("Musica.wav", click())
    write("tada.wav", tada())
    write("m_error.wav", error_buzz())
    write("laserppt.wav", laser())
    write("cheer.wav", cheer())
    write("5applaus.wav", applause())
    write("ds9sting.wav", sting())


if __name__ == "__main__":
    main()

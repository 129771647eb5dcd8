#!/usr/bin/env python3
"""Synthesise Tarnwick's three sound effects.

Writes teeshot.wav, putt.wav and crowd.wav (PCM 16-bit, mono, 22050 Hz)
into assets/sounds/.  Uses only the standard library; the noise sources are
seeded so that every run produces byte-identical files.

    python3 tools/make_sounds.py [output-folder]
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 22050
PEAK = 0.89          # about -1 dBFS, leaves headroom for cheap sound cards


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix(dst, src, start=0.0, gain=1.0):
    """Add src into dst starting at `start` seconds, growing dst if needed."""
    off = int(round(start * RATE))
    need = off + len(src)
    if need > len(dst):
        dst.extend([0.0] * (need - len(dst)))
    for i, v in enumerate(src):
        dst[off + i] += v * gain
    return dst


def noise(n, rng):
    return [rng.uniform(-1.0, 1.0) for _ in range(n)]


def lowpass(x, cutoff):
    a = 1.0 - math.exp(-2.0 * math.pi * cutoff / RATE)
    y, s = [], 0.0
    for v in x:
        s += a * (v - s)
        y.append(s)
    return y


def highpass(x, cutoff):
    lp = lowpass(x, cutoff)
    return [a - b for a, b in zip(x, lp)]


def bandpass(x, centre, q):
    """RBJ biquad band-pass (constant 0 dB peak gain)."""
    w = 2.0 * math.pi * centre / RATE
    alpha = math.sin(w) / (2.0 * q)
    b0, b2 = alpha, -alpha
    a0, a1, a2 = 1.0 + alpha, -2.0 * math.cos(w), 1.0 - alpha
    b0, b2, a1, a2 = b0 / a0, b2 / a0, a1 / a0, a2 / a0
    y = []
    x1 = x2 = y1 = y2 = 0.0
    for v in x:
        o = b0 * v + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1 = x1, v
        y2, y1 = y1, o
        y.append(o)
    return y


def normalise(x, peak=PEAK):
    m = max(abs(v) for v in x) or 1.0
    return [v * peak / m for v in x]


def fade(x, fade_in=0.004, fade_out=0.03):
    """Short fades so no file starts or stops with a click."""
    n = len(x)
    fi, fo = int(fade_in * RATE), int(fade_out * RATE)
    for i in range(min(fi, n)):
        x[i] *= i / fi
    for i in range(min(fo, n)):
        x[n - 1 - i] *= i / fo
    return x


def write_wav(path, samples):
    frames = bytearray()
    for v in samples:
        v = max(-1.0, min(1.0, v))
        frames += struct.pack('<h', int(round(v * 32767)))
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


def decaying_tone(freq, seconds, tau, rng=None, glide=0.0, phase=0.0):
    """A sine that decays exponentially; `glide` bends the pitch (ratio/s)."""
    out = []
    ph = phase
    for i in range(int(seconds * RATE)):
        t = i / RATE
        f = freq * (1.0 + glide * t)
        ph += 2.0 * math.pi * f / RATE
        out.append(math.sin(ph) * math.exp(-t / tau))
    return out


# --------------------------------------------------------------------------
# Tee shot: the swing's whoosh, a crisp "thwack" and the ball flying off.

def teeshot():
    rng = random.Random(1)
    total = silence(0.82)

    # Downswing: band-passed noise sweeping upwards and swelling into impact.
    n = int(0.30 * RATE)
    src = noise(n, rng)
    swing = []
    x1 = x2 = y1 = y2 = 0.0
    for i, v in enumerate(src):
        t = i / n
        centre = 400.0 + 1800.0 * t * t
        w = 2.0 * math.pi * centre / RATE
        alpha = math.sin(w) / 3.0
        a0 = 1.0 + alpha
        b0, b2 = alpha / a0, -alpha / a0
        a1, a2 = -2.0 * math.cos(w) / a0, (1.0 - alpha) / a0
        o = b0 * v + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, v, y1, o
        swing.append(o * (t ** 2.2))
    mix(total, swing, 0.02, 0.7)

    hit = 0.32
    # The strike: a very short, bright noise click ...
    click = [v * math.exp(-i / (0.0025 * RATE))
             for i, v in enumerate(highpass(noise(int(0.03 * RATE), rng), 1500))]
    mix(total, click, hit, 1.0)
    # ... the ringing of the club face ...
    ring = [a + 0.6 * b for a, b in zip(decaying_tone(2900, 0.12, 0.018),
                                        decaying_tone(4300, 0.12, 0.010))]
    mix(total, ring, hit, 0.45)
    # ... and a body "thock" that gives it weight.
    mix(total, decaying_tone(240, 0.10, 0.022, glide=-1.5), hit, 0.55)

    # The ball leaving: a thin whistle of air fading away.
    n = int(0.42 * RATE)
    air = bandpass(noise(n, rng), 3000, 2.5)
    air = [v * math.exp(-i / (0.16 * RATE)) * min(1.0, i / (0.01 * RATE))
           for i, v in enumerate(air)]
    mix(total, air, hit + 0.01, 0.5)

    return fade(normalise(total), 0.004, 0.06)


# --------------------------------------------------------------------------
# Putt: a soft tick of the putter, the ball rolling, a hollow plunk in the cup.

def putt():
    rng = random.Random(2)
    total = silence(1.30)

    # Putter face on the ball: soft, muted.
    tick = decaying_tone(1600, 0.05, 0.006)
    tick = [a + 0.3 * b * math.exp(-i / (0.002 * RATE))
            for i, (a, b) in enumerate(zip(tick, noise(len(tick), rng)))]
    mix(total, tick, 0.04, 0.55)

    # Roll across the green: low rumble with a slow wobble, slowing down.
    start, length = 0.09, 0.68
    n = int(length * RATE)
    rumble = lowpass(lowpass(noise(n, rng), 350), 500)
    roll = []
    for i, v in enumerate(rumble):
        t = i / RATE
        env = min(1.0, t / 0.05, (length - t) / 0.06) * (1.0 - 0.55 * t / length)
        wobble = 0.75 + 0.25 * math.sin(2.0 * math.pi * (9.0 - 5.0 * t) * t)
        roll.append(v * env * wobble)
    mix(total, normalise(roll, 1.0), start, 0.22)

    # Ball drops into the cup: a hollow, slightly falling tone with overtones.
    drop = 0.82
    body = [a + 0.45 * b + 0.2 * c for a, b, c in zip(
        decaying_tone(330, 0.40, 0.075, glide=-0.25),
        decaying_tone(760, 0.40, 0.040, glide=-0.20),
        decaying_tone(1350, 0.40, 0.020))]
    knock = [v * math.exp(-i / (0.003 * RATE))
             for i, v in enumerate(lowpass(noise(int(0.03 * RATE), rng), 2500))]
    mix(total, body, drop, 0.9)
    mix(total, knock, drop, 0.6)
    # It settles with a smaller second bounce.
    mix(total, decaying_tone(345, 0.25, 0.045, glide=-0.2), drop + 0.13, 0.35)
    mix(total, knock, drop + 0.13, 0.25)

    return fade(normalise(total), 0.004, 0.08)


# --------------------------------------------------------------------------
# Crowd: applause with a cheer swelling and dying away.

def crowd():
    rng = random.Random(3)
    length = 2.6
    total = silence(length)

    def swell(t):
        # quick rise, a held peak, then a long tail
        if t < 0.25:
            return t / 0.25
        if t < 1.3:
            return 1.0
        return max(0.0, 1.0 - (t - 1.3) / (length - 1.3)) ** 1.4

    # Applause: many short claps of different brightness at random moments.
    clap_len = int(0.025 * RATE)
    claps = []
    for _ in range(12):
        burst = bandpass(noise(clap_len, rng), rng.uniform(900, 2600), 1.2)
        claps.append([v * math.exp(-i / (0.004 * RATE)) for i, v in enumerate(burst)])
    t = 0.0
    while t < length - 0.03:
        dens = 180.0 * swell(t) + 4.0
        t += rng.expovariate(dens)
        if t >= length - 0.03:
            break
        mix(total, rng.choice(claps), t, rng.uniform(0.4, 1.0) * swell(t))

    # The cheer: a wash of voices (broad band around vowel formants) ...
    n = len(total)
    wash = [a + b for a, b in zip(bandpass(noise(n, rng), 700, 1.5),
                                  bandpass(noise(n, rng), 1200, 2.0))]
    mix(total, [v * swell(i / RATE) for i, v in enumerate(wash)], 0.0, 0.9)

    # ... with a few "yeah!" voices: buzzy tones through an "ah" formant.
    for k in range(7):
        f0 = rng.uniform(180, 420)
        dur = rng.uniform(0.5, 1.1)
        at = rng.uniform(0.05, 0.9)
        vib = rng.uniform(4.5, 6.5)
        m = int(dur * RATE)
        ph, buzz = rng.uniform(0, 6.28), []
        for i in range(m):
            tt = i / RATE
            f = f0 * (1.0 + 0.12 * min(1.0, tt / 0.15) - 0.10 * tt / dur) \
                * (1.0 + 0.015 * math.sin(2.0 * math.pi * vib * tt))
            ph += 2.0 * math.pi * f / RATE
            # sawtooth-ish: sum of a few harmonics
            s = sum(math.sin(h * ph) / h for h in range(1, 9))
            env = min(1.0, tt / 0.05) * max(0.0, 1.0 - tt / dur) ** 0.7
            buzz.append(s * env)
        voice = bandpass(buzz, rng.uniform(750, 950), 2.5)
        voice = [a + 0.5 * b for a, b in zip(voice, bandpass(buzz, 1250, 3.0))]
        mix(total, normalise(voice, 1.0), at, 0.22)

    total = total[:int(length * RATE)]
    return fade(normalise(total), 0.02, 0.25)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else \
        os.path.join(here, '..', 'assets', 'sounds')
    os.makedirs(out, exist_ok=True)
    for name, make in (('teeshot.wav', teeshot), ('putt.wav', putt),
                       ('crowd.wav', crowd)):
        path = os.path.join(out, name)
        write_wav(path, make())
        print(path)


if __name__ == '__main__':
    main()

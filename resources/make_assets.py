#!/usr/bin/env python3
"""Synthesizes the program's sound cues and draws its icon.

Run from this folder: python3 make_assets.py. It writes sounds/*.wav and
icons/dru.png, which are committed and compiled into the program.
"""
import math
import random
import struct
import wave
import zlib

random.seed(1202)


def envelope(t, length, attack=0.005, decay=None):
    """Quick attack, then an exponential or linear fade to silence."""
    rise = min(1.0, t / attack) if attack > 0 else 1.0
    if decay is None:
        fall = max(0.0, 1.0 - t / length)
    else:
        fall = math.exp(-t / decay) * max(0.0, 1.0 - t / length) ** 0.5
    return rise * fall


def tone(freq, t, partials=((1, 1.0),)):
    return sum(a * math.sin(2 * math.pi * freq * k * t) for k, a in partials)


def render(length, rate, sample):
    return [sample(i / rate) for i in range(int(length * rate))]


def write(name, samples, rate, bits):
    peak = max(1e-9, max(abs(s) for s in samples))
    scale = 0.8 / peak
    with wave.open(f"sounds/{name}.wav", "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(bits // 8)
        out.setframerate(rate)
        if bits == 8:
            data = bytes(int(128 + 127 * s * scale) for s in samples)
        else:
            data = b"".join(struct.pack("<h", int(32767 * s * scale)) for s in samples)
        out.writeframes(data)


BELL = ((1, 1.0), (2.76, 0.4), (5.4, 0.2))
SOFT = ((1, 1.0), (2, 0.3), (3, 0.1))


def arpeggio(notes, step, length, decay):
    def sample(t):
        total = 0.0
        for n, freq in enumerate(notes):
            start = n * step
            if t >= start:
                total += tone(freq, t - start, SOFT) * envelope(t - start, length - start, 0.01, decay)
        return total
    return sample


def click(freq, decay):
    def sample(t):
        noise = random.uniform(-1, 1) * math.exp(-t / (decay / 3))
        return (tone(freq, t) * 0.7 + noise * 0.3) * math.exp(-t / decay)
    return sample


def sweep(f0, f1, length):
    def sample(t):
        freq = f0 + (f1 - f0) * t / length
        phase = 2 * math.pi * (f0 * t + (f1 - f0) * t * t / (2 * length))
        return math.sin(phase) * envelope(t, length, 0.01)
    return sample


CUES = {
    # name: (length, rate, bits, sample function)
    "ABOUT": (1.20, 11025, 8, arpeggio([523.3, 659.3, 784.0, 1046.5], 0.12, 1.20, 0.35)),
    "START": (1.67, 8000, 8, arpeggio([392.0, 523.3, 659.3], 0.05, 1.67, 0.5)),
    "MENU": (0.17, 22050, 16, arpeggio([880.0, 1318.5], 0.06, 0.17, 0.04)),
    "CLOSE": (0.78, 11025, 8, arpeggio([784.0, 659.3, 523.3], 0.15, 0.78, 0.18)),
    "RESTORE": (0.52, 22050, 16, sweep(440.0, 990.0, 0.52)),
    "ENTER": (0.37, 22050, 16, lambda t: tone(1318.5, t, BELL) * envelope(t, 0.37, 0.002, 0.12)),
    "ESC": (0.49, 11025, 8, sweep(620.0, 180.0, 0.49)),
    "DEL": (0.06, 22050, 16, click(420.0, 0.012)),
    "TYPE": (0.17, 22050, 8, click(1900.0, 0.006)),
    "HEPP": (0.18, 11025, 8, lambda t: tone(740.0, t, SOFT) * envelope(t, 0.18, 0.003, 0.04)),
}


def png(width, height, pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in pixels)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def icon():
    """A keyboard key cap with a text line and a cursor on it."""
    size = 32
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            dx = max(3 - x, x - 28, 0)
            dy = max(3 - y, y - 28, 0)
            inside = x >= 1 and x <= 30 and y >= 1 and y <= 30 and dx * dx + dy * dy <= 9
            if not inside:
                row.append((0, 0, 0, 0))
                continue
            edge = x <= 2 or x >= 29 or y <= 2 or y >= 29
            shade = int(40 * y / size)
            color = (30, 70 - shade // 2, 140 - shade, 255) if edge else (58, 110 - shade, 190 - shade, 255)
            if y >= 26 and not edge:
                color = (40, 80, 150, 255)  # the key cap's lower lip
            if 10 <= y <= 11 and 6 <= x <= 20:
                color = (235, 240, 250, 255)  # a line of typed text
            if 16 <= y <= 17 and 6 <= x <= 14:
                color = (235, 240, 250, 255)
            if 14 <= y <= 19 and 17 <= x <= 18:
                color = (255, 210, 60, 255)  # the cursor
            row.append(color)
        rows.append(row)
    with open("icons/dru.png", "wb") as out:
        out.write(png(size, size, rows))


if __name__ == "__main__":
    for name, (length, rate, bits, sample) in CUES.items():
        write(name, render(length, rate, sample), rate, bits)
    icon()

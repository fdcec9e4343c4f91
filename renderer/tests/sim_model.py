#!/usr/bin/env python3
"""Independent single-precision model of the attractor simulation, checked against sim-trace.

Every arithmetic step is done in double and rounded to single precision at once; for +, -, x
and / on single-precision inputs that equals the single-precision result, so the model and the
program should agree bit for bit.

  sim_model.py --seed S --frames N    print the trace sim-trace would print
  sim_model.py --check SIM_TRACE      run both over a table of cases and compare
"""
import argparse
import math
import struct
import subprocess
import sys
import time
from array import array

try:
    import numpy  # noqa: F401  (only its float32 rounding would be used; struct rounds the same)
    ROUNDING = "numpy present; struct rounding used"
except ImportError:
    ROUNDING = "struct rounding"

_single = struct.Struct("f")


def f32(value):
    """Rounds a double to the nearest single-precision value (overflow goes to infinity)."""
    try:
        return _single.unpack(_single.pack(value))[0]
    except OverflowError:
        return math.copysign(math.inf, value)


def f32_all(values):
    """Rounds a sequence of doubles to single precision in one go."""
    return array("f", values)


ATTRACTOR_COUNT = 2
PARTICLES = 40
TRAIL_LENGTH = 60
SPREAD_RATE = 30
Z_DRIFT_RATE = 10
RESHUFFLE_LEVEL = 80
COEFFICIENT_SPEED = 5

UNIT_SCALE = f32(6.103702e-05)  # 2/32767
FRACTION_SCALE = f32(3.051851e-05)  # 1/32767
TWO_PI = f32(6.2831855)
ESCAPE_LIMIT = 1e9


class Generator:
    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF
        for _ in range(20):
            self.next_int()

    def next_int(self):
        self.state = (self.state * 214013 + 2531011) & 0xFFFFFFFF
        return (self.state >> 16) & 0x7FFF

    def unit(self):
        return f32(f32(self.next_int() * UNIT_SCALE) - 1.0)

    def fraction(self):
        return f32(self.next_int() * FRACTION_SCALE)


class Particle:
    def __init__(self, k, n):
        self.xs = f32_all([0.0] * TRAIL_LENGTH)
        self.ys = f32_all([3.0] * TRAIL_LENGTH)
        self.zs = f32_all([0.0] * TRAIL_LENGTH)
        self.hues = [0.0] * TRAIL_LENGTH
        self.saturations = [0.0] * TRAIL_LENGTH
        self.head = 0
        angle = f32(f32(TWO_PI * k) / n)
        self.drive = (f32(math.cos(angle)), f32(f32(k / n) - 0.5), f32(math.sin(angle)))


class Model:
    def __init__(self, seed):
        self.random = Generator(seed)
        self.spread = f32(1.0 + SPREAD_RATE * 0.0005)
        self.drift = f32(Z_DRIFT_RATE * 0.001)
        self.escapes = 0
        self.reshuffles = 0
        speed_squared = COEFFICIENT_SPEED * COEFFICIENT_SPEED
        scale = f32(speed_squared * 0.000005)
        floor = f32(speed_squared * 0.000001)
        self.attractors = []
        for _ in range(ATTRACTOR_COUNT):
            attractor = {
                "particles": [Particle(k, PARTICLES) for k in range(PARTICLES)],
                "countdown": 1,
                "c": [0.0] * 8,
                "w": [0.0] * 8,
            }
            for i in range(8):
                attractor["c"][i] = self.random.unit()
                attractor["w"][i] = f32(f32(self.random.fraction() * scale) + floor)
            self.attractors.append(attractor)

    def update(self, attractor):
        attractor["countdown"] -= 1
        if attractor["countdown"] <= 0:
            self.reshuffles += 1
            attractor["c"] = [self.random.unit() for _ in range(8)]
            base = (101 - RESHUFFLE_LEVEL) ** 2
            attractor["countdown"] = base + (base * self.random.next_int()) // 32767
        c, w = attractor["c"], attractor["w"]
        for i in range(8):
            c[i] = f32(c[i] + w[i])
            if c[i] >= 1.0:
                c[i], w[i] = 1.0, -w[i]
            if c[i] <= -1.0:
                c[i], w[i] = -1.0, -w[i]
        for particle in attractor["particles"]:
            self.advance(particle, c)

    def advance(self, p, c):
        x, y, z = p.xs[p.head], p.ys[p.head], p.zs[p.head]
        p.head = (p.head + 1) % TRAIL_LENGTH

        def damped(v):
            return f32(v * f32(1.0 - f32(1.0 / f32(f32(v * v) + 1.0))))

        gx, gy, gz = damped(x), damped(y), damped(z)
        dx, dy, dz = p.drive
        nx = f32(f32(f32(f32(f32(dx * c[6]) + x) - gx) + f32(c[5] * z)) + f32(c[2] * y))
        ny = f32(f32(f32(f32(f32(dy * c[6]) + y) - gy) + f32(c[1] * z)) + f32(c[4] * x))
        nz = f32(f32(f32(f32(f32(dz * c[6]) + z) - gz) + f32(c[3] * y)) + f32(c[0] * x))

        h = f32(f32(f32(gx * gx) + f32(gy * gy)) + f32(gz * gz))
        if h > 1.0:
            h = 1.0
        h = f32(h + c[7])
        if h > 1.0:
            h = f32(h - 1.0)
        if h < 0.0:
            h = f32(h + 1.0)

        s = f32(h + c[0])
        if s < 0.0:
            s = -s
        s = f32(s - math.trunc(s)) if math.isfinite(s) else math.nan
        saturation = f32(1.0 - f32(s * s))

        if p.head == 0 and not all(-ESCAPE_LIMIT <= v <= ESCAPE_LIMIT for v in (nx, ny, nz)):
            self.escapes += 1
            nx = self.random.unit()
            ny = self.random.unit()
            nz = self.random.unit()
        p.xs[p.head], p.ys[p.head], p.zs[p.head] = nx, ny, nz
        p.hues[p.head], p.saturations[p.head] = h, saturation

    def age(self, p):
        spread, drift = self.spread, self.drift
        p.xs = f32_all([v * spread for v in p.xs])
        p.ys = f32_all([v * spread for v in p.ys])
        p.zs = f32_all([v + drift for v in f32_all([v * spread for v in p.zs])])

    def run(self, frames):
        for _ in range(frames):
            for attractor in self.attractors:
                self.update(attractor)
                for particle in attractor["particles"]:
                    self.age(particle)

    def trace(self):
        lines = []
        for a, attractor in enumerate(self.attractors):
            lines.append("attractor %d countdown %d" % (a, attractor["countdown"]))
            lines.append("c " + " ".join("%.9g" % v for v in attractor["c"]))
            lines.append("w " + " ".join("%.9g" % v for v in attractor["w"]))
            for k, p in enumerate(attractor["particles"]):
                h = p.head
                lines.append("p %d %d %.9g %.9g %.9g %.9g %.9g"
                             % (k, h, p.xs[h], p.ys[h], p.zs[h], p.hues[h], p.saturations[h]))
        lines.append("random %d" % self.random.next_int())
        return lines


# Which tokens of each line kind are integers; the rest after the kind word are floats.
INTEGER_TOKENS = {"attractor": {1, 2, 3}, "c": set(), "w": set(), "p": {1, 2}, "random": {1}}


def compare(expected, actual, relative=1e-5):
    """Returns a list of differences between two traces (empty when they agree)."""
    problems = []
    if len(expected) != len(actual):
        problems.append("line count %d, model %d" % (len(actual), len(expected)))
    for number, (want, got) in enumerate(zip(expected, actual), 1):
        want_tokens, got_tokens = want.split(), got.split()
        kind = want_tokens[0]
        if len(want_tokens) != len(got_tokens) or got_tokens[0] != kind or kind not in INTEGER_TOKENS:
            problems.append("line %d: %r, model %r" % (number, got, want))
            continue
        for i in range(1, len(want_tokens)):
            w, g = want_tokens[i], got_tokens[i]
            if i in INTEGER_TOKENS[kind]:
                same = w == g
            else:
                try:
                    wv, gv = float(w), float(g)
                except ValueError:
                    same = False
                else:
                    same = (wv == gv or (math.isnan(wv) and math.isnan(gv))
                            or abs(wv - gv) <= relative * max(abs(wv), abs(gv)))
            if not same:
                problems.append("line %d token %d: %s, model %s  (%s)" % (number, i, g, w, got))
                break
    return problems


# (seed, frames): creation only, the first reshuffle, a trail's worth and one escape test,
# and long runs past a second reshuffle with diverging particles restarted.
CASES = [(1, 0), (1, 1), (0, 2), (1, 100), (12345, 61), (4294967295, 250), (2, 900)]


def check(sim_trace):
    failed = False
    for seed, frames in CASES:
        started = time.time()
        model = Model(seed)
        model.run(frames)
        expected = model.trace()
        result = subprocess.run([sim_trace, "--seed", str(seed), "--frames", str(frames)],
                                capture_output=True, text=True)
        if result.returncode != 0:
            print("seed %d frames %d: sim-trace exited %d: %s"
                  % (seed, frames, result.returncode, result.stderr.strip()))
            failed = True
            continue
        problems = compare(expected, result.stdout.splitlines())
        print("seed %d frames %d: %s (reshuffles %d, escapes %d, %.1f s)"
              % (seed, frames, "differs" if problems else "matches", model.reshuffles,
                 model.escapes, time.time() - started))
        for problem in problems[:10]:
            print("  " + problem)
        failed = failed or bool(problems)
    # Bad arguments: a usage line and exit code 2.
    for arguments in (["--seed", "1"], ["--seed", "x", "--frames", "1"], ["--frames", "-1", "--seed", "1"],
                      ["--seed", "4294967296", "--frames", "1"], ["--bogus"]):
        result = subprocess.run([sim_trace] + arguments, capture_output=True, text=True)
        if result.returncode != 2 or "usage" not in result.stderr or result.stdout:
            print("arguments %s: exit %d, stderr %r" % (arguments, result.returncode, result.stderr))
            failed = True
    print("rounding: " + ROUNDING)
    return 1 if failed else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int)
    parser.add_argument("--frames", type=int)
    parser.add_argument("--check", metavar="SIM_TRACE")
    arguments = parser.parse_args()
    if arguments.check:
        return check(arguments.check)
    if arguments.seed is None or arguments.frames is None:
        parser.error("give --seed and --frames, or --check")
    model = Model(arguments.seed)
    model.run(arguments.frames)
    print("\n".join(model.trace()))
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Writes the small sample tracks of data/samples/ (Python 3 standard library only).

    python3 tools/make_samples.py [OUTPUT_FOLDER]     # default: data/samples next to this folder

The tracks are simulated, not recorded: a boat beating to windward in a wind that veers, backs and
gusts, with a little tidal current. The output is deterministic; the files are committed, and the
CLI tests compare against summaries of them, so rerun the tests after changing anything here.
"""
import datetime
import math
import os
import random
import struct
import sys

PI = 3.14159265358979          # the value the track reader uses for radians
EPOCH = datetime.datetime(1899, 12, 30)
STEP = 10                      # seconds between points
KNOT_MS = 1852.0 / 3600.0      # the logger writes wind speeds in m/s


# ---------------------------------------------------------------- simulation

def wrap360(a):
    return a % 360.0


def true_wind(t, rng, base_dir, base_speed):
    """Wind (direction from, knots) at t seconds: slow oscillation, gusts and a little noise."""
    direction = base_dir + 7.0 * math.sin(2 * math.pi * t / 1500.0) + 2.0 * math.sin(2 * math.pi * t / 330.0)
    speed = base_speed + 2.2 * math.sin(2 * math.pi * t / 780.0) + 1.0 * math.sin(2 * math.pi * t / 210.0)
    return wrap360(direction + rng.uniform(-1.5, 1.5)), max(0.5, speed + rng.uniform(-0.6, 0.6))


def apparent_wind(tws, twa, boat_speed):
    """Apparent wind (knots, degrees 0..360 off the bow) from the true wind and the boat's speed."""
    x = tws * math.cos(math.radians(twa)) + boat_speed
    y = tws * math.sin(math.radians(twa))
    return math.hypot(x, y), wrap360(math.degrees(math.atan2(y, x)))


def move(lat, lon, course_deg, knots, seconds):
    metres = knots * 1852.0 / 3600.0 * seconds
    dlat = metres * math.cos(math.radians(course_deg)) / 1852.0 / 60.0
    dlon = metres * math.sin(math.radians(course_deg)) / (1852.0 * 60.0 * math.cos(math.radians(lat)))
    return lat + dlat, lon + dlon


def beat(start, lat, lon, legs, rng, wind_dir=235.0, wind_speed=12.0, current=(40.0, 0.3)):
    """A zig-zag to windward: legs is a list of leg lengths in points; a tack starts each new leg."""
    points = []
    side = 1  # +1: wind over starboard (TWA about 42), -1: over port (TWA about 318)
    t = 0
    depth = 14.0
    for leg_number, leg in enumerate(legs):
        if leg_number:
            side = -side
        for k in range(leg):
            twd, tws = true_wind(t, rng, wind_dir, wind_speed)
            if leg_number and k == 0:          # head to wind, speed falls away
                hdg, speed = twd + rng.uniform(-4, 4), 3.4
            else:
                recovery = [4.3, 5.1, 5.7]
                speed = recovery[k - 1] if leg_number and k <= 3 else 5.9 + 0.05 * (tws - wind_speed)
                speed += rng.uniform(-0.15, 0.15)
                hdg = twd - side * (42.0 + rng.uniform(-2.5, 2.5))
            hdg = wrap360(hdg)
            twa = wrap360(twd - hdg)
            aws, awa = apparent_wind(tws, twa, speed)
            leeway = 4.0 if speed > 4 else 8.0
            through_water = hdg - side * leeway
            # ground track: water track plus the current (set, drift)
            vx = speed * math.sin(math.radians(through_water)) + current[1] * math.sin(math.radians(current[0]))
            vy = speed * math.cos(math.radians(through_water)) + current[1] * math.cos(math.radians(current[0]))
            sog = math.hypot(vx, vy)
            cog = wrap360(math.degrees(math.atan2(vx, vy)))
            depth = min(25.0, max(4.0, depth + rng.uniform(-0.4, 0.4)))
            points.append(dict(time=start + datetime.timedelta(seconds=t), lat=lat, lon=lon, sog=sog, cog=cog,
                               depth=depth, twa=twa, awa=awa, twd=twd, tws=tws, aws=aws, hdg=hdg, ws=speed))
            lat, lon = move(lat, lon, cog, sog, STEP)
            t += STEP
    return points


def at_anchor(point, count, rng):
    """count points lying at anchor where point is: same position, no way on, the boat swinging."""
    out = []
    for k in range(1, count + 1):
        p = dict(point)
        p["time"] = point["time"] + datetime.timedelta(seconds=STEP * k)
        p["sog"] = rng.choice([0.0, 0.0, 0.0, 0.1])
        p["cog"] = rng.uniform(0, 359)
        p["ws"] = 0.0
        p["hdg"] = wrap360(point["twd"] + rng.uniform(-15, 15))   # head to wind, swinging
        p["twa"] = wrap360(p["twd"] - p["hdg"])
        p["aws"], p["awa"] = p["tws"], p["twa"]
        out.append(p)
    return out


def shift_times(points, seconds):
    for p in points:
        p["time"] += datetime.timedelta(seconds=seconds)


# ---------------------------------------------------------------- TRT lines

def num(value, decimals):
    text = "%.*f" % (decimals, value)
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def rad(deg):
    return num(math.radians(deg), 5)


def trt_line(p, ct_offset_hours=None):
    if ct_offset_hours is None:
        when = p["time"].strftime("%Y%m%d %H:%M:%S")
    else:
        when = (p["time"] + datetime.timedelta(hours=ct_offset_hours)).strftime("%Y%m%d %H:%M:%S") + " CT"
    fields = [when, num(p["lat"], 6), num(p["lon"], 6), num(p["sog"], 1), rad(p["cog"]), "0", "0",
              num(p["depth"], 1), rad(p["twa"]), rad(p["awa"]), rad(p["twd"]), num(p["tws"] * KNOT_MS, 3),
              num(p["aws"] * KNOT_MS, 3), "0", rad(p["hdg"]), num(p["ws"], 1)]
    return ",".join(fields)


def write_trt(path, lines):
    with open(path, "wb") as fh:
        fh.write(("\r\n".join(lines) + "\r\n").encode("ascii"))


# ---------------------------------------------------------------- TRC records

def float32(v):
    return struct.unpack("<f", struct.pack("<f", v))[0]


def dbl_to_real48(v):
    """The 48-bit real: exponent byte, 39 fraction bits (truncated), sign in the top bit."""
    if v == 0:
        return bytes(6)
    a, e = abs(v), 0
    while a < 1:
        a, e = a * 2, e - 1
    while a >= 2:
        a, e = a / 2, e + 1
    x = (a - 1) * 128
    b5 = int(x)
    rest = []
    for _ in range(4):
        x = (x - int(x)) * 256
        rest.append(int(x))
    b4, b3, b2, b1 = rest
    if v < 0:
        b5 += 128
    return bytes([e + 129, b1, b2, b3, b4, b5])


def day_count(when):
    delta = when - EPOCH
    return delta.days + delta.seconds / 86400.0


def trc_record(p):
    """The record of the point as the TRT reader would hold it after reading trt_line(p)."""
    fields = trt_line(p).split(",")
    lat = round(float(fields[1]) * 60000)
    lon = round(float(fields[2]) * 60000)
    cog = round(float(fields[4]) * 1800 / PI)
    depth = round(float(fields[7]) * 10)
    sog = dbl_to_real48(float32(float(fields[3])))
    return struct.pack("<iihhh", lat, lon, cog, 0, 0) + sog + struct.pack("<dh", day_count(p["time"]), depth)


def write_trc(path, points):
    with open(path, "wb") as fh:
        for p in points:
            fh.write(trc_record(p))


# ---------------------------------------------------------------- the samples

def main(argv):
    out = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data",
                                                     "samples")
    os.makedirs(out, exist_ok=True)
    rng = random.Random(20080711)

    # zigzag: about 300 points, tacks every 30 to 40 points
    legs = []
    while sum(legs) < 300:
        legs.append(rng.randint(30, 40))
    legs[-1] -= sum(legs) - 300
    start = datetime.datetime(2021, 6, 12, 9, 30, 0)
    zigzag = beat(start, 54.372500, 10.168300, legs, rng)
    header = ["/* Sample track for Wakeline: a beat to windward in a veering and backing breeze */",
              "/* Simulated by tools/make_samples.py, one point every 10 s, times in UTC */",
              "/* Wind: TWA and AWA off the bow, TWD from, speeds in m/s */"]
    lines = list(header)
    half = len(zigzag) // 2
    lines += [trt_line(p) for p in zigzag[:half]]
    lines.append("/* Halfway */")
    lines += [trt_line(p) for p in zigzag[half:]]
    lines.append("/* End of track after %d points */" % len(zigzag))
    write_trt(os.path.join(out, "zigzag.trt"), lines)
    write_trc(os.path.join(out, "zigzag.trc"), zigzag)

    # anchor_wait: sail in, lie at anchor for 5 minutes, sail on
    sail = beat(datetime.datetime(2021, 6, 13, 14, 0, 0), 54.401200, 10.201500, [15, 15], rng, wind_speed=9.0)
    anchored = at_anchor(sail[14], 30, rng)
    shift_times(sail[15:], STEP * len(anchored))
    track = sail[:15] + anchored + sail[15:]
    write_trt(os.path.join(out, "anchor_wait.trt"),
              ["/* Sample track: 30 points at anchor (no way on, same position) between two legs */"] +
              [trt_line(p) for p in track])

    # spike: one fix about 18 nm off the track
    spiky = beat(datetime.datetime(2021, 6, 14, 11, 0, 0), 54.380000, 10.180000, [20, 20], rng)
    spiky[17]["lat"] += 0.3
    write_trc(os.path.join(out, "spike.trc"), spiky)

    # backwards: the clock steps back by an hour in the middle
    back = beat(datetime.datetime(2021, 6, 15, 16, 0, 0), 54.390000, 10.190000, [20, 20], rng)
    shift_times(back[20:], -3600)
    write_trt(os.path.join(out, "backwards.trt"),
              ["/* Sample track: the logger clock steps back by one hour after point 19 */"] +
              [trt_line(p) for p in back])

    # daygap: 30 hours without fixes
    gap = beat(datetime.datetime(2021, 6, 16, 10, 0, 0), 54.385000, 10.175000, [20, 20], rng)
    shift_times(gap[20:], 30 * 3600)
    write_trc(os.path.join(out, "daygap.trc"), gap)

    # ct_times: logger clock time, UTC + 2 h (summer time), marked CT
    ct = beat(datetime.datetime(2019, 7, 20, 8, 15, 0), 54.378000, 10.172000, [20, 20], rng)
    write_trt(os.path.join(out, "ct_times.trt"),
              ["/* Sample track: times in local clock time (UTC + 2 h), marked CT */"] +
              [trt_line(p, ct_offset_hours=2) for p in ct])

    # edge cases
    write_trt(os.path.join(out, "one_point.trt"), [trt_line(zigzag[0])])
    open(os.path.join(out, "empty.trc"), "wb").close()


if __name__ == "__main__":
    main(sys.argv)

#!/usr/bin/env python3
"""Writes a recorded-style NMEA 0183 log of a multi-constellation receiver.

The receiver stands still on a roof and reports at 10 Hz: GGA, RMC, VTG, one GSA per
system (GPS, GLONASS, Galileo, BeiDou), GST, ZDA and its own seven-field HDG every
epoch, and once a second the GSV series of the bands it tracks: the first band of each
system and the one secondary band its signal plan chooses (GPS L2, GLONASS F2, Galileo
E5b, BeiDou B2), as the receiver does. A satellite's second band is reported under its
number + 64 and its third band under its number + 128. The position wanders a few metres, satellites rise and set over the
session, the antenna is shaded for a few seconds (no fix), and a few lines reach the
log damaged (a flipped character, a cut line, noise, a line without its checksum).

Only the standard library is used and the random generator is seeded, so the same
command always writes the same bytes:

    python3 samples/make_sample_log.py samples/roof-10hz.nmea
"""

import math
import random
import sys

SEED = 5402
EPOCHS_PER_SECOND = 10
DURATION_S = 600
START = (2026, 3, 14, 9, 30, 0)  # year, month, day, hour, minute, second (UTC)

# The antenna's surveyed place.
BASE_LAT = 55.0 + 45.2341 / 60.0
BASE_LON = 37.0 + 37.0123 / 60.0
BASE_HEIGHT = 168.3
GEOID = 14.6
METRES_PER_DEG_LAT = 111320.0

# The antenna is shaded from 4 min 10 s to 4 min 22 s: no fix.
SHADE_FROM_S = 250.0
SHADE_TO_S = 262.0
# The fix is back but the solution still settles (reported as a float solution).
SETTLE_TO_S = 270.0

# The elevation mask of the solution.
MASK_DEG = 10.0

# The receiver's signal plan: it tracks one secondary band per system, given here as
# the band's number offset (GPS L2 64 or L5 128, Galileo E5b 64 or E5a 128).
SECONDARY_BAND = {"GP": 64, "GL": 64, "GA": 64, "GB": 64}


def checksum(body):
    value = 0
    for ch in body.encode("ascii"):
        value ^= ch
    return "%02X" % value


def sentence(body):
    return "$" + body + "*" + checksum(body) + "\r\n"


class GaussMarkov:
    """A first-order Gauss-Markov process: the slow wander of a standing receiver."""

    def __init__(self, rng, sigma, tau_s, dt_s):
        self.rng = rng
        self.sigma = sigma
        self.a = math.exp(-dt_s / tau_s)
        self.value = rng.gauss(0.0, sigma)

    def step(self):
        self.value = self.a * self.value + math.sqrt(1.0 - self.a * self.a) * self.rng.gauss(0.0, self.sigma)
        return self.value


class Satellite:
    def __init__(self, number, elevation, azimuth, elevation_rate, azimuth_rate, bands, cn0_bias):
        self.number = number
        self.elevation0 = elevation
        self.azimuth0 = azimuth
        self.elevation_rate = elevation_rate  # degrees per second
        self.azimuth_rate = azimuth_rate
        self.bands = bands  # the bands it sends, as offsets: 0, 64, 128
        self.cn0_bias = cn0_bias

    def elevation(self, t):
        return self.elevation0 + self.elevation_rate * t

    def azimuth(self, t):
        return (self.azimuth0 + self.azimuth_rate * t) % 360.0


class System:
    def __init__(self, talker, system_id, bands, band_gain):
        self.talker = talker
        self.system_id = system_id  # the GSA system identifier of NMEA 4.10
        self.bands = bands  # offsets of the bands its satellites send, first band first
        self.band_gain = band_gain  # C/No of each band relative to the first, dB
        self.satellites = []


def make_sky(rng):
    gps = System("GP", 1, [0, 64, 128], {0: 0.0, 64: -5.0, 128: 1.5})
    glonass = System("GL", 2, [0, 64], {0: 0.0, 64: -3.0})
    galileo = System("GA", 3, [0, 64, 128], {0: 0.0, 64: 1.0, 128: 2.0})
    beidou = System("GB", 4, [0, 64], {0: 0.0, 64: 0.5})

    def fill(system, pool, count, second_share, third_share, rising, setting):
        numbers = rng.sample(pool, count + rising + setting)
        for i, number in enumerate(numbers):
            bands = [0]
            if 64 in system.bands and rng.random() < second_share:
                bands.append(64)
            if 128 in system.bands and rng.random() < third_share:
                bands.append(128)
            azimuth_rate = rng.choice([-1, 1]) * rng.uniform(0.002, 0.008)
            if i < count:
                elevation = rng.uniform(7.0, 86.0)
                elevation_rate = rng.choice([-1, 1]) * rng.uniform(0.001, 0.008)
            elif i < count + rising:
                # Below the horizon at the start, in view after a minute or three.
                elevation = rng.uniform(-2.0, -0.6)
                elevation_rate = rng.uniform(0.010, 0.014)
            else:
                # Low at the start, gone before the end.
                elevation = rng.uniform(1.5, 4.0)
                elevation_rate = -rng.uniform(0.009, 0.013)
            system.satellites.append(Satellite(number, elevation, rng.uniform(0.0, 360.0), elevation_rate,
                                               azimuth_rate, bands, rng.uniform(-2.5, 2.5)))
        system.satellites.sort(key=lambda s: s.number)

    fill(gps, list(range(1, 33)), 9, 0.75, 0.55, 1, 1)
    fill(glonass, list(range(1, 25)), 7, 0.85, 0.0, 0, 1)
    fill(galileo, list(range(1, 37)), 8, 1.0, 1.0, 1, 0)
    fill(beidou, list(range(1, 47)), 10, 0.8, 0.0, 1, 1)
    return [gps, glonass, galileo, beidou]


def cn0(rng, satellite, elevation, gain, shaded):
    """The carrier-to-noise density in dB-Hz, or None when the band is not tracked."""
    if elevation < 0.0:
        return None
    value = 31.0 + 17.0 * math.sin(math.radians(max(elevation, 0.0))) ** 0.6 + satellite.cn0_bias + gain
    value += rng.gauss(0.0, 0.6)
    if shaded:
        value -= 22.0
    if value < 24.0:
        return None
    return int(round(min(value, 53.0)))


def lat_text(lat):
    degrees = int(math.floor(abs(lat)))
    minutes = (abs(lat) - degrees) * 60.0
    return "%02d%08.5f" % (degrees, minutes), "N" if lat >= 0 else "S"


def lon_text(lon):
    degrees = int(math.floor(abs(lon)))
    minutes = (abs(lon) - degrees) * 60.0
    return "%03d%08.5f" % (degrees, minutes), "E" if lon >= 0 else "W"


def days_in_month(year, month):
    if month == 2:
        return 29 if (year % 4 == 0 and year % 100 != 0) or year % 400 == 0 else 28
    return 30 if month in (4, 6, 9, 11) else 31


def clock(centiseconds):
    """The UTC time and date of an epoch, centiseconds after the start."""
    year, month, day, hour, minute, second = START
    total = ((hour * 60 + minute) * 60 + second) * 100 + centiseconds
    day_add, total = divmod(total, 86400 * 100)
    day += day_add
    while day > days_in_month(year, month):
        day -= days_in_month(year, month)
        month += 1
        if month > 12:
            month = 1
            year += 1
    hours, rest = divmod(total, 360000)
    minutes, rest = divmod(rest, 6000)
    seconds, hundredths = divmod(rest, 100)
    return "%02d%02d%02d.%02d" % (hours, minutes, seconds, hundredths), (day, month, year)


def dops(used_elevations):
    """Plausible dilutions of precision for the satellites used."""
    n = len(used_elevations)
    if n < 4:
        return None
    hdop = 0.45 + 5.5 / n
    vdop = hdop * 1.55
    pdop = math.hypot(hdop, vdop)
    return pdop, hdop, vdop


def gsv_series(talker, entries):
    """One GSV series (four satellites a sentence) of one band."""
    lines = []
    total = max(1, (len(entries) + 3) // 4)
    for m in range(total):
        body = "%sGSV,%d,%d,%02d" % (talker, total, m + 1, len(entries))
        for number, elevation, azimuth, density in entries[m * 4:m * 4 + 4]:
            body += ",%02d,%02d,%03d,%s" % (number, elevation, azimuth, "" if density is None else "%02d" % density)
        lines.append(sentence(body))
    return lines


def corrupt(rng, line, kind):
    """A line damaged on its way to the log."""
    if kind == "flip":
        # One character changed: the checksum no longer matches.
        i = rng.randrange(7, len(line) - 6)
        replacement = "7" if line[i] != "7" else "3"
        return line[:i] + replacement + line[i + 1:]
    if kind == "cut":
        # The end of the line is lost; the next sentence follows on the same line.
        return line[:rng.randrange(20, len(line) - 10)]
    if kind == "noise":
        # Line noise before the sentence.
        noise = "".join(rng.choice("~}|{?>=<;:") for _ in range(rng.randrange(6, 16)))
        return noise + line
    if kind == "nochecksum":
        return line[:line.index("*")] + "\r\n"
    return line


def generate(out):
    rng = random.Random(SEED)
    sky = make_sky(rng)
    dt = 1.0 / EPOCHS_PER_SECOND
    north = GaussMarkov(rng, 1.2, 40.0, dt)
    east = GaussMarkov(rng, 0.9, 40.0, dt)
    up = GaussMarkov(rng, 2.0, 60.0, dt)
    yaw_wander = GaussMarkov(rng, 0.25, 20.0, dt)

    epochs = DURATION_S * EPOCHS_PER_SECOND
    # A few damaged lines, spread over the session (epoch, which line of the epoch, how).
    damage = {}
    for epoch, index, kind in [(437, 0, "flip"), (1212, 3, "cut"), (2405, 1, "noise"), (3390, 5, "flip"),
                               (4101, 0, "nochecksum"), (4777, 6, "cut"), (5533, 2, "noise")]:
        damage[(epoch, index)] = kind

    lines_written = 0
    for epoch in range(epochs):
        t = epoch * dt
        time_text, (day, month, year) = clock(epoch * 100 // EPOCHS_PER_SECOND)
        shaded = SHADE_FROM_S <= t < SHADE_TO_S
        settling = SHADE_TO_S <= t < SETTLE_TO_S

        # The sky at this epoch, and the satellites the solution uses.
        tracked = {}
        used = {}
        for system in sky:
            rows = []
            for s in system.satellites:
                elevation = s.elevation(t)
                if elevation < 0.0:
                    continue
                # Every band a satellite sends is drawn, tracked or not, so that the rest
                # of the log does not change with the signal plan.
                densities = {band: cn0(rng, s, elevation, system.band_gain[band], shaded) for band in s.bands}
                rows.append((s, elevation, s.azimuth(t), densities))
            tracked[system.talker] = rows
            used[system.talker] = [r for r in rows if r[1] >= MASK_DEG and (r[3][0] or 0) >= 30]
        used_all = [r for rows in used.values() for r in rows]
        fix = not shaded and len(used_all) >= 4

        n = north.step() + rng.gauss(0.0, 0.04)
        e = east.step() + rng.gauss(0.0, 0.04)
        u = up.step() + rng.gauss(0.0, 0.08)
        if settling:
            n += 1.8 * (SETTLE_TO_S - t) / (SETTLE_TO_S - SHADE_TO_S)
            u -= 3.0 * (SETTLE_TO_S - t) / (SETTLE_TO_S - SHADE_TO_S)
        lat = BASE_LAT + n / METRES_PER_DEG_LAT
        lon = BASE_LON + e / (METRES_PER_DEG_LAT * math.cos(math.radians(BASE_LAT)))
        height = BASE_HEIGHT + u
        lat_field, lat_hemisphere = lat_text(lat)
        lon_field, lon_hemisphere = lon_text(lon)

        # Doppler velocity of a standing antenna: a few centimetres a second of noise.
        v_north = rng.gauss(0.0, 0.025)
        v_east = rng.gauss(0.0, 0.025)
        speed_ms = math.hypot(v_north, v_east)
        course = math.degrees(math.atan2(v_east, v_north)) % 360.0
        knots = speed_ms / 0.514444
        kmh = speed_ms * 3.6

        dop = dops([r[1] for r in used_all]) if fix else None
        quality = 0 if not fix else (5 if settling else 1)
        mode = "N" if not fix else ("F" if settling else "A")

        epoch_lines = []
        if fix:
            epoch_lines.append(sentence("GNGGA,%s,%s,%s,%s,%s,%d,%02d,%.2f,%.3f,M,%.1f,M,," % (
                time_text, lat_field, lat_hemisphere, lon_field, lon_hemisphere, quality,
                min(len(used_all), 99), dop[1], height, GEOID)))
            epoch_lines.append(sentence("GNRMC,%s,A,%s,%s,%s,%s,%.3f,%.2f,%02d%02d%02d,,,%s" % (
                time_text, lat_field, lat_hemisphere, lon_field, lon_hemisphere, knots, course, day, month,
                year % 100, mode)))
            epoch_lines.append(sentence("GNVTG,%.2f,T,,M,%.3f,N,%.3f,K,%s" % (course, knots, kmh, mode)))
        else:
            epoch_lines.append(sentence("GNGGA,%s,,,,,0,%02d,,,,,,," % (time_text, len(used_all))))
            epoch_lines.append(sentence("GNRMC,%s,V,,,,,,,%02d%02d%02d,,,N" % (time_text, day, month, year % 100)))
            epoch_lines.append(sentence("GNVTG,,T,,M,,N,,K,N"))

        for system in sky:
            numbers = ["%02d" % r[0].number for r in used[system.talker][:12]] if fix else []
            numbers += [""] * (12 - len(numbers))
            if fix:
                dop_text = "%.2f,%.2f,%.2f" % dop
            else:
                dop_text = ",,"
            epoch_lines.append(sentence("%sGSA,A,%d,%s,%s,%d" % (system.talker, 3 if fix else 1, ",".join(numbers),
                                                                 dop_text, system.system_id)))

        if epoch % EPOCHS_PER_SECOND == 0:
            for system in sky:
                for band in (0, SECONDARY_BAND[system.talker]):
                    entries = []
                    for s, elevation, azimuth, densities in tracked[system.talker]:
                        if band in densities:
                            entries.append((s.number + band, int(round(elevation)), int(round(azimuth)) % 360,
                                            densities[band]))
                    if entries:
                        epoch_lines.extend(gsv_series(system.talker, entries))

        if fix:
            sigma_n = abs(rng.gauss(1.1, 0.05)) * (2.0 if settling else 1.0)
            sigma_e = abs(rng.gauss(0.85, 0.05)) * (2.0 if settling else 1.0)
            sigma_u = abs(rng.gauss(2.1, 0.1)) * (2.0 if settling else 1.0)
            epoch_lines.append(sentence("GNGST,%s,%.2f,%.2f,%.2f,%.1f,%.2f,%.2f,%.2f" % (
                time_text, math.hypot(sigma_n, sigma_e) * 0.8, max(sigma_n, sigma_e) * 1.05, min(sigma_n, sigma_e),
                rng.uniform(5.0, 20.0), sigma_n, sigma_e, sigma_u)))
        else:
            epoch_lines.append(sentence("GNGST,%s,,,,,,," % time_text))

        epoch_lines.append(sentence("GNZDA,%s,%02d,%02d,%04d,00,00" % (time_text, day, month, year)))

        if fix and not settling:
            yaw = (137.2 + yaw_wander.step() + rng.gauss(0.0, 0.05)) % 360.0
            pitch = 1.15 + rng.gauss(0.0, 0.08)
            roll = -0.42 + rng.gauss(0.0, 0.08)
            epoch_lines.append(sentence("GNHDG,%.3f,%.2f,%.2f,%.2f,%d,%.2f,4" % (
                1.503 + rng.gauss(0.0, 0.002), yaw, pitch, roll, min(len(used_all), 99), 0.12 + abs(rng.gauss(0, 0.02)))))
        else:
            yaw_wander.step()
            epoch_lines.append(sentence("GNHDG,,,,,,,0"))

        for index, line in enumerate(epoch_lines):
            kind = damage.get((epoch, index))
            if kind:
                line = corrupt(rng, line, kind)
            out.write(line.encode("ascii", "replace"))
            # A cut line has no line end of its own: it and the next sentence are one line.
            lines_written += line.count("\n")
    return lines_written


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: make_sample_log.py OUTPUT\n")
        return 2
    with open(sys.argv[1], "wb") as out:
        count = generate(out)
    sys.stderr.write("%s: %d lines\n" % (sys.argv[1], count))
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Checks the golden CSV files of the end-to-end tests against an independent model.

For every <name>.bin in the golden folder this script decodes the log file itself (big-endian
blocks and records), computes every value with the calibration, unit and derived value formulas
written out below, formats each cell and each header report line, and compares the result with
<name>.bin.csv cell by cell. It shares no code with the converter. Values reach their cells
through value maps that hold doubles as text with 15 significant digits; q() models that.

    check_golden.py [--derived-pending] <golden folder>

--derived-pending accepts the empty-field text where a derived value (a value computed from other
values, such as DEPTH_FEET or CTX_SALINITY) is expected, for a tree in which the derived value
functions are not written yet. Every other cell must match in any case.

The report's "generated" time and the time of an Event record stored without its seconds are
"now", fixed by PELCON_NOW in the test: NOW below.
"""

import csv
import math
import os
import struct
import sys
from fractions import Fraction

NOW = (2024, 5, 6, 7, 8, 9)
EMPTY = "-----"

# (display name, value name) in template order.
COLUMNS = [
    ("Temperature (C)", "DEGREES_C"), ("Temperature (F)", "DEGREES_F"), ("pH", "PH"),
    ("ORP (V)", "ORP_VOLTS"), ("ORP (mv)", "ORP_MILLIVOLTS"), ("Ammonium (ppm)", "NH4_PPM"),
    ("Chloride (ppm)", "CL_PPM"), ("Nitrate (ppm)", "NO3_PPM"),
    ("Turbidity (NTU)", "TURB_NTU_USER"), ("Turbidity (FNU)", "TURB_NTU_USER"),
    ("Battery (volts)", "BATT_V_USER"), ("Clark DO (mg/L)", "DO_MILLIGRAMS"),
    ("Clark DO (ug/L)", "DO_MICROGRAMS"), ("Clark DO (micromoles/L)", "DO_MICROMOLES"),
    ("Clark DO (%Saturation)", "DO_PERCENTAGE"), ("OPD (mg/L)", "OPD_MILLIGRAMS"),
    ("OPD (ug/L)", "OPD_MICROGRAMS"), ("OPD (micromoles/L)", "OPD_MICROMOLES"),
    ("OPD (%Saturation)", "OPD_PERCENTAGE"), ("Conductivity (mS Actual)", "CTX_MILLISIEMENS"),
    ("Conductivity (\xb5S Actual)", "CTX_MICROSIEMENS"),
    ("Conductivity (Salinity PSU)", "CTX_SALINITY"), ("Conductivity (mg/L TDS)", "CTX_TDS"),
    ("Conductivity (Resistance)", "CTX_RESISTANCE"), ("Conductivity (OHMS)", "CTX_OHMS"),
    ("Conductivity (Spec Cond - \xb5S)", "CTX_SPEC_COND"),
    ("Conductivity (Spec Cond - mS)", "CTX_SPEC_COND_MIL"), ("Pressure (kPa)", "KPASCALS"),
    ("Pressure (PSI)", "PSI"), ("Barometric (PSI)", "BARO_PSI"), ("Barometric (Bars)", "BARO_BARS"),
    ("Barometric (milliBars)", "BARO_MILLIBARS"), ("Barometric (cm H2O)", "BARO_CM_OF_H2O"),
    ("Barometric (mm Hg)", "BARO_MM_HG"), ("Barometric (in Hg)", "BARO_INCHES_HG"),
    ("Level/Depth (ft)", "DEPTH_FEET"), ("Level/Depth (m)", "DEPTH_METERS"),
    ("Level/Depth (cm)", "DEPTH_CENTIMETERS"), ("Level/Depth (in)", "DEPTH_INCHES"),
    ("Level/Depth Surface (ft)", "DEPTH_SURFACE_FEET"),
    ("Level/Depth Surface (m)", "DEPTH_SURFACE_METERS"),
    ("Level/Depth Surface (cm)", "DEPTH_SURFACE_CENTIMETERS"),
    ("Level/Depth Surface (in)", "DEPTH_SURFACE_INCHES"), ("Level/Depth TOC (ft)", "DEPTH_TOC_FEET"),
    ("Level/Depth TOC (m)", "DEPTH_TOC_METERS"), ("Level/Depth TOC (cm)", "DEPTH_TOC_CENTIMETERS"),
    ("Level/Depth TOC (in)", "DEPTH_TOC_INCHES"), ("Time - Time Stamp", "TIMESTAMP"),
    ("Time - Elapsed (Days)", "ELAPSED_DAYS"), ("Time - Elapsed (Hours)", "ELAPSED_HOURS"),
    ("Time - Elapsed (Minutes)", "ELAPSED_MINUTES"), ("Time - Elapsed (Seconds)", "ELAPSED_SECONDS"),
    ("Site - Test Name", "Test Name"), ("Site - Unit Name", "Device Name"),
]

# Output format and significant digits of each column's value.
FORMATS = {
    "DEGREES_C": ("%.2f", -1), "DEGREES_F": ("%.2f", -1), "PH": ("%.2f", -1),
    "ORP_VOLTS": ("%.2f", -1), "ORP_MILLIVOLTS": ("%.0f", -1), "NH4_PPM": ("%.2f", -1),
    "CL_PPM": ("%.2f", -1), "NO3_PPM": ("%.2f", -1), "TURB_NTU_USER": ("%.2f", 4),
    "BATT_V_USER": ("%.3f", 4), "DO_MILLIGRAMS": ("%.2f", -1), "DO_MICROGRAMS": ("%.0f", -1),
    "DO_MICROMOLES": ("%.2f", -1), "DO_PERCENTAGE": ("%.1f", -1), "OPD_MILLIGRAMS": ("%.2f", -1),
    "OPD_MICROGRAMS": ("%.0f", -1), "OPD_MICROMOLES": ("%.2f", -1), "OPD_PERCENTAGE": ("%.1f", -1),
    "CTX_MILLISIEMENS": ("%.5f", 4), "CTX_MICROSIEMENS": ("%.0f", 4), "CTX_SALINITY": ("%.2f", -1),
    "CTX_TDS": ("%.2f", 4), "CTX_RESISTANCE": ("%.2f", -1), "CTX_OHMS": ("%.2f", -1),
    "CTX_SPEC_COND": ("%.0f", 4), "CTX_SPEC_COND_MIL": ("%.0f", 4), "KPASCALS": ("%.3f", -1),
    "PSI": ("%.3f", -1), "BARO_PSI": ("%.3f", -1), "BARO_BARS": ("%.3f", 4),
    "BARO_MILLIBARS": ("%.3f", 4), "BARO_CM_OF_H2O": ("%.3f", 4), "BARO_MM_HG": ("%.3f", 4),
    "BARO_INCHES_HG": ("%.3f", 4), "TIMESTAMP": ("DATETIME", -1),
}
for _name in ("DEPTH_FEET", "DEPTH_METERS", "DEPTH_CENTIMETERS", "DEPTH_INCHES"):
    for _prefix in ("DEPTH_", "DEPTH_SURFACE_", "DEPTH_TOC_"):
        FORMATS[_name.replace("DEPTH_", _prefix)] = ("%.3f", -1)
for _name in ("ELAPSED_DAYS", "ELAPSED_HOURS", "ELAPSED_MINUTES", "ELAPSED_SECONDS"):
    FORMATS[_name] = ("%.2f", -1)

DERIVED = {
    "ELAPSED_DAYS", "ELAPSED_HOURS", "ELAPSED_MINUTES", "ELAPSED_SECONDS", "DEGREES_F", "KPASCALS",
    "CTX_MILLISIEMENS", "CTX_SALINITY", "CTX_TDS", "CTX_RESISTANCE", "CTX_SPEC_COND",
    "CTX_SPEC_COND_MIL", "BARO_BARS", "BARO_MILLIBARS", "BARO_CM_OF_H2O", "BARO_MM_HG",
    "BARO_INCHES_HG", "ORP_VOLTS", "DO_MICROGRAMS", "DO_MICROMOLES", "DO_PERCENTAGE",
    "OPD_MICROGRAMS", "OPD_MICROMOLES", "OPD_PERCENTAGE",
} | {n for n in FORMATS if n.startswith("DEPTH_")}

# Port channel codes: BASE name and coefficient set.
PORT_CHANNELS = {11: ("BASE_ISEA1", 6), 12: ("BASE_ISEA2", 7), 21: ("BASE_DOISE", 12),
                 25: ("BASE_DO", 16), 31: ("BASE_ISEB1", 8), 32: ("BASE_ISEB2", 9),
                 41: ("BASE_GISE1", 10), 42: ("BASE_GISE2", 11)}
# The generic USER names of the parameter types.
USER_GENERIC = {4: "PH", 7: "DO_MILLIGRAMS", 8: "ORP_MILLIVOLTS", 13: "NH4_PPM", 16: "CL_PPM",
                17: "NO3_PPM"}

BLOCK_SIZES = {1: 36, 2: 37, 3: 42, 4: 38, 30: 22, 31: 96, 32: 19, 35: 46, 57: 72, 58: 28,
               72: 1244, 73: 119, 74: 72, 76: 916, 83: 115, 85: 23, 86: 252, 89: 189, 91: 19,
               92: 19, 93: 29, 100: 9, 102: 105}

# Elapsed days of the first records of a Logarithmic test (the start of the schedule).
LOG_SCHEDULE = [0.0, 3.47e-06, 6.94e-06, 1.042e-05, 1.389e-05, 1.736e-05, 2.083e-05, 2.431e-05]


def f32(x):
    return struct.unpack(">f", struct.pack(">f", x))[0]


def q(x):
    """A double after a trip through the text of a value map, which keeps 15 digits."""
    return float("%.15g" % x)


# --- Reading the file ------------------------------------------------------------------------

class Block:
    def __init__(self, data):
        self.data = data

    def u8(self, at):
        return self.data[at]

    def u16(self, at):
        return struct.unpack_from(">H", self.data, at)[0]

    def u32(self, at):
        return struct.unpack_from(">I", self.data, at)[0]

    def f(self, at):
        return struct.unpack_from(">f", self.data, at)[0]

    def floats(self, at, count):
        return [self.f(at + 4 * k) for k in range(count)]

    def text(self, at, width):
        raw = self.data[at:at + width]
        return raw.split(b"\0", 1)[0].decode("latin-1")

    def stamp(self, at):  # year, month, day, hour, minute, second
        return (self.u16(at),) + tuple(self.data[at + 2:at + 7])


class Log:
    def __init__(self, data):
        self.blocks = {}
        pos = 0
        while pos < len(data) and data[pos] in BLOCK_SIZES and data[pos] not in self.blocks:
            kind = data[pos]
            size = BLOCK_SIZES[kind]
            if kind <= 4:
                count = max(data[pos + size - 3], 2)
                size += count - 2
                self.blocks[kind] = Block(data[pos:pos + size])
                self.start_stamp = Block(data[pos + size:pos + size + 8]).stamp(0)
                self.test_type = kind
                self.codes = list(data[pos + size - count:pos + size])
                size += 8
            else:
                self.blocks[kind] = Block(data[pos:pos + size])
            pos += size
        end = len(data)
        self.trailer = None
        if data[-1] in (101, 103):
            size = 17 if data[-1] == 101 else 25
            if struct.unpack_from(">H", data, end - size)[0] in (0x8001, 0x8003):
                self.trailer = Block(data[end - size:])
                end -= size
        self.device = self.blocks[57].u8(1)
        self.lodax = 20 <= self.device <= 28
        self.vorta = 30 <= self.device <= 40
        if self.lodax:
            self.value_codes = [100, 3 if self.device == 28 else 2]
        else:
            expand = {4: [151, 150], 45: [146, 147, 148], 16: [160, 161, 162, 163],
                      36: [160, 161, 162, 163], 17: [170], 37: [170], 2: [101, 2]}
            self.value_codes = [100]
            for code in self.codes:
                self.value_codes += expand.get(code, [code])
        event = self.test_type == 3
        record_size = 2 * len(self.value_codes) + (4 if event else 0)
        self.records = []
        for at in range(pos, end - record_size + 1, record_size):
            seconds = struct.unpack_from(">I", data, at)[0] if event else 0
            values = struct.unpack_from(">%dH" % len(self.value_codes), data,
                                        at + (4 if event else 0))
            self.records.append((seconds, dict(zip(self.value_codes, values))))


# --- Calendar ----------------------------------------------------------------------------------

def days_in_month(year, month):
    if month > 12:
        month = (month - 1) % 12 + 1
    if month == 2:
        return 29 if (year % 400 == 0 or (year % 4 == 0 and year % 100 != 0)) else 28
    return 30 if month in (4, 6, 9, 11) else 31


def round_ms(fraction):
    """Rounds a day fraction to whole milliseconds; an exact half stays as it is."""
    ms = fraction * 86400000.0
    whole = math.floor(ms)
    if ms - whole < 0.5:
        return whole / 86400000.0
    if ms - whole > 0.5:
        return (whole + 1) / 86400000.0
    return fraction


def to_julian(year, month, day, hour, minute, second, ms=0):
    h = hour + minute / 60.0 + second / 3600.0 + ms / 3600000.0
    y, m = year, month
    s = 1 if 100 * y + m - 190002.5 > 0 else -1
    j = (367 * y - math.floor(7 * (y + math.floor((m + 9) / 12)) / 4) + math.floor(275 * m / 9)
         + day + h / 24 + 1721013.5 - 0.5 * s + 0.5)
    whole = math.floor(j)
    return whole + round_ms(j - whole)


def from_julian(j):
    z = math.floor(j + 0.5)
    f = (j + 0.5) - z
    if z >= 2299161:
        alpha = math.floor((z - 1867216.25) * (1 / 36524.25))
        a = z + 1 + alpha - math.floor(alpha / 4)
    else:
        a = z
    b = a + 1524
    k = math.floor((b - 122.1) * (1 / 365.25))
    d = math.floor(365.25 * k)
    e = math.floor((b - d) * (1 / 30.6001))
    day = b - d - math.floor(30.6001 * e) + f
    month = e - 13 if e >= 13.5 else e - 1
    year = k - 4716 if month > 2.5 else k - 4715
    f = day - math.floor(day)
    hour = math.floor(24 * f)
    f -= hour / 24
    minute = math.floor(1440 * f)
    f -= minute / 1440
    second = math.floor(86400 * f)
    f -= second / 86400
    one_ms = 1 / 86400000.0
    f = round_ms(f) if f > one_ms else f + one_ms / 2
    ms = int(f * 86400000 + 1e-9)
    fields = [int(year), int(month), int(day), int(hour), int(minute), int(second), ms]
    # Carry overflowing fields upward.
    fields[5] += fields[6] // 1000
    fields[6] %= 1000
    fields[4] += fields[5] // 60
    fields[5] %= 60
    fields[3] += fields[4] // 60
    fields[4] %= 60
    fields[2] += fields[3] // 24
    fields[3] %= 24
    while fields[2] > days_in_month(fields[0], fields[1]):
        fields[2] -= days_in_month(fields[0], fields[1])
        fields[1] += 1
        if fields[1] > 12:
            fields[1] -= 12
            fields[0] += 1
    return fields


# --- Stage values --------------------------------------------------------------------------------

def cubic(c, x):
    return float(sum(Fraction(c[k]) * Fraction(x) ** k for k in range(4)))


def bicubic(c, x, y):
    return float(sum(Fraction(c[4 * i + j]) * Fraction(x) ** i * Fraction(y) ** j
                     for i in range(4) for j in range(4)))


def duration_days(block, at):
    d = block.data[at:at + 5]
    return d[0] + d[1] / 24.0 + d[2] / 1440.0 + d[3] / 86400.0 + d[4] / 8640000.0


class Values:
    """The stage and root values of a file; each record gives a dict of named values."""

    def __init__(self, log):
        self.log = log
        b35 = log.blocks[35]
        self.root = {
            "DENSITY": b35.f(42), "SPECIFIC_GRAVITY": b35.f(31), "ELEVATION": b35.f(38),
            "LATITUDE": float(b35.u8(36)), "USER_REFERENCE": b35.f(23),
            "NOW_REFERENCE": b35.f(27), "WHENTOREAD_REF": b35.u8(35),
        }
        self.start = to_julian(*log.start_stamp)
        if log.vorta:
            b72 = log.blocks[72]
            self.F = b72.floats(32, 303)
            self.board = b72.floats(11, 4)
            self.pressure_reference = b72.f(27)
            self.b73 = log.blocks[73].floats(37, 16)
            b58 = log.blocks.get(58)
            self.fixed_baro = (b58.u8(27) == 1, b58.f(23)) if b58 else (False, 14.0)
        else:
            self.pressure_reference = 0.0
        first = self.base(log.records[0][1]) if log.records else {}
        pressure = first.get("BASE_PXD")
        self.root["START_OF_TEST_REF"] = (
            None if pressure is None else pressure - self.pressure_reference)

    def S(self, a):
        return self.F[31 + 16 * a:31 + 16 * a + 16]

    def base(self, raw):
        """BASE values of one record's readings."""
        log = self.log
        B = float(raw[100])
        out = {}
        if log.lodax:
            b31 = log.blocks[31]
            out["BASE_RTD"] = cubic(b31.floats(80, 4), B)
            for code, name in ((2, "BASE_PXD"), (3, "BASE_BARO")):
                if code in raw:
                    out[name] = bicubic(b31.floats(14, 16), float(raw[code]), B)
            return out
        if 1 in raw:
            out["BASE_RTD"] = self.temperature(raw, B)
        if 2 in raw and 101 in raw:
            u = bicubic(self.S(2), float(raw[2]), B)
            v = bicubic(self.S(1), float(raw[101]), B)
            out["BASE_PXD"] = bicubic(self.b73, u, v)
        if 3 in raw:
            fixed, value = self.fixed_baro
            out["BASE_BARO"] = value if fixed else bicubic(self.F[0:16], float(raw[3]), B)
        if 5 in raw:
            out["BASE_BATT_V"] = float(raw[5]) * 0.001
        if 146 in raw:
            low, middle, high = raw[146], raw[147], raw[148]
            if high == 0xFFFF:
                x, a, q = (middle, 14, self.F[23:27]) if middle < 0xFFFF else (low, 13, self.F[19:23])
            else:
                x, a, q = high, 15, self.F[27:31]
            u = 1e6 / bicubic(self.S(a), float(x), B)
            out["BASE_COND"] = 1e6 / cubic(q, u)
        for code, (name, a) in PORT_CHANNELS.items():
            if code in raw:
                out[name] = bicubic(self.S(a), float(raw[code]), B)
        if 170 in raw:
            o = self.optical_constants()
            out["BASE_OPD_DO"] = (float(raw[170]) - o[1]) * 0.0319988 / o[0]
        if 150 in raw and 151 in raw and 1 in raw:
            out["BASE_TURB"] = self.turbidity(raw, B)
        return out

    def optical_constants(self):
        o = self.F[111:121]
        if not 100 <= o[4] <= 800:
            o = [100.0, 5000.0, 1191.5450439453125, 5957.72705078125, 728.1666870117188, 0.0,
                 100.0, 0.0] + o[8:10]
        return o

    def turbidity(self, raw, B):
        t = self.temperature(raw, B)
        block = self.log.blocks[86]

        def ranged(value, count, groups, pairs, above_all):
            f2 = [block.f(groups + 13 * i + 5) for i in range(5)]
            pair = [(block.f(pairs + 8 * i), block.f(pairs + 8 * i + 4)) for i in range(4)]
            if count < 2:
                chosen = 0
            else:
                chosen = next((i for i in range(count - 1) if value <= f2[i + 1]), above_all)
            return value * pair[chosen][0] + pair[chosen][1]

        low_count, k1, k2 = block.u8(138), block.f(244), block.f(248)
        u = f32(bicubic(self.S(3), float(raw[150]), B) / ((t - 25) * k1 + (t * t - 625) * k2 + 1))
        if raw[150] != 0 and u <= block.f(139 + 13 * (low_count - 1) + 5):
            return ranged(u, low_count, 139, 204, None)
        high_count, k1, k2 = block.u8(29), block.f(236), block.f(240)
        w = f32(bicubic(self.S(4), float(raw[151]), B) / ((t - 25) * k1 + (t * t - 625) * k2 + 1))
        return ranged(w, high_count, 30, 95, high_count - 2)

    def temperature(self, raw, B):
        r0, a, bc = self.F[16], self.F[17], self.F[18]
        u = bicubic(self.S(0), float(raw[1]), B)
        return (math.sqrt(a * a - 4 * bc * (1 - u / r0)) - a) / (2 * bc)

    def user(self, base):
        """USER values (rounded to single precision) from the BASE values."""
        out = {}
        for name in ("RTD", "BARO", "BATT_V"):
            if "BASE_" + name in base:
                out["USER_" + name] = f32(base["BASE_" + name])
        if self.log.lodax:
            if "BASE_PXD" in base:
                out["USER_PXD"] = f32(base["BASE_PXD"])
            return out
        if "BASE_RTD" not in base:
            return out
        if "BASE_PXD" in base:  # type 3: minus the pressure reference
            out["USER_PXD"] = f32(base["BASE_PXD"] - self.pressure_reference)
        if "BASE_COND" in base:  # type 5, the first channel record of port 4
            slope = self.port_record(4, first=True).f(90 + 8)
            out["USER_COND"] = f32(1e6 / base["BASE_COND"] * slope)
        t = base["BASE_RTD"]
        for code, (name, _) in PORT_CHANNELS.items():
            if name in base:
                record = self.port_record(code // 10, first=code % 10 != 2)
                out[name.replace("BASE_", "USER_")] = f32(
                    user_value(base[name], t, record.u8(1), record, self.pressure_reference))
        if "BASE_TURB" in base:
            record = Block(self.log.blocks[83].data[1:115])
            out["USER_TURB"] = f32(user_value(base["BASE_TURB"], t, 22, record, 0.0))
        if "BASE_OPD_DO" in base:  # type 28: as it is
            out["USER_OPD2_DO"] = f32(base["BASE_OPD_DO"])
        return out

    def parameter_type(self, code):
        return self.port_record(code // 10, first=code % 10 != 2).u8(1)

    def port_record(self, port, first):
        entry = (port - 1) * 229
        at = entry + (1 if first else 115)
        return Block(self.log.blocks[76].data[at:at + 114])

    def record_time(self, index, seconds):
        log = self.log
        kind = log.test_type
        if kind == 1:
            return self.start + index * duration_days(log.blocks[1], 28)
        if kind == 4:
            return self.start + index * duration_days(log.blocks[4], 30)
        if kind == 2:
            d = duration_days(log.blocks[2], 28)
            k = min(max(math.floor(40 * math.log10(d * 86400) + 39.9653), 1), 218)
            assert index < k and index < len(LOG_SCHEDULE), "extend LOG_SCHEDULE"
            return self.start + LOG_SCHEDULE[index]
        if seconds > 0:
            return self.start + seconds / 86400.0
        return self.start if index == 0 else to_julian(*NOW)

    def record(self, index):
        seconds, raw = self.log.records[index]
        base = self.base(raw)
        user = self.user(base)
        v = {name: value if value is None or isinstance(value, int) else q(value)
             for name, value in self.root.items()}
        v["STARTTIME"] = q(self.start)
        v["TIMESTAMP"] = q(self.record_time(index, seconds))
        # Generic names bound to the first stage value of their kind.
        for generic, stage in (("DEGREES_C", base.get("BASE_RTD")), ("PSI", user.get("USER_PXD")),
                               ("BARO_PSI", base.get("BASE_BARO")),
                               ("BATT_V_USER", user.get("USER_BATT_V")),
                               ("CTX_OHMS", base.get("BASE_COND")),
                               ("CTX_MICROSIEMENS", user.get("USER_COND")),
                               ("TURB_NTU_USER", user.get("USER_TURB")),
                               ("OPD_MILLIGRAMS", user.get("USER_OPD2_DO"))):
            if stage is not None:
                v[generic] = q(stage)
        # Port channels bind by the parameter type of their record, the first in slot order.
        for code, (name, _) in PORT_CHANNELS.items():
            generic = USER_GENERIC.get(self.parameter_type(code)) if self.log.vorta else None
            user_name = name.replace("BASE_", "USER_")
            if generic and generic not in v and user_name in user:
                v[generic] = q(user[user_name])
        derive(v)
        return v


# --- Derived values ----------------------------------------------------------------------------

def salinity(e, t):
    d = t - 15
    r = e / ((1 + 0.0191 * d) * 42933)
    f = d / (1 + 0.0162 * d)
    s = (0.008 - 0.1692 * r ** 0.5 + 25.3851 * r + 14.0941 * r ** 1.5 - 7.0261 * r ** 2
         + 2.7081 * r ** 2.5 + f * (0.0005 - 0.0056 * r ** 0.5 - 0.0066 * r - 0.0375 * r ** 1.5
                                    + 0.0636 * r ** 2 - 0.0144 * r ** 2.5))
    x, y = 400 * r, 100 * r
    return s - 0.008 / (1 + 1.5 * x + x * x) - 0.0005 * f / (1 + y ** 0.5 + y ** 1.5)


def saturation(x, t, b, s):
    p = b * 0.03342245989304812
    k = t + 273.15
    ts = math.log((f32(298.15) - t) / (f32(273.15) + t))
    ln_cs = (2.36611 + ts * (3.220504 + ts * (4.04547 + ts * (4.926837 + ts * (0.1016548 + ts
                                                                                 * 5.331768))))
             + s * (-0.00624609 + ts * (-0.007423444 + ts * (-0.01048635 + ts * -0.007987907)))
             - 4.679983e-7 * s * s)
    cs = math.exp(ln_cs)
    pwv = math.exp(11.8571 - 3840.7 / k - 216961 / (k * k))
    theta = 0.000975 - 1.426e-5 * t + 6.436e-8 * t * t
    cp = cs * p * ((1 - pwv / p) * (1 - theta * p)) / ((1 - pwv) * (1 - theta))
    return x / cp * 100


def user_value(a, t, kind, record, c):
    """The USER value of BASE value a with the field calibration record, by parameter type."""
    kelvin = f32(273.15)

    def kt(x):
        return (x + kelvin) / (t + kelvin)

    e, d = record.u8(10), record.u8(11)

    def group(i, k):  # k: 0 the byte, 1 to 3 the floats
        return record.u8(12 + 13 * i) if k == 0 else record.f(12 + 13 * i + 1 + 4 * (k - 1))

    def pair(i):
        return record.f(90 + 8 * i), record.f(90 + 8 * i + 4)

    if kind == 3:
        return a - c
    if kind == 4:
        if d < 3:
            return kt(group(0, 3)) * pair(0)[0] * a + pair(0)[1]
        if d == 3:
            if a > group(1, 2):
                return kt(group(1, 3)) * pair(0)[0] * a + pair(0)[1]
            return kt(group(2, 3)) * pair(1)[0] * a + pair(1)[1]
        return 0.0
    if kind == 5:
        return 1e6 / a * pair(1)[0]
    if kind == 7:
        if e == 7:
            h, tr = a * pair(0)[0] + pair(0)[1], group(0, 3)
            k = group(5, 1) if group(5, 0) == 70 else 0.0456
        elif e in (8, 9):
            h, tr, k = a * pair(e - 7)[0] + pair(e - 7)[1], group(e - 7, 3), 0.0456
        else:
            h, tr, k = a, 25.0, 0.0456
        return math.exp((tr - t) * k) * h
    if kind == 8:
        return a * pair(0)[0] + pair(0)[1]
    if kind in (13, 16, 17):
        sigma, rho = pair(0)
        if d == 3:
            sigma = kt(group(0, 3)) * pair(0)[0]
            rho = pair(0)[1] - group(3, 2) * (sigma - pair(0)[0])
        return 10 ** (a * sigma + rho)
    if kind == 22:
        if d == 3:
            chosen = 1 if a >= group(1, 2) else 0
        elif d == 4:
            chosen = 2 if a >= group(2, 2) else 1 if a >= group(1, 2) else 0
        elif d >= 5:
            return 0.0
        else:
            chosen = 0
        return a * pair(chosen)[0] + pair(chosen)[1]
    return a


def derive(v):
    """Adds the derived values. Each is stored through the value map's text (q), and each reads
    its origins as they were stored."""
    phi, h = v["LATITUDE"], v["ELEVATION"]
    g = 9.780356 * (1 + 0.0052885 * math.sin(phi * 0.01745329) ** 2
                    - 0.0000059 * math.sin(phi * 0.03490658) ** 2) - 0.003086 * (h * 0.001)
    g = q(g if 9.74 <= g <= 9.84 else 9.80665)
    if v["TIMESTAMP"] >= v["STARTTIME"]:
        days = q(v["TIMESTAMP"] - v["STARTTIME"])
        v.update(ELAPSED_DAYS=days, ELAPSED_HOURS=q(days * 24), ELAPSED_MINUTES=q(days * 1440),
                 ELAPSED_SECONDS=q(days * 86400))
    if "DEGREES_C" in v:
        v["DEGREES_F"] = q(v["DEGREES_C"] * 1.8 + 32)
    if "PSI" in v:
        p, rho, sg = v["PSI"], v["DENSITY"], v["SPECIFIC_GRAVITY"]
        v["KPASCALS"] = q(p * 6.894757)

        def level(x, divide):
            if rho != 0:
                return x * 6.894757 / (g * rho) * 3.280839895013123
            if divide and sg > 0:
                x = x / sg
            return x * 2.30667

        feet = level(p, True)
        n, u = level(v["NOW_REFERENCE"], True), level(v["USER_REFERENCE"], False)
        c = v["START_OF_TEST_REF"] if v["WHENTOREAD_REF"] != 0 else n
        for prefix, value in (("DEPTH_", feet), ("DEPTH_SURFACE_", u - (c - feet)),
                              ("DEPTH_TOC_", c - feet + u)):
            value = q(value)
            v[prefix + "FEET"] = value
            v[prefix + "METERS"] = q(value * 0.3048)
            v[prefix + "CENTIMETERS"] = q(value * 30.48)
            v[prefix + "INCHES"] = q(value * 12)
    if "CTX_MICROSIEMENS" in v and "DEGREES_C" in v:
        e, t = v["CTX_MICROSIEMENS"], f32(v["DEGREES_C"])
        sc = e / ((t - 25) * 0.0191 + 1)
        v.update(CTX_MILLISIEMENS=q(e * 0.001), CTX_SPEC_COND=q(sc), CTX_SPEC_COND_MIL=q(sc * 0.001),
                 CTX_TDS=q(sc * 0.65), CTX_RESISTANCE=q(1000 / e), CTX_SALINITY=q(salinity(e, t)))
    if "BARO_PSI" in v:
        x = v["BARO_PSI"]
        v.update(BARO_INCHES_HG=q(x * 2.036), BARO_BARS=q(x * 0.068948),
                 BARO_MILLIBARS=q(x * 68.948), BARO_CM_OF_H2O=q(x * 70.307),
                 BARO_MM_HG=q(x * 51.7144))
    if "ORP_MILLIVOLTS" in v:
        v["ORP_VOLTS"] = q(v["ORP_MILLIVOLTS"] * 0.001)
    for family in ("DO", "OPD"):
        x = v.get(family + "_MILLIGRAMS")
        if x is None:
            continue
        v[family + "_MICROGRAMS"] = q(x * 1000)
        v[family + "_MICROMOLES"] = q(x * 31.251172)
        if "DEGREES_C" in v and "BARO_INCHES_HG" in v:
            # A salinity that cannot be computed counts as 0.
            v[family + "_PERCENTAGE"] = q(saturation(x, f32(v["DEGREES_C"]),
                                                     f32(v["BARO_INCHES_HG"]),
                                                     f32(v.get("CTX_SALINITY", 0.0))))


# --- Formatting --------------------------------------------------------------------------------

def format_significant(x, n):
    c = 10.0 ** -n
    if x < c:
        x += c / 2
    r = float("%.*e" % (n - 1, x))
    t = "%f" % r
    k = n + (1 if abs(r) < 1 else 0) + (1 if r < 0 else 0)
    p = t.index(".")
    if k > p:
        p = k + 1
    return t[:p]


def cell_text(name, value):
    if value is None or (isinstance(value, float) and not math.isfinite(value)):
        return ""
    form, digits = FORMATS[name]
    if form == "DATETIME":
        y, mo, d, h, mi, s, _ = from_julian(value)
        return "%02d/%02d/%02d %02d:%02d:%02d" % (mo, d, y % 100, h, mi, s)
    if digits > 0:
        return format_significant(value, digits)
    return form % value


def field(text, separator=","):
    if separator in text or any(c in text for c in '"\r\n'):
        return '"' + text.replace('"', '""') + '"'
    return text


# --- The header report -------------------------------------------------------------------------

def report(log, values, csv_name):
    out = ['"Report generated",%04d/%02d/%02d %02d:%02d:%02d' % NOW,
           '"Report from file:",' + field(csv_name), "", ""]
    b57 = log.blocks[57]
    models = {28: "Pellum"}
    models.update({c: "Lodax Model %d" % (c - 19) for c in range(20, 28)})
    models.update({c: "Vorta Model %d" % (c - 29) for c in range(30, 41)})
    out += ['"Device type:", ' + models.get(log.device, "Unknown"),
            '"Serial number:",%d' % b57.u16(2), '"Firmware version:",%d' % b57.u16(14),
            '"Unit name:",' + field(b57.text(27, 17)), "", ""]

    definition = None
    for kind in (3, 1, 2, 4):
        block = log.blocks.get(kind)
        if block and block.u8(19) != 0:
            definition = block
    out.append('"Test name:",' + field(definition.text(2, 17) if definition else ""))

    def stamp_line(label, stamp):
        if stamp[0] != 0:
            out.append('"%s",%4d/%02d/%02d %02d:%02d:%02d' % ((label,) + stamp))

    if log.vorta:
        stamp_line("Test defined on:", log.blocks[102].stamp(1))
    elif log.lodax:
        b100 = log.blocks[100].data
        little = b100[1] | b100[2] << 8
        year = b100[1] << 8 | b100[2] if little > 2005 else little
        stamp_line("Test defined on:", (year,) + tuple(b100[3:8]))
    if definition:
        stamp_line("Test scheduled for:", definition.stamp(20))
    started = from_julian(values.start)
    out.append('"Test started on:",%4d/%02d/%02d %02d:%02d:%02d' % tuple(started[:6]))
    if log.trailer and (log.vorta or log.lodax):
        stamp_line("Test stopped on:", log.trailer.stamp(4))
    out += ["", ""]

    kind = log.test_type
    block = log.blocks[kind]
    names = {1: "Linear", 2: "Logarithmic", 3: "Event", 4: "Linear Average"}
    out.append('"Test type:",' + names[kind])
    out.append('"                         ","Days","Hours","Mins","Secs"')

    def interval(label, at):
        return '"%s","%d","%d","%d","%d"' % ((label,) + tuple(block.data[at:at + 4]))

    if kind == 1:
        out.append(interval("Time between data points:", 28))
    elif kind == 2:
        out.append(interval("Maximum time between data points:", 28))
    elif kind == 3:
        out.append(interval("Time between data points:", 34))
        d, h, m, s = block.data[34:38]
        total = ((((d * 24 + h) * 60 + m) * 60 + s) * block.u8(32)) % 2 ** 32
        out.append('"Time between default storages:","%d","%d","%d","%d"' % (
            total // 86400, total % 86400 // 3600, total % 3600 // 60, total % 60))
        out.append('"Monitoring data on channel",[%d]' % block.u8(33))
        out.append('"Data stored if delta value exceeds:",%5.2f' % block.f(28))
    else:
        out.append(interval("Time between data points:", 30))
        out.append('"Time between measurements:","%d",seconds.' % block.u8(28))
        out.append('"Measurement count:","%d"' % block.u8(29))
    out.append('"Number of data samples:",%d' % len(log.records))
    out += ["", ""]
    return out, definition.text(2, 17) if definition else "", b57.text(27, 17)


# --- Comparison --------------------------------------------------------------------------------

def check(path, derived_pending):
    with open(path, "rb") as f:
        log = Log(f.read())
    with open(path + ".csv", "rb") as f:
        golden = f.read().decode("latin-1")
    problems = []
    pending = 0
    if golden.replace("\r\n", "").count("\n") or golden.replace("\r\n", "").count("\r"):
        problems.append("a line does not end in CR LF")
    lines = golden.split("\r\n")
    if lines[-1] == "":
        lines.pop()
    values = Values(log)
    expected, test_name, unit_name = report(log, values, os.path.basename(path) + ".csv")
    expected.append(",".join(display for display, _ in COLUMNS))
    header_length = len(expected)
    for index in range(len(log.records)):
        v = values.record(index)
        cells = []
        for _, name in COLUMNS:
            if name == "Test Name":
                text = test_name
            elif name == "Device Name":
                text = unit_name
            else:
                text = cell_text(name, v.get(name))
            cells.append(text or EMPTY)
        expected.append(cells)
    if len(lines) != len(expected):
        problems.append("%d lines, expected %d" % (len(lines), len(expected)))
    for number, (got, want) in enumerate(zip(lines, expected), 1):
        if number <= header_length:
            if got != want:
                problems.append("line %d: %r, expected %r" % (number, got, want))
            continue
        got_cells = next(csv.reader([got]))
        if len(got_cells) != len(want):
            problems.append("line %d: %d cells, expected %d" % (number, len(got_cells), len(want)))
            continue
        line_pending = 0
        for (display, name), g, w in zip(COLUMNS, got_cells, want):
            if g == w:
                continue
            if derived_pending and name in DERIVED and g == EMPTY:
                line_pending += 1
                continue
            problems.append("line %d, %s: %r, expected %r" % (number, display, g, w))
        pending += line_pending
        # The quoting too.
        if not line_pending and got != ",".join(field(w) for w in want):
            problems.append("line %d is quoted differently: %r" % (number, got))
    return problems, pending, len(log.records) * len(COLUMNS)


def main(argv):
    derived_pending = "--derived-pending" in argv
    folders = [a for a in argv if not a.startswith("--")]
    if len(folders) != 1:
        print(__doc__)
        return 2
    failed = False
    for name in sorted(os.listdir(folders[0])):
        if not name.endswith(".bin"):
            continue
        problems, pending, cells = check(os.path.join(folders[0], name), derived_pending)
        note = " (%d derived cells pending)" % pending if pending else ""
        print("%s: %s%s" % (name, "FAILED" if problems else "ok, %d cells" % cells, note))
        for problem in problems:
            print("  " + problem)
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

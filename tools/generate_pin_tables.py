#!/usr/bin/env python3
"""Generate the eight package pin tables of the Artix-7 driver from the vendor's package files.

Usage:  python3 tools/generate_pin_tables.py [--vendor DIR] [--out DIR]

    --vendor  the vendor data folder (default: ../shared/vendor beside the source tree)
    --out     where the tables are written (default: devices/ of the source tree)

Standard library only; the output depends on nothing but the input files (no dates, no paths
of this machine), so regenerating gives byte-identical files.

Sources, best first, per package (the first one present is used):

  1. packages/<device>pkg.txt or .csv   the vendor's package file (fixed-width text or CSV)
  2. packages/nonpristine/<device>pkg.txt  a vendor file whose column-title line was edited
                                        by its publisher; the data rows are the vendor's
  3. packages/derived/<device>_pin_inventory.json  a third-party table made from the vendor
                                        file (ball, name, bank, I/O type; incomplete)
  4. packages/from_kicad/<device>_balls.csv  a ball list taken from an open symbol library
                                        (ball and name only; incomplete)

Every package is cross-checked against prjxray_package_pins/<device>_package_pins.csv: its
I/O balls (names beginning with IO_) must be exactly the I/O balls listed there, and every
ball listed there must carry the same name and bank in the source. Any disagreement, an
unreadable data row, a repeated ball or a wrong ball count stops the generator with a message
and exit code 1; nothing is written then.

Derivation rules (one table row per ball; the name is split into segments at '_'):

  row order   the I/O balls in source order, then every other ball in source order
  bank        the Bank column; "NA", "NOPAD/UNCONNECTED" and an empty cell give no bank.
              A ball list without a Bank column takes the trailing `_<digits>` of the name
              (VCCO_14 -> 14, TDI_0 -> 0, GND -> none). Where a Bank column exists, the name
              suffix must agree with it.
  I/O pin     (bit 0) the name begins with IO_
  pair        an I/O name with a segment L<n>P or L<n>N: pair n of its bank, differential
              positive (bit 7) or negative (bit 8); an unpaired L pin keeps its flag and pair.
              A transceiver data pin MGTPTXP<n>, MGTPTXN<n>, MGTPRXP<n>, MGTPRXN<n>: pair n,
              differential and high-speed differential positive (bits 7, 9) or negative
              (bits 8, 10). Transceiver reference clocks are not pairs of the table.
  VREF pin    (bit 1) a segment beginning with VREF (IO_..._VREF_nn, VREFP_0, VREFN_0)
  clock pin   (bit 2) a segment MRCC, SRCC or EMCCLK
  DLL pin     (bit 15) a segment MRCC or SRCC (the clock-region clock inputs)
  special     (bit 3) an I/O name that carries a configuration function besides its I/O
              role: a segment D<nn>, A<nn>, RS<n>, MOSI, DIN, PUDC, EMCCLK, FCS, RDWR,
              CSO, DOUT, CSI, ADV, FOE or FWE
  bit 14      set on every row (the clock-differential-negative flag of these tables)
  bits 4, 5, 6, 11, 12, 13  never derived
  standards   an I/O pin with a pair: all 37; any other I/O pin: the 19 single-ended
              standards (IDs 18-36); a ball that is not an I/O pin: none
  clock pair  empty in every row

  PinCount = rows, IOCount = I/O pins, DiffCount = differential-positive pins,
  HSpeedDiffCount = high-speed differential-positive pins; the package's standards: all 37.

Exceptions to these rules are listed in EXCEPTIONS below, each with the figure it serves.
"""

import argparse
import csv
import hashlib
import io
import json
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_ROOT = os.path.dirname(HERE)

# Device name in the vendor's files -> (pin set, ball count, description for the header).
PIN_SETS = [
    ("xc7a100tcsg324", "XC7A100TCS324", 324),
    ("xc7a100tfgg484", "XC7A100TFG484", 484),
    ("xc7a100tfgg676", "XC7A100TFG676", 676),
    ("xc7a100tftg256", "XC7A100TFT256", 256),
    ("xc7a200tfbg676", "XC7A200TFB676", 676),
    ("xc7a200tffg1156", "XC7A200TFF1156", 1156),
    ("xc7a200tfbg484", "XC7A200TFB484", 484),
    ("xc7a200tsbg484", "XC7A200TSB484", 484),
]

# Pin sets whose transceiver pins carry no differential flags and no pair: the tables of the
# two XC7A200T 484-ball packages report no high-speed pairs although their vendor files list
# the GTP transceiver balls of bank 216.
EXCEPTIONS = {
    # pin set: (what differs, the check figures that need it)
    "XC7A200TFB484": ("transceiver pins without differential flags",
                      "h.s. diff. pos./neg. 0, diff. pos./neg. 137, DiffCount 137, HSpeedDiffCount 0"),
    "XC7A200TSB484": ("transceiver pins without differential flags",
                      "h.s. diff. pos./neg. 0, diff. pos./neg. 137, DiffCount 137, HSpeedDiffCount 0"),
}

BALL_RE = re.compile(r"^[A-Z]{1,2}[0-9]{1,2}$")
NO_BANK = {"", "NA", "NOPAD/UNCONNECTED"}
PAIR_RE = re.compile(r"^L(\d+)([PN])$")
TRANSCEIVER_RE = re.compile(r"^MGTP[TR]X([PN])(\d+)$")
SPECIAL_RE = re.compile(r"^(D\d\d|A\d\d|RS\d|MOSI|DIN|PUDC|EMCCLK|FCS|RDWR|CSO|DOUT|CSI|ADV|FOE|FWE)$")
CLOCK_SEGMENTS = {"MRCC", "SRCC", "EMCCLK"}
DLL_SEGMENTS = {"MRCC", "SRCC"}

BIT_IO, BIT_VREF, BIT_CLK, BIT_SPECIAL = 0, 1, 2, 3
BIT_DIFF_P, BIT_DIFF_N, BIT_HDIFF_P, BIT_HDIFF_N = 7, 8, 9, 10
BIT_CLK_DIFF_N, BIT_DLL = 14, 15

STD_ALL, STD_SINGLE_ENDED, STD_NONE = "A", "S", "N"


class SourceError(Exception):
    pass


class Ball:
    def __init__(self, ball, name, bank_column):
        self.ball = ball
        self.name = name
        self.bank_column = bank_column  # None when the source has no Bank column


class Source:
    def __init__(self, path, kind, complete, missing, balls):
        self.path = path
        self.kind = kind
        self.complete = complete
        self.missing = missing
        self.balls = balls


def read_text(path):
    with open(path, "rb") as f:
        return f.read().decode("latin-1")


def sha256_of(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def parse_vendor_text(path):
    """Fixed-width vendor file: title lines, a column-title line beginning 'Pin', data rows
    of eight blank-separated columns, an optional 'Total Number of Pins' footer."""
    balls, total, in_data = [], None, False
    for number, line in enumerate(read_text(path).splitlines(), 1):
        fields = line.split()
        if not fields:
            continue
        if not in_data:
            in_data = fields[0] == "Pin"
            continue
        if line.strip().startswith("Total Number of Pins"):
            total = int(re.findall(r"\d+", line)[0])
            continue
        if len(fields) != 8 or not BALL_RE.match(fields[0]):
            raise SourceError("%s:%d: not a data row: %r" % (path, number, line.strip()))
        balls.append(Ball(fields[0], fields[1], fields[3]))
    return balls, total


def parse_vendor_csv(path):
    balls, total, in_data = [], None, False
    for number, record in enumerate(csv.reader(io.StringIO(read_text(path))), 1):
        cells = [c.strip() for c in record]
        if not any(cells):
            continue
        if not in_data:
            in_data = cells[0] == "Pin"
            continue
        if cells[0].startswith("Total Number of Pins"):
            total = int(re.findall(r"\d+", ",".join(cells))[0])
            continue
        if len(cells) != 8 or not BALL_RE.match(cells[0]):
            raise SourceError("%s:%d: not a data row: %r" % (path, number, ",".join(cells)))
        balls.append(Ball(cells[0], cells[1], cells[3]))
    return balls, total


def parse_inventory_json(path):
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    return [Ball(p["pin"], p["name"], p["bank"]) for p in data["pins"]], data.get("pin_count")


def parse_ball_list(path):
    with open(path, newline="", encoding="utf-8") as f:
        return [Ball(r["Pin"], r["Pin Name"], None) for r in csv.DictReader(f)], None


def find_source(vendor, device):
    pk = os.path.join(vendor, "packages")
    candidates = [
        (os.path.join(pk, device + "pkg.txt"), "vendor package file", True, "", parse_vendor_text),
        (os.path.join(pk, device + "pkg.csv"), "vendor package file (CSV form)", True, "", parse_vendor_csv),
        (os.path.join(pk, "nonpristine", device + "pkg.txt"),
         "vendor package file whose column-title line its publisher edited (data rows intact)", True, "",
         parse_vendor_text),
        (os.path.join(pk, "derived", device + "_pin_inventory.json"),
         "third-party pin inventory made from the vendor package file", False,
         "the vendor file itself; its Memory Byte Group, VCCAUX Group and Super Logic Region columns",
         parse_inventory_json),
        (os.path.join(pk, "from_kicad", device + "_balls.csv"),
         "ball list taken from an open schematic-symbol library", False,
         "the vendor file itself; every column but ball and pin name (banks come from the name suffix)",
         parse_ball_list),
    ]
    for path, kind, complete, missing, parser in candidates:
        if os.path.exists(path):
            balls, total = parser(path)
            if total is not None and total != len(balls):
                raise SourceError("%s: footer says %d pins, %d rows read" % (path, total, len(balls)))
            return Source(path, kind, complete, missing, balls)
    raise SourceError("no source for %s under %s" % (device, pk))


def bank_of(ball):
    suffix = re.search(r"_(\d+)$", ball.name)
    from_name = suffix.group(1) if suffix else ""
    if ball.bank_column is None:
        return from_name
    bank = "" if ball.bank_column in NO_BANK else ball.bank_column
    if bank != from_name:
        raise SourceError("ball %s (%s): Bank column %r disagrees with the name" % (ball.ball, ball.name, ball.bank_column))
    return bank


class Row:
    def __init__(self, ball, bank, pair, options, standards):
        self.ball, self.bank, self.pair, self.options, self.standards = ball, bank, pair, options, standards

    def has(self, bit):
        return bool(self.options >> bit & 1)


def derive_row(ball, transceivers_are_pairs):
    segments = ball.name.split("_")
    is_io = segments[0] == "IO"
    bits, pair = {BIT_CLK_DIFF_N}, ""
    if is_io:
        bits.add(BIT_IO)
        for s in segments[1:-1]:
            m = PAIR_RE.match(s)
            if m:
                pair = m.group(1)
                bits.add(BIT_DIFF_P if m.group(2) == "P" else BIT_DIFF_N)
            if SPECIAL_RE.match(s):
                bits.add(BIT_SPECIAL)
    m = TRANSCEIVER_RE.match(segments[0])
    if m and transceivers_are_pairs:
        pair = m.group(2)
        bits |= {BIT_DIFF_P, BIT_HDIFF_P} if m.group(1) == "P" else {BIT_DIFF_N, BIT_HDIFF_N}
    if any(s.startswith("VREF") for s in segments):
        bits.add(BIT_VREF)
    if CLOCK_SEGMENTS & set(segments):
        bits.add(BIT_CLK)
    if DLL_SEGMENTS & set(segments):
        bits.add(BIT_DLL)
    standards = (STD_ALL if pair else STD_SINGLE_ENDED) if is_io else STD_NONE
    return Row(ball.ball, bank_of(ball), pair, sum(1 << b for b in bits), standards)


def load_prjxray(vendor, device):
    path = os.path.join(vendor, "prjxray_package_pins", device + "_package_pins.csv")
    if not os.path.exists(path):
        raise SourceError("cross-check file missing: %s" % path)
    with open(path, newline="") as f:
        return path, [(r["pin"], r["pin_function"], r["bank"]) for r in csv.DictReader(f)]


def cross_check(vendor, device, source):
    path, pins = load_prjxray(vendor, device)
    by_ball = {b.ball: b for b in source.balls}
    problems = []
    for ball, name, bank in pins:
        ours = by_ball.get(ball)
        if ours is None:
            problems.append("%s %s: not in the source" % (ball, name))
        elif ours.name != name or bank_of(ours) != bank:
            problems.append("%s: source %s bank %r, cross-check %s bank %r" % (ball, ours.name, bank_of(ours), name, bank))
    listed_io = {ball for ball, name, _ in pins if name.startswith("IO_")}
    for b in source.balls:
        if b.name.startswith("IO_") and b.ball not in listed_io:
            problems.append("%s %s: an I/O ball the cross-check does not list" % (b.ball, b.name))
    if problems:
        raise SourceError("%s disagrees with %s:\n  %s" % (source.path, path, "\n  ".join(problems)))
    return path


def build_pin_set(vendor, device, pin_set, ball_count):
    source = find_source(vendor, device)
    seen = set()
    for b in source.balls:
        if b.ball in seen:
            raise SourceError("%s: ball %s appears twice" % (source.path, b.ball))
        seen.add(b.ball)
    if len(source.balls) != ball_count:
        raise SourceError("%s: %d balls, the package has %d" % (source.path, len(source.balls), ball_count))
    check_path = cross_check(vendor, device, source)
    transceivers_are_pairs = pin_set not in EXCEPTIONS
    ordered = [b for b in source.balls if b.name.startswith("IO_")] + \
              [b for b in source.balls if not b.name.startswith("IO_")]
    rows = [derive_row(b, transceivers_are_pairs) for b in ordered]
    return source, check_path, rows


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def render(vendor, pin_set, source, check_path, rows):
    rel = lambda p: os.path.relpath(p, vendor).replace(os.sep, "/")
    pin_count = len(rows)
    io_count = sum(r.has(BIT_IO) for r in rows)
    diff_count = sum(r.has(BIT_DIFF_P) for r in rows)
    hs_count = sum(r.has(BIT_HDIFF_P) for r in rows)
    out = []
    out.append("// Pin table of %s, generated by tools/generate_pin_tables.py: do not edit." % pin_set)
    out.append("//")
    out.append("// Source: %s (sha256 %s)" % (rel(source.path), sha256_of(source.path)))
    out.append("//         %s." % source.kind)
    out.append("// Cross-checked against %s (sha256 %s)." % (rel(check_path), sha256_of(check_path)))
    if not source.complete:
        out.append("// Incomplete source: missing %s." % source.missing)
        out.append("// Every row is built from what that source states; no row was added.")
    if pin_set in EXCEPTIONS:
        what, figures = EXCEPTIONS[pin_set]
        out.append("// Exception to the derivation rules: %s (for %s)." % (what, figures))
    out.append("// Row: ball, bank, pair, clock pair, options (bit n = TPinOption n), standards")
    out.append("// (A all 37, S the 19 single-ended, N none).")
    out.append('#include "devices/DevicePinSets.h"')
    out.append("")
    out.append("namespace {")
    out.append("")
    out.append("constexpr TIOStandardSet A = kAllIOStandards;")
    out.append("constexpr TIOStandardSet S = kSingleEndedIOStandards;")
    out.append("constexpr TIOStandardSet N = 0;")
    out.append("")
    out.append("constexpr TPinParameters kPins[] = {")
    for r in rows:
        out.append("    {%s, %s, %s, \"\", 0x%04X, %s}," % (c_string(r.ball), c_string(r.bank), c_string(r.pair),
                                                          r.options, r.standards))
    out.append("};")
    out.append("")
    out.append("}  // namespace")
    out.append("")
    out.append("extern const TPinSetParameters kPinSet_%s{%d, %d, %d, %d, kAllIOStandards, kPins};" % (
        pin_set, pin_count, io_count, diff_count, hs_count))
    return "\n".join(out) + "\n"


def output_name(pin_set):
    return "DevicePinSet_%s.cpp" % pin_set


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--vendor", default=os.path.join(os.path.dirname(SOURCE_ROOT), "shared", "vendor"))
    parser.add_argument("--out", default=os.path.join(SOURCE_ROOT, "devices"))
    args = parser.parse_args(argv)
    try:
        texts = {}
        for device, pin_set, ball_count in PIN_SETS:
            source, check_path, rows = build_pin_set(args.vendor, device, pin_set, ball_count)
            texts[output_name(pin_set)] = render(args.vendor, pin_set, source, check_path, rows)
    except (SourceError, OSError, ValueError, KeyError) as error:
        print("generate_pin_tables: %s" % error, file=sys.stderr)
        return 1
    os.makedirs(args.out, exist_ok=True)
    for name in sorted(texts):
        with open(os.path.join(args.out, name), "w", encoding="utf-8", newline="\n") as f:
            f.write(texts[name])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

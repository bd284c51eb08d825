#!/usr/bin/env python3
"""Writes synthetic BSDL files for the eight Artix-7 packages, for the simulated host and the
tests. They are NOT the vendor's descriptions: only the ball list comes from a package file;
ports, cells and their order follow the fixed rules below, so the plug-in's reader, entity and
viewer can be exercised without the vendor's BSDL files.

    synthetic_bsdl.py VENDOR_FOLDER OUTPUT_FOLDER

Rules:
  ports      user I/O ball -> IO_<ball> (inout); configuration pins -> <function>_<ball>
             (CCLK_E9, M0_P12): CCLK, INIT_B, DONE inout, M0, M1, M2, CFGBVS, PROGRAM_B, TCK,
             TDI, TMS in, TDO out; transceiver receive pins in, transmit pins out (each
             pair a DIFFERENTIAL_CURRENT group); a name on several balls (GND, VCCO_14, NC)
             -> one linkage bit_vector port of that name; any other ball -> linkage port
             named as in the package file.
  cells      0-2 CCLK (control, output, input); 3-6 one input cell each for M0, M1, M2,
             CFGBVS; 7 internal, safe 1; 8-10 INIT_B; 11-13 DONE; then the three cells of
             every user-I/O ball in the order of the package file; then one cell per
             transceiver receive ball and per positive transmit ball in file order; then
             internal cells (BC_2, *, internal, X) up to the part's boundary length.
Only the Python 3 standard library is used; the output depends only on the input files.
"""
import csv
import os
import re
import sys

PACKAGES = [
    # entity, boundary length, IDCODE, package file (relative to the vendor folder), note
    ("XC7A100T_CSG324", 989, 0x03631093, "packages/xc7a100tcsg324pkg.txt", ""),
    ("XC7A100T_FTG256", 989, 0x03631093, "packages/from_kicad/xc7a100tftg256_balls.csv",
     "no vendor package file: ball list taken from an open schematic-symbol library (from_kicad)"),
    ("XC7A100T_FGG484", 989, 0x03631093, "packages/nonpristine/xc7a100tfgg484pkg.txt",
     "a published copy of the vendor package file whose column-title line was edited"),
    ("XC7A100T_FGG676", 989, 0x03631093, "packages/xc7a100tfgg676pkg.csv", ""),
    ("XC7A200T_SBG484", 1658, 0x03636093, "packages/xc7a200tfbg484pkg.txt",
     "no vendor SBG484 package file: the FBG484 file is used (same balls and names)"),
    ("XC7A200T_FBG484", 1658, 0x03636093, "packages/xc7a200tfbg484pkg.txt", ""),
    ("XC7A200T_FBG676", 1658, 0x03636093, "packages/xc7a200tfbg676pkg.txt", ""),
    ("XC7A200T_FFG1156", 1658, 0x03636093, "packages/xc7a200tffg1156pkg.txt", ""),
]

OPCODES = [
    ("IDCODE", "001001"), ("BYPASS", "111111"), ("EXTEST", "100110"), ("SAMPLE", "000001"),
    ("PRELOAD", "000001"), ("USERCODE", "001000"), ("HIGHZ", "001010"), ("EXTEST_PULSE", "111100"),
    ("EXTEST_TRAIN", "111101"), ("ISC_ENABLE", "010000"), ("ISC_PROGRAM", "010001"), ("ISC_NOOP", "010100"),
    ("XSC_READ_RSVD", "010101"), ("ISC_DISABLE", "010110"), ("XSC_PROGRAM_KEY", "010010"), ("XSC_DNA", "010111"),
    ("CFG_OUT", "000100"), ("CFG_IN", "000101"), ("JPROGRAM", "001011"), ("JSTART", "001100"),
    ("JSHUTDOWN", "001101"), ("FUSE_CTS", "110000"), ("FUSE_KEY", "110001"), ("FUSE_DNA", "110010"),
    ("FUSE_USER", "110011"), ("FUSE_CNTL", "110100"), ("USER1", "000010"), ("USER2", "000011"),
    ("USER3", "100010"), ("USER4", "100011"), ("XADC_DRP", "110111"), ("INTEST_RSVD", "000111"),
]
REGISTERS = [("DATAREG[57]", ["XSC_DNA"]), ("BYPASS", ["HIGHZ", "BYPASS"]), ("DEVICE_ID", ["USERCODE", "IDCODE"]),
             ("BOUNDARY", ["SAMPLE", "PRELOAD", "EXTEST", "EXTEST_PULSE", "EXTEST_TRAIN"])]

THREE_CELL_CONFIG = ("CCLK", "INIT_B", "DONE")
INPUT_CELL_CONFIG = ("M0", "M1", "M2", "CFGBVS")
CONFIG_MODES = {"CCLK": "inout", "INIT_B": "inout", "DONE": "inout", "M0": "in", "M1": "in", "M2": "in",
                "CFGBVS": "in", "PROGRAM_B": "in", "TCK": "in", "TDI": "in", "TMS": "in", "TDO": "out"}
BALL = re.compile(r"^[A-Z]{1,2}[0-9]{1,2}$")


def read_balls(path):
    """(ball, pin name) in file order, from a fixed-column .txt or a .csv package file."""
    balls = []
    with open(path, newline="", encoding="ascii", errors="replace") as f:
        rows = csv.reader(f) if path.endswith(".csv") else (line.split() for line in f)
        for row in rows:
            if len(row) >= 2 and BALL.match(row[0].strip()):
                balls.append((row[0].strip(), row[1].strip()))
    return balls


def function_of(name):
    """The configuration function of a pin name (TCK_0 -> TCK), or None."""
    base = re.sub(r"_0$", "", name)
    return base if base in CONFIG_MODES else None


def describe(entity, length, idcode, source, note, balls):
    ports = []          # (name, mode, width)
    pin_map = []        # (port, [balls])
    config = {}         # function -> port name
    user_io, rx, tx_p = [], [], []
    differential = []
    groups = {}
    counts = {}
    for _, name in balls:
        counts[name] = counts.get(name, 0) + 1
    for ball, name in balls:
        function = function_of(name)
        if name.startswith("IO_"):
            port = "IO_" + ball
            ports.append((port, "inout", 0))
            pin_map.append((port, [ball]))
            user_io.append(port)
        elif function:
            port = function + "_" + ball
            ports.append((port, CONFIG_MODES[function], 0))
            pin_map.append((port, [ball]))
            config[function] = (port, ball)
        elif counts[name] > 1:
            if name not in groups:
                groups[name] = []
                pin_map.append((name, groups[name]))
            groups[name].append(ball)
        elif re.match(r"^MGT[A-Z]*RX[PN]", name):
            ports.append((name, "in", 0))
            pin_map.append((name, [ball]))
            rx.append(name)
        elif re.match(r"^MGT[A-Z]*TX[PN]", name):
            ports.append((name, "out", 0))
            pin_map.append((name, [ball]))
            if re.match(r"^MGT[A-Z]*TXP", name):
                tx_p.append(name)
        else:
            ports.append((name, "linkage", 0))
            pin_map.append((name, [ball]))
    for name, members in groups.items():
        ports.append((name, "linkage", len(members)))
    for port in rx + [p for p, _, _ in ports if re.match(r"^MGT[A-Z]*TX[PN]", p)]:
        partner = re.sub(r"([RT]X)P", r"\1N", port, count=1)
        if partner != port and any(p == partner for p, _, _ in ports):
            differential.append((port, partner))

    cells = []

    def add(kind, port, function, safe, control=None):
        text = "%d (%s, %s, %s, %s" % (len(cells), kind, port, function, safe)
        if control is not None:
            text += ", %d, 1, Z" % control
        cells.append(text + ")")

    def three(port):
        control = len(cells)
        add("BC_2", "*", "controlr", "1")
        add("BC_2", port, "output3", "X", control)
        add("BC_2", port, "input", "X")

    missing = [f for f in THREE_CELL_CONFIG + INPUT_CELL_CONFIG + ("TCK", "TDI", "TDO", "TMS") if f not in config]
    if missing:
        raise SystemExit("%s: the package file has no %s" % (source, ", ".join(missing)))
    three(config["CCLK"][0])
    for function in INPUT_CELL_CONFIG:
        add("BC_2", config[function][0], "input", "X")
    add("BC_2", "*", "internal", "1")
    three(config["INIT_B"][0])
    three(config["DONE"][0])
    for port in user_io:
        three(port)
    for ball, name in balls:
        if name in rx:
            add("BC_4", name, "observe_only", "X")
        elif name in tx_p:
            add("AC_1", name, "output2", "X")
    if len(cells) > length:
        raise SystemExit("%s: %d cells do not fit the boundary length %d" % (source, len(cells), length))
    while len(cells) < length:
        add("BC_2", "*", "internal", "X")

    out = []
    w = out.append
    w("-- SYNTHETIC boundary-scan description of %s, written by hostsim/synthetic_bsdl.py." % entity)
    w("-- This is NOT the vendor's BSDL file. Only the balls and pin names come from the package")
    w("-- file %s; ports, cells and their order follow fixed rules for simulation and tests." % source)
    if note:
        w("-- Note: %s." % note)
    w("")
    w("entity %s is" % entity)
    w("")
    w("generic (PHYSICAL_PIN_MAP : string := \"%s\");" % entity.split("_")[1])
    w("")
    w("port (")
    decls = []
    for name, mode, width in ports:
        decls.append("\t%s: %s %s" % (name, mode, "bit_vector (1 to %d)" % width if width else "bit"))
    w(";\n".join(decls))
    w(");")
    w("")
    w("use STD_1149_1_2001.all;")
    w("")
    w("attribute COMPONENT_CONFORMANCE of %s : entity is \"STD_1149_1_2001\";" % entity)
    w("attribute PIN_MAP of %s : entity is PHYSICAL_PIN_MAP;" % entity)
    w("")
    w("constant %s: PIN_MAP_STRING :=" % entity.split("_")[1])
    entries = []
    for port, mapped in pin_map:
        entries.append("%s:%s" % (port, mapped[0] if len(mapped) == 1 and port not in groups
                                   else "(" + ",".join(mapped) + ")"))
    w(" &\n".join("\t\"%s%s\"" % (e, "," if i + 1 < len(entries) else "") for i, e in enumerate(entries)) + ";")
    w("")
    if differential:
        w("attribute PORT_GROUPING of %s : entity is" % entity)
        w("\t\"DIFFERENTIAL_CURRENT (\" &")
        w(" &\n".join("\t\"(%s, %s)%s\"" % (p, n, "," if i + 1 < len(differential) else "")
                      for i, (p, n) in enumerate(differential)) + " &")
        w("\t\")\";")
        w("")
    w("attribute TAP_SCAN_IN of %s : signal is true;" % config["TDI"][0])
    w("attribute TAP_SCAN_MODE of %s : signal is true;" % config["TMS"][0])
    w("attribute TAP_SCAN_OUT of %s : signal is true;" % config["TDO"][0])
    w("attribute TAP_SCAN_CLOCK of %s : signal is (66.0e6, BOTH);" % config["TCK"][0])
    w("")
    w("attribute INSTRUCTION_LENGTH of %s : entity is 6;" % entity)
    w("attribute INSTRUCTION_OPCODE of %s : entity is" % entity)
    w(" &\n".join("\t\"%s (%s)%s\"" % (n, p, "," if i + 1 < len(OPCODES) else "") for i, (n, p) in enumerate(OPCODES)) + ";")
    w("attribute INSTRUCTION_CAPTURE of %s : entity is \"XXXX01\";" % entity)
    w("attribute IDCODE_REGISTER of %s : entity is \"XXXX%s\";" % (entity, format(idcode & 0x0FFFFFFF, "028b")))
    w("attribute USERCODE_REGISTER of %s : entity is \"%s\";" % (entity, "X" * 32))
    w("attribute REGISTER_ACCESS of %s : entity is" % entity)
    w(" &\n".join("\t\"%s (%s)%s\"" % (r, ", ".join(i), "," if k + 1 < len(REGISTERS) else "")
                  for k, (r, i) in enumerate(REGISTERS)) + ";")
    w("")
    w("attribute BOUNDARY_LENGTH of %s : entity is %d;" % (entity, length))
    w("attribute BOUNDARY_REGISTER of %s : entity is" % entity)
    w(" &\n".join("\t\"%s%s\"" % (c, "," if i + 1 < len(cells) else "") for i, c in enumerate(cells)) + ";")
    w("")
    w("attribute DESIGN_WARNING of %s : entity is" % entity)
    w("\t\"Synthetic description for simulation: not the vendor's BSDL file.\";")
    w("")
    w("end %s;" % entity)
    return "\n".join(out) + "\n"


def main():
    if len(sys.argv) != 3:
        raise SystemExit("usage: synthetic_bsdl.py VENDOR_FOLDER OUTPUT_FOLDER")
    vendor, output = sys.argv[1], sys.argv[2]
    os.makedirs(output, exist_ok=True)
    for entity, length, idcode, source, note in PACKAGES:
        path = os.path.join(vendor, source)
        if not os.path.isfile(path):
            print("synthetic_bsdl: %s missing, no file for %s" % (path, entity))
            continue
        text = describe(entity, length, idcode, source, note, read_balls(path))
        with open(os.path.join(output, entity + ".bsd"), "w", newline="\n") as f:
            f.write(text)


if __name__ == "__main__":
    main()

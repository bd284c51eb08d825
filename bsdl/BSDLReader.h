// The BSDL reader: IEEE 1149.1 boundary-scan descriptions as the vendor writes them, turned
// into a TBSDLParameters record with the enumerations' name tables.
//
// How the record is derived from the file:
//   - one pin per package pin of PIN_MAP_STRING, in the order of the map; a bit_vector port
//     gives one pin per element, each named after the port;
//   - direction from the port mode: in = Input, out = Output (Open Collector when the port is
//     a member of a DIFFERENTIAL_* group of PORT_GROUPING), inout = I/O, buffer = Output,
//     linkage = I/O;
//   - kind: the TAP_SCAN_* ports get their TAP kind; a linkage port whose name begins with
//     "GND" is Ground, with "VCC" Power, unless the name carries "ADC" (analog supply);
//   - a pin lists the non-control cells of its port in cell order (at most two);
//   - a control cell's target is the first cell that names it as its control cell.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bsdl/BSDLLexer.h"
#include "bsdl/BSDLParameters.h"

// Everything read from one file: the record, and the facts the record has no field for.
struct TBSDLDescription {
  TBSDLParameters Parameters;
  std::int32_t InstructionLength = 0;
  std::string InstructionCapture;
  std::vector<std::string> InstructionPrivate;
  std::string IdCodeRegister;
  std::string UserCodeRegister;
  std::string DesignWarning;
};

// Reads BSDL text; `fileName` becomes the record's Filename and prefixes every error message.
// Throws EBSDLError naming the line of any fault.
TBSDLDescription ReadBSDL(std::string_view source, const std::string& fileName = {});

// Reads a file; its bare name becomes the record's Filename. Throws EBSDLError (line 0 when
// the file cannot be read).
TBSDLDescription ReadBSDLFile(const std::string& path);

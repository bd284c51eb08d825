#include "bsdl/BSDLReader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "platform/Text.h"

namespace {

// A string built from literals joined with '&'; remembers which line each piece came from.
struct TConcatString {
  std::string Text;
  std::vector<std::pair<std::size_t, int>> Pieces;  // start offset, line
  int LineAt(std::size_t offset) const {
    int line = Pieces.empty() ? 0 : Pieces.front().second;
    for (const auto& [start, pieceLine] : Pieces)
      if (start <= offset) line = pieceLine;
    return line;
  }
};

// A part of a string with its offset, so that errors inside it can name their line.
struct TPiece {
  std::string_view Text;
  std::size_t Offset = 0;
};

TPiece TrimPiece(TPiece p) {
  std::size_t b = 0, e = p.Text.size();
  while (b < e && text::IsSpace(p.Text[b])) ++b;
  while (e > b && text::IsSpace(p.Text[e - 1])) --e;
  return {p.Text.substr(b, e - b), p.Offset + b};
}

// Splits at `separator` outside parentheses; empty pieces (after a trailing comma) are dropped.
std::vector<TPiece> SplitTopLevel(TPiece whole, char separator, const TConcatString& owner) {
  std::vector<TPiece> pieces;
  std::vector<std::size_t> open;  // offsets of the unclosed '('
  std::size_t start = 0;
  for (std::size_t i = 0; i <= whole.Text.size(); ++i) {
    const char c = i < whole.Text.size() ? whole.Text[i] : separator;
    if (c == '(') open.push_back(i);
    if (c == ')') {
      if (open.empty()) throw EBSDLError(owner.LineAt(whole.Offset + i), "unbalanced ')'");
      open.pop_back();
    }
    const std::size_t depth = open.size();
    if (c == separator && depth == 0) {
      TPiece piece = TrimPiece({whole.Text.substr(start, i - start), whole.Offset + start});
      if (!piece.Text.empty()) pieces.push_back(piece);
      start = i + 1;
    }
  }
  if (!open.empty()) throw EBSDLError(owner.LineAt(whole.Offset + open.front()), "unbalanced '('");
  return pieces;
}

// "NAME (inner)" into NAME and inner; the whole piece must end with the closing parenthesis.
bool SplitCall(TPiece piece, TPiece& name, TPiece& inner) {
  const std::size_t open = piece.Text.find('(');
  if (open == std::string_view::npos || piece.Text.back() != ')') return false;
  name = TrimPiece({piece.Text.substr(0, open), piece.Offset});
  inner = TrimPiece({piece.Text.substr(open + 1, piece.Text.size() - open - 2), piece.Offset + open + 1});
  return true;
}

// Decimal digits only, at most 2^31 - 1 ("out of range" numbers saturate there).
std::optional<std::int32_t> ParseNatural(std::string_view s) {
  if (s.empty() || s.size() > 12) return std::nullopt;
  std::int64_t value = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return static_cast<std::int32_t>(std::min<std::int64_t>(value, 0x7FFFFFFF));
}

bool IsName(std::string_view s) {
  if (s.empty() || !std::isalpha(static_cast<unsigned char>(s[0]))) return false;
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; });
}

bool IsPinName(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
  });
}

enum class TPortMode { In, Out, InOut, Buffer, Linkage };

struct TPort {
  std::string Name;
  TPortMode Mode = TPortMode::In;
  bool IsVector = false;
  std::int64_t Left = 0, Right = 0;  // bit_vector (Left to/downto Right)
  int Line = 0;
  std::vector<std::string> Pins;  // from the pin map, one per element
  int MapLine = 0;
  std::size_t Width() const {
    return IsVector ? static_cast<std::size_t>((Left <= Right ? Right - Left : Left - Right) + 1) : 1;
  }
  // Position in the pin list of element `index`, or -1 outside the range.
  std::int64_t PositionOf(std::int64_t index) const {
    const std::int64_t lo = std::min(Left, Right), hi = std::max(Left, Right);
    if (index < lo || index > hi) return -1;
    return Left <= Right ? index - Left : Left - index;
  }
};

struct TCellField {
  std::int32_t Number = -1;
  std::string Kind, Port, Function, Safe, DisableValue, DisableResult;
  std::int32_t ControlCell = -1;
  int Line = 0;
};

class TParser {
 public:
  TParser(std::vector<TBSDLToken> tokens, std::string fileName)
      : FTokens(std::move(tokens)), FFileName(std::move(fileName)) {}

  TBSDLDescription Run() {
    ReadTopLevel();
    Convert();
    FResult.Parameters.Filename = FFileName;
    return std::move(FResult);
  }

 private:
  // ---- token access ----
  const TBSDLToken& Cur() const { return FTokens[FPos]; }
  bool AtEnd() const { return Cur().Kind == TBSDLTokenKind::End; }
  bool IsWord(std::string_view w) const {
    return Cur().Kind == TBSDLTokenKind::Identifier && text::EqualsNoCase(Cur().Text, w);
  }
  bool IsSymbol(std::string_view s) const { return Cur().Kind == TBSDLTokenKind::Symbol && Cur().Text == s; }
  [[noreturn]] void Fail(const std::string& what) const {
    if (AtEnd()) throw EBSDLError(Cur().Line, "the file ends early: " + what);
    throw EBSDLError(Cur().Line, what + " (found '" + Cur().Text + "')");
  }
  const TBSDLToken& Take() {
    const TBSDLToken& t = FTokens[FPos];
    if (!AtEnd()) ++FPos;
    return t;
  }
  void ExpectSymbol(std::string_view s) {
    if (!IsSymbol(s)) Fail("'" + std::string(s) + "' expected");
    Take();
  }
  void ExpectWord(std::string_view w) {
    if (!IsWord(w)) Fail("'" + std::string(w) + "' expected");
    Take();
  }
  std::string TakeIdentifier(const std::string& what) {
    if (Cur().Kind != TBSDLTokenKind::Identifier) Fail(what + " expected");
    return Take().Text;
  }
  void SkipStatement() {
    int depth = 0;
    while (!AtEnd()) {
      if (IsSymbol("(")) ++depth;
      if (IsSymbol(")")) --depth;
      if (IsSymbol(";") && depth <= 0) {
        Take();
        return;
      }
      Take();
    }
    Fail("';' expected");
  }
  TConcatString TakeConcatString() {
    TConcatString s;
    for (;;) {
      if (Cur().Kind != TBSDLTokenKind::String) Fail("a string expected");
      s.Pieces.emplace_back(s.Text.size(), Cur().Line);
      s.Text += Take().Text;
      if (!IsSymbol("&")) return s;
      Take();
    }
  }

  // ---- top level ----
  void ReadTopLevel() {
    while (!AtEnd() && !IsWord("entity")) Take();
    if (AtEnd()) throw EBSDLError(Cur().Line, "no 'entity' declaration found");
    Take();
    FResult.Parameters.Name = TakeIdentifier("the entity name");
    ExpectWord("is");
    for (;;) {
      if (AtEnd()) Fail("'end " + FResult.Parameters.Name + ";' expected");
      if (IsWord("generic")) {
        ReadGeneric();
      } else if (IsWord("port")) {
        ReadPorts();
      } else if (IsWord("attribute")) {
        ReadAttribute();
      } else if (IsWord("constant")) {
        ReadConstant();
      } else if (IsWord("end")) {
        Take();
        if (Cur().Kind == TBSDLTokenKind::Identifier && !text::EqualsNoCase(Cur().Text, FResult.Parameters.Name))
          Fail("'end' names another entity than " + FResult.Parameters.Name);
        if (Cur().Kind == TBSDLTokenKind::Identifier) Take();
        ExpectSymbol(";");
        return;
      } else {
        SkipStatement();  // use clauses and statements the description does not need
      }
    }
  }

  void ReadGeneric() {
    Take();
    ExpectSymbol("(");
    const std::string name = TakeIdentifier("a generic name");
    ExpectSymbol(":");
    TakeIdentifier("a generic type");
    if (IsSymbol(":=")) {
      Take();
      if (Cur().Kind != TBSDLTokenKind::String) Fail("the generic's default string expected");
      if (text::EqualsNoCase(name, "PHYSICAL_PIN_MAP")) FDefaultPinMap = Cur().Text;
      Take();
    }
    ExpectSymbol(")");
    ExpectSymbol(";");
  }

  void ReadPorts() {
    Take();
    ExpectSymbol("(");
    for (;;) {
      std::vector<std::pair<std::string, int>> names;
      do {
        if (!names.empty()) Take();
        const int line = Cur().Line;
        names.emplace_back(TakeIdentifier("a port name"), line);
      } while (IsSymbol(","));
      ExpectSymbol(":");
      const TPortMode mode = TakeMode();
      TPort shape;
      const std::string type = TakeIdentifier("'bit' or 'bit_vector'");
      if (text::EqualsNoCase(type, "bit_vector")) {
        shape.IsVector = true;
        ExpectSymbol("(");
        shape.Left = TakeInteger("a range bound");
        const std::string dir = TakeIdentifier("'to' or 'downto'");
        if (!text::EqualsNoCase(dir, "to") && !text::EqualsNoCase(dir, "downto")) Fail("'to' or 'downto' expected");
        shape.Right = TakeInteger("a range bound");
        if (std::max(shape.Left, shape.Right) - std::min(shape.Left, shape.Right) > 100000)
          Fail("bit_vector range too large");
        ExpectSymbol(")");
      } else if (!text::EqualsNoCase(type, "bit")) {
        Fail("'bit' or 'bit_vector' expected");
      }
      for (auto& [name, line] : names) {
        if (FPortIndex.count(name) != 0) throw EBSDLError(line, "port " + name + " declared twice");
        TPort port = shape;
        port.Name = name;
        port.Mode = mode;
        port.Line = line;
        FPortIndex[name] = FPorts.size();
        FPorts.push_back(std::move(port));
      }
      if (IsSymbol(";")) {
        Take();
        continue;
      }
      ExpectSymbol(")");
      ExpectSymbol(";");
      return;
    }
  }

  TPortMode TakeMode() {
    const std::string mode = TakeIdentifier("a port mode");
    if (text::EqualsNoCase(mode, "in")) return TPortMode::In;
    if (text::EqualsNoCase(mode, "out")) return TPortMode::Out;
    if (text::EqualsNoCase(mode, "inout")) return TPortMode::InOut;
    if (text::EqualsNoCase(mode, "buffer")) return TPortMode::Buffer;
    if (text::EqualsNoCase(mode, "linkage")) return TPortMode::Linkage;
    --FPos;
    Fail("a port mode (in, out, inout, buffer, linkage) expected");
  }

  std::int64_t TakeInteger(const std::string& what) {
    if (Cur().Kind != TBSDLTokenKind::Number) Fail(what + " expected");
    const auto value = text::ParseInt(Cur().Text);
    if (!value) Fail(what + " expected");
    Take();
    return *value;
  }

  void ReadConstant() {
    Take();
    const std::string name = TakeIdentifier("a constant name");
    ExpectSymbol(":");
    const std::string type = TakeIdentifier("a constant type");
    if (!text::EqualsNoCase(type, "PIN_MAP_STRING")) {
      SkipStatement();
      return;
    }
    ExpectSymbol(":=");
    FPinMaps[text::UpperAscii(name)] = TakeConcatString();
    ExpectSymbol(";");
  }

  void ReadAttribute() {
    Take();
    const int line = Cur().Line;
    const std::string name = text::UpperAscii(TakeIdentifier("an attribute name"));
    if (!IsWord("of")) {  // an attribute declaration
      SkipStatement();
      return;
    }
    Take();
    const std::string target = TakeIdentifier("the attribute's target");
    ExpectSymbol(":");
    TakeIdentifier("'entity' or 'signal'");
    ExpectWord("is");
    if (name == "TAP_SCAN_IN" || name == "TAP_SCAN_OUT" || name == "TAP_SCAN_MODE" || name == "TAP_SCAN_RESET") {
      ExpectBoolean();
      FTapPorts[name] = {target, line};
    } else if (name == "TAP_SCAN_CLOCK") {
      ReadScanClock();
      FTapPorts[name] = {target, line};
    } else if (name == "INSTRUCTION_LENGTH") {
      FResult.InstructionLength = static_cast<std::int32_t>(TakeInteger("the instruction length"));
    } else if (name == "BOUNDARY_LENGTH") {
      const std::int64_t length = TakeInteger("the boundary length");
      if (length < 0 || length > 65536) throw EBSDLError(line, "boundary length out of range 0..65536");
      FBoundaryLength = static_cast<std::int32_t>(length);
      FBoundaryLengthLine = line;
    } else if (name == "PIN_MAP") {
      FPinMapName = text::UpperAscii(TakeIdentifier("the pin map constant"));
      FPinMapLine = line;
    } else if (Cur().Kind == TBSDLTokenKind::String) {
      FStrings[name] = TakeConcatString();
    } else {
      SkipStatement();
      return;
    }
    ExpectSymbol(";");
  }

  void ExpectBoolean() {
    if (!IsWord("true") && !IsWord("false")) Fail("'true' expected");
    Take();
  }

  void ReadScanClock() {
    ExpectSymbol("(");
    if (Cur().Kind != TBSDLTokenKind::Number) Fail("the scan clock frequency expected");
    const auto frequency = text::ParseDouble(Cur().Text);
    if (!frequency || *frequency < 0) Fail("the scan clock frequency expected");
    Take();
    ExpectSymbol(",");
    const std::string mode = TakeIdentifier("the clock halt mode (LOW or BOTH)");
    if (!text::EqualsNoCase(mode, "LOW") && !text::EqualsNoCase(mode, "BOTH"))
      Fail("the clock halt mode must be LOW or BOTH");
    ExpectSymbol(")");
    FResult.Parameters.ScanClockMaxSpeed = *frequency;
    FResult.Parameters.ScanClockHaltMode = ScanClockHaltModeFromName(mode);
  }

  // ---- conversion into the record ----
  void Convert() {
    TBSDLParameters& p = FResult.Parameters;
    p.ConformanceStatement = StringAttribute("COMPONENT_CONFORMANCE");
    p.CompliancePattern = StringAttribute("COMPLIANCE_PATTERNS");
    FResult.InstructionCapture = StringAttribute("INSTRUCTION_CAPTURE");
    FResult.IdCodeRegister = StringAttribute("IDCODE_REGISTER");
    FResult.UserCodeRegister = StringAttribute("USERCODE_REGISTER");
    FResult.DesignWarning = StringAttribute("DESIGN_WARNING");
    for (const TPiece& piece : ListAttribute("INSTRUCTION_PRIVATE")) FResult.InstructionPrivate.emplace_back(piece.Text);
    ReadPinMap();
    ReadDifferentialPorts();
    ReadOpCodes();
    ReadRegisterAccess();
    ReadBoundaryRegister();
    BuildPins();
    AssignTapPins();
  }

  std::string StringAttribute(const std::string& name) const {
    const auto it = FStrings.find(name);
    return it == FStrings.end() ? std::string() : std::string(text::Trim(it->second.Text));
  }
  std::vector<TPiece> ListAttribute(const std::string& name) const {
    const auto it = FStrings.find(name);
    if (it == FStrings.end()) return {};
    return SplitTopLevel({it->second.Text, 0}, ',', it->second);
  }

  const TConcatString* ChosenPinMap() const {
    if (!FPinMapName.empty() && FPinMaps.count(FPinMapName) == 0 && !text::EqualsNoCase(FPinMapName, "PHYSICAL_PIN_MAP"))
      throw EBSDLError(FPinMapLine, "no PIN_MAP_STRING constant named " + FPinMapName);
    if (!FPinMapName.empty() && FPinMaps.count(FPinMapName) != 0) return &FPinMaps.at(FPinMapName);
    if (!FDefaultPinMap.empty()) {
      const auto it = FPinMaps.find(text::UpperAscii(FDefaultPinMap));
      if (it == FPinMaps.end())
        throw EBSDLError(FPinMapLine, "no PIN_MAP_STRING constant named " + FDefaultPinMap);
      return &it->second;
    }
    if (FPinMaps.size() == 1) return &FPinMaps.begin()->second;
    return nullptr;
  }

  void ReadPinMap() {
    const TConcatString* map = ChosenPinMap();
    if (map == nullptr) {
      if (!FPorts.empty())
        throw EBSDLError(FPorts.front().Line, "port " + FPorts.front().Name + " has no pin: no PIN_MAP_STRING");
      return;
    }
    std::set<std::string, text::LessNoCase> usedPins;
    for (const TPiece& entry : SplitTopLevel({map->Text, 0}, ',', *map)) {
      const int line = map->LineAt(entry.Offset);
      const std::size_t colon = entry.Text.find(':');
      if (colon == std::string_view::npos) throw EBSDLError(line, "pin map entry without ':'");
      const std::string portName(TrimPiece({entry.Text.substr(0, colon), 0}).Text);
      TPiece pins = TrimPiece({entry.Text.substr(colon + 1), entry.Offset + colon + 1});
      const auto found = FPortIndex.find(portName);
      if (found == FPortIndex.end()) throw EBSDLError(line, "pin map names undeclared port " + portName);
      TPort& port = FPorts[found->second];
      if (!port.Pins.empty()) throw EBSDLError(line, "port " + portName + " mapped twice");
      std::vector<TPiece> pinList;
      if (!pins.Text.empty() && pins.Text.front() == '(') {
        if (pins.Text.back() != ')') throw EBSDLError(line, "unbalanced '(' in the pin list of " + portName);
        pinList = SplitTopLevel({pins.Text.substr(1, pins.Text.size() - 2), pins.Offset + 1}, ',', *map);
      } else {
        pinList.push_back(pins);
      }
      if (pinList.size() != port.Width())
        throw EBSDLError(line, "port " + portName + " has " + std::to_string(port.Width()) + " elements but " +
                                   std::to_string(pinList.size()) + " pins");
      for (const TPiece& pin : pinList) {
        if (!IsPinName(pin.Text)) throw EBSDLError(map->LineAt(pin.Offset), "bad pin name '" + std::string(pin.Text) + "'");
        if (!usedPins.emplace(pin.Text).second)
          throw EBSDLError(map->LineAt(pin.Offset), "pin " + std::string(pin.Text) + " mapped twice");
        port.Pins.emplace_back(pin.Text);
      }
      port.MapLine = line;
      FMapOrder.push_back(found->second);
    }
    for (const TPort& port : FPorts)
      if (port.Pins.empty()) throw EBSDLError(port.Line, "port " + port.Name + " has no pin in the pin map");
  }

  void ReadDifferentialPorts() {
    const auto it = FStrings.find("PORT_GROUPING");
    if (it == FStrings.end()) return;
    for (const TPiece& group : SplitTopLevel({it->second.Text, 0}, ',', it->second)) {
      TPiece kind, inner;
      if (!SplitCall(group, kind, inner) || !text::StartsWithNoCase(kind.Text, "DIFFERENTIAL")) continue;
      std::string word;
      for (char c : std::string(inner.Text) + " ") {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_') {
          word += c;
        } else if (!word.empty()) {
          FDifferentialPorts.insert(word);
          word.clear();
        }
      }
    }
  }

  void ReadOpCodes() {
    const auto it = FStrings.find("INSTRUCTION_OPCODE");
    if (it == FStrings.end()) return;
    std::set<std::string, text::LessNoCase> seen;
    for (const TPiece& entry : SplitTopLevel({it->second.Text, 0}, ',', it->second)) {
      const int line = it->second.LineAt(entry.Offset);
      TPiece name, patterns;
      if (!SplitCall(entry, name, patterns) || !IsName(name.Text))
        throw EBSDLError(line, "instruction entry '" + std::string(entry.Text) + "' is not NAME (pattern)");
      const std::vector<TPiece> list = SplitTopLevel(patterns, ',', it->second);
      if (list.empty()) throw EBSDLError(line, "instruction " + std::string(name.Text) + " has no opcode");
      for (const TPiece& pattern : list) {
        const bool binary = std::all_of(pattern.Text.begin(), pattern.Text.end(),
                                        [](char c) { return c == '0' || c == '1' || c == 'x' || c == 'X'; });
        if (!binary) throw EBSDLError(line, "opcode '" + std::string(pattern.Text) + "' is not binary");
        if (FResult.InstructionLength > 0 && pattern.Text.size() != static_cast<std::size_t>(FResult.InstructionLength))
          throw EBSDLError(line, "opcode of " + std::string(name.Text) + " does not have INSTRUCTION_LENGTH bits");
      }
      if (!seen.emplace(name.Text).second) throw EBSDLError(line, "instruction " + std::string(name.Text) + " given twice");
      FResult.Parameters.OpCodes.push_back({std::string(name.Text), std::string(list.front().Text)});
      if (text::EqualsNoCase(name.Text, "SAMPLE")) FResult.Parameters.Instruction_SAMPLE = BinaryValue(list.front().Text);
    }
  }

  static std::int32_t BinaryValue(std::string_view pattern) {
    std::uint32_t value = 0;
    for (char c : pattern) value = (value << 1) | (c == '1' ? 1u : 0u);
    return static_cast<std::int32_t>(value);
  }

  void ReadRegisterAccess() {
    const auto it = FStrings.find("REGISTER_ACCESS");
    if (it == FStrings.end()) return;
    for (const TPiece& entry : SplitTopLevel({it->second.Text, 0}, ',', it->second)) {
      const int line = it->second.LineAt(entry.Offset);
      TPiece name, instructions;
      if (!SplitCall(entry, name, instructions) || name.Text.empty())
        throw EBSDLError(line, "register entry '" + std::string(entry.Text) + "' is not REGISTER (INSTRUCTION, ...)");
      TRegisterAssociationParameters ra;
      ra.RegisterName = std::string(name.Text);
      for (const TPiece& instruction : SplitTopLevel(instructions, ',', it->second)) {
        if (!IsName(instruction.Text)) throw EBSDLError(line, "bad instruction name '" + std::string(instruction.Text) + "'");
        ra.OpCodes.emplace_back(instruction.Text);
      }
      FResult.Parameters.RegisterAssociations.push_back(std::move(ra));
    }
  }

  void ReadBoundaryRegister() {
    const auto it = FStrings.find("BOUNDARY_REGISTER");
    if (it == FStrings.end()) {
      if (FBoundaryLength > 0) throw EBSDLError(FBoundaryLengthLine, "BOUNDARY_LENGTH without BOUNDARY_REGISTER");
      return;
    }
    const TConcatString& reg = it->second;
    if (FBoundaryLength < 0) throw EBSDLError(reg.LineAt(0), "BOUNDARY_REGISTER without BOUNDARY_LENGTH");
    FResult.Parameters.BoundaryLength = FBoundaryLength;
    std::vector<std::optional<TCellField>> cells(static_cast<std::size_t>(FBoundaryLength));
    for (const TPiece& entry : SplitTopLevel({reg.Text, 0}, ',', reg)) {
      TCellField cell = ParseCell(entry, reg);
      if (cell.Number >= FBoundaryLength)
        throw EBSDLError(cell.Line, "cell " + std::to_string(cell.Number) + " out of range 0.." +
                                        std::to_string(FBoundaryLength - 1));
      if (cells[static_cast<std::size_t>(cell.Number)])
        throw EBSDLError(cell.Line, "cell " + std::to_string(cell.Number) + " given twice");
      cells[static_cast<std::size_t>(cell.Number)] = std::move(cell);
    }
    for (std::size_t n = 0; n < cells.size(); ++n)
      if (!cells[n]) throw EBSDLError(reg.LineAt(reg.Text.size()), "cell " + std::to_string(n) + " is missing");
    for (auto& cell : cells) FCells.push_back(std::move(*cell));
    ConvertCells();
  }

  TCellField ParseCell(const TPiece& entry, const TConcatString& reg) const {
    TCellField cell;
    cell.Line = reg.LineAt(entry.Offset);
    TPiece number, inner;
    if (!SplitCall(entry, number, inner)) throw EBSDLError(cell.Line, "cell entry '" + std::string(entry.Text) + "' is not N (...)");
    if (!number.Text.empty() && number.Text.front() == '-')
      throw EBSDLError(cell.Line, "cell " + std::string(number.Text) + " out of range");
    const auto n = ParseNatural(number.Text);
    if (!n) throw EBSDLError(cell.Line, "cell number '" + std::string(number.Text) + "' is not a number");
    cell.Number = *n;
    const std::vector<TPiece> fields = SplitTopLevel(inner, ',', reg);
    if (fields.size() != 4 && fields.size() != 7)
      throw EBSDLError(cell.Line, "cell " + std::to_string(cell.Number) + " has " + std::to_string(fields.size()) +
                                      " fields (4 or 7 expected)");
    cell.Kind = fields[0].Text;
    cell.Port = std::string(fields[1].Text);
    cell.Function = fields[2].Text;
    cell.Safe = fields[3].Text;
    if (!IsName(cell.Kind)) throw EBSDLError(cell.Line, "bad cell kind '" + cell.Kind + "'");
    if (!IsName(cell.Function)) throw EBSDLError(cell.Line, "bad cell function '" + cell.Function + "'");
    if (!IsBit(cell.Safe)) throw EBSDLError(cell.Line, "safe value '" + cell.Safe + "' is not 0, 1 or X");
    if (fields.size() == 7) {
      const auto control = ParseNatural(fields[4].Text);
      if (!control || *control >= FBoundaryLength)
        throw EBSDLError(cell.Line, "control cell '" + std::string(fields[4].Text) + "' of cell " +
                                        std::to_string(cell.Number) + " out of range");
      cell.ControlCell = static_cast<std::int32_t>(*control);
      cell.DisableValue = fields[5].Text;
      cell.DisableResult = fields[6].Text;
      if (cell.DisableValue != "0" && cell.DisableValue != "1")
        throw EBSDLError(cell.Line, "disable value '" + cell.DisableValue + "' is not 0 or 1");
      if (!IsName(cell.DisableResult)) throw EBSDLError(cell.Line, "bad disable result '" + cell.DisableResult + "'");
    }
    return cell;
  }

  static bool IsBit(std::string_view s) { return s == "0" || s == "1" || s == "X" || s == "x"; }

  // The pin of a cell's port text ("IO_A3", "GND(3)"), or an error naming the line.
  std::string PinOfPort(const TCellField& cell) const {
    std::string name = cell.Port;
    std::int64_t index = -1;
    const std::size_t open = name.find('(');
    if (open != std::string::npos) {
      if (name.back() != ')') throw EBSDLError(cell.Line, "bad port '" + cell.Port + "'");
      const auto value = text::ParseInt(text::Trim(std::string_view(name).substr(open + 1, name.size() - open - 2)));
      if (!value) throw EBSDLError(cell.Line, "bad port index in '" + cell.Port + "'");
      index = *value;
      name = std::string(text::Trim(std::string_view(name).substr(0, open)));
    }
    const auto found = FPortIndex.find(name);
    if (found == FPortIndex.end()) throw EBSDLError(cell.Line, "cell " + std::to_string(cell.Number) + " names undeclared port " + name);
    const TPort& port = FPorts[found->second];
    if (port.IsVector != (index >= 0 || open != std::string::npos))
      throw EBSDLError(cell.Line, "port " + name + (port.IsVector ? " needs an index" : " takes no index"));
    const std::int64_t position = port.IsVector ? port.PositionOf(index) : 0;
    if (position < 0) throw EBSDLError(cell.Line, "index of '" + cell.Port + "' out of range");
    return port.Pins[static_cast<std::size_t>(position)];
  }

  void ConvertCells() {
    auto& out = FResult.Parameters.BoundaryCells;
    for (const TCellField& f : FCells) {
      TBoundaryCellParameters c;
      c.CellNumber = f.Number;
      c.CellKind = CellKindFromName(f.Kind);
      c.PortId = f.Port;
      c.CellFunction = CellFunctionFromName(f.Function);
      c.SafeBit = BitValueFromName(text::UpperAscii(f.Safe));
      if (f.ControlCell >= 0) {
        c.ControlCellNumber = f.ControlCell;
        c.DisableValue = BitValueFromName(f.DisableValue);
        c.DisableResult = DisableResultFromName(f.DisableResult);
      }
      if (f.Port != "*") c.PinNumber = PinOfPort(f);
      out.push_back(std::move(c));
    }
    for (const TBoundaryCellParameters& c : out)
      if (c.ControlCellNumber >= 0) {
        auto& control = out[static_cast<std::size_t>(c.ControlCellNumber)];
        if (control.TargetCellNumber < 0) control.TargetCellNumber = c.CellNumber;
      }
  }

  TPinElectrical DirectionOf(const TPort& port) const {
    switch (port.Mode) {
      case TPortMode::In: return eElectricInput;
      case TPortMode::Out: return FDifferentialPorts.count(port.Name) ? eElectricOpenCollector : eElectricOutput;
      case TPortMode::Buffer: return eElectricOutput;
      case TPortMode::InOut:
      case TPortMode::Linkage: return eElectricIO;
    }
    return eElectricPassive;
  }

  TScanPinKind KindOf(const TPort& port) const {
    static const std::pair<const char*, TScanPinKind> tap[] = {{"TAP_SCAN_IN", eScanPinKind_TDI},
                                                                {"TAP_SCAN_OUT", eScanPinKind_TDO},
                                                                {"TAP_SCAN_MODE", eScanPinKind_TMS},
                                                                {"TAP_SCAN_CLOCK", eScanPinKind_TCK},
                                                                {"TAP_SCAN_RESET", eScanPinKind_TRST}};
    for (const auto& [attribute, kind] : tap) {
      const auto it = FTapPorts.find(attribute);
      if (it != FTapPorts.end() && text::EqualsNoCase(it->second.first, port.Name)) return kind;
    }
    if (port.Mode == TPortMode::Linkage && text::FindNoCase(port.Name, "ADC") == std::string::npos) {
      if (text::StartsWithNoCase(port.Name, "GND")) return eScanPinKind_Ground;
      if (text::StartsWithNoCase(port.Name, "VCC")) return eScanPinKind_Power;
    }
    return eScanPinKind_Normal;
  }

  void BuildPins() {
    std::map<std::string, std::vector<std::int32_t>, text::LessNoCase> cellsOfPin;
    for (const TBoundaryCellParameters& c : FResult.Parameters.BoundaryCells)
      if (!c.PinNumber.empty() && c.CellFunction != eCellFunction_Control && c.CellFunction != eCellFunction_ControlR)
        cellsOfPin[c.PinNumber].push_back(c.CellNumber);
    for (std::size_t index : FMapOrder) {
      const TPort& port = FPorts[index];
      for (const std::string& pinNumber : port.Pins) {
        TScanPinParameters pin;
        pin.Direction = DirectionOf(port);
        pin.PinName = port.Name;
        pin.PinNumber = pinNumber;
        pin.Kind = KindOf(port);
        pin.PinMapping = {port.Name, pinNumber};
        const auto cells = cellsOfPin.find(pinNumber);
        if (cells != cellsOfPin.end())
          for (std::int32_t n : cells->second)
            if (pin.BoundaryCellCount < 2) pin.BoundaryCells[static_cast<std::size_t>(pin.BoundaryCellCount++)] = n;
        FResult.Parameters.Pins.push_back(std::move(pin));
      }
    }
  }

  void AssignTapPins() {
    TBSDLParameters& p = FResult.Parameters;
    const std::pair<const char*, std::string*> tap[] = {{"TAP_SCAN_IN", &p.PinNumber_TDI},
                                                        {"TAP_SCAN_OUT", &p.PinNumber_TDO},
                                                        {"TAP_SCAN_MODE", &p.PinNumber_TMS},
                                                        {"TAP_SCAN_CLOCK", &p.PinNumber_TCK},
                                                        {"TAP_SCAN_RESET", &p.PinNumber_TRST}};
    for (const auto& [attribute, field] : tap) {
      const auto it = FTapPorts.find(attribute);
      if (it == FTapPorts.end()) continue;
      const auto port = FPortIndex.find(it->second.first);
      if (port == FPortIndex.end())
        throw EBSDLError(it->second.second, std::string(attribute) + " names undeclared port " + it->second.first);
      *field = FPorts[port->second].Pins.front();
    }
  }

  std::vector<TBSDLToken> FTokens;
  std::size_t FPos = 0;
  std::string FFileName;
  TBSDLDescription FResult;
  std::vector<TPort> FPorts;
  std::map<std::string, std::size_t, text::LessNoCase> FPortIndex;
  std::vector<std::size_t> FMapOrder;
  std::string FDefaultPinMap;
  std::string FPinMapName;
  int FPinMapLine = 0;
  std::map<std::string, TConcatString> FPinMaps;  // by upper-case name
  std::map<std::string, TConcatString> FStrings;  // string attributes by upper-case name
  std::map<std::string, std::pair<std::string, int>> FTapPorts;
  std::set<std::string, text::LessNoCase> FDifferentialPorts;
  std::int32_t FBoundaryLength = -1;
  int FBoundaryLengthLine = 0;
  std::vector<TCellField> FCells;
};

}  // namespace

TBSDLDescription ReadBSDL(std::string_view source, const std::string& fileName) {
  try {
    return TParser(TokenizeBSDL(source), fileName).Run();
  } catch (const EBSDLError& e) {
    if (fileName.empty()) throw;
    throw EBSDLError(e.Line(), e.Detail(), fileName);
  }
}

TBSDLDescription ReadBSDLFile(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EBSDLError(0, "cannot read the file", path);
  std::ostringstream content;
  content << in.rdbuf();
  return ReadBSDL(content.str(), name);
}

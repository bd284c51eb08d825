#include "hostsim/SimJTagChannel.h"

#include "host/Dispatch.h"
#include "host/QuillError.h"
#include "host/Variant.h"

namespace {

std::string ArgumentText(const VARIANT& v) {
  switch (v.vt & ~VT_BYREF) {
    case VT_BOOL: return VariantToBool(v) ? "true" : "false";
    case VT_BSTR: return VariantToString(v);
    case VT_I4:
    case VT_UI4:
    case VT_I8: return std::to_string(VariantToInt64(v));
    case VT_EMPTY: return "";
    default: return "?";
  }
}

std::string ArgumentsText(const DISPPARAMS* params) {
  std::string text;
  if (params == nullptr) return text;
  for (UINT i = params->cArgs; i-- > 0;) {
    if (!text.empty()) text += ' ';
    text += ArgumentText(params->rgvarg[i]);
  }
  return text;
}

std::vector<bool> LowBits(std::uint32_t value, std::int32_t count) {
  std::vector<bool> bits(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count && i < 32; ++i) bits[static_cast<std::size_t>(i)] = ((value >> i) & 1u) != 0;
  return bits;
}

std::int32_t ValueOf(const std::vector<bool>& bits, std::size_t offset, std::int32_t count) {
  std::uint32_t value = 0;
  for (std::int32_t i = 0; i < count && i < 32; ++i)
    if (bits[offset + static_cast<std::size_t>(i)]) value |= 1u << i;
  return static_cast<std::int32_t>(value);
}

void RequireCount(std::int32_t count) {
  if (count < 0 || count > (1 << 26)) throw EQuillError("bit count out of range: " + std::to_string(count));
}

}  // namespace

TSimJTagChannel::TSimJTagChannel(std::shared_ptr<TSimJTagChain> chain) : FChain(std::move(chain)) {}

HRESULT STDMETHODCALLTYPE TSimJTagChannel::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                  DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                                                  UINT* argErr) {
  static const TDispatchTable<TSimJTagChannel> table{
      {503425, Op<&TSimJTagChannel::Open>},
      {503426, Op<&TSimJTagChannel::Close>},
      {503579, Op<&TSimJTagChannel::GetDevice>},
      {503581, Op<&TSimJTagChannel::ResetChain>},
      {503583, Op<&TSimJTagChannel::ShiftBits>},
      {503585, Op<&TSimJTagChannel::ShiftBitString>},
      {503588, Op<&TSimJTagChannel::ShiftData>},
      {503589, Op<&TSimJTagChannel::ShiftDataRead>},
      {503591, Op<&TSimJTagChannel::ShiftBitStringRead>},
      {503593, Op<&TSimJTagChannel::ShiftInstruction>},
      {503599, Op<&TSimJTagChannel::ScanData>},
      {503601, Op<&TSimJTagChannel::SetInstruction>},
      {503602, Op<&TSimJTagChannel::ScanInstruction>},
      {503605, Op<&TSimJTagChannel::MoveState>},
      {503607, Op<&TSimJTagChannel::GotoState>},
      {503608, Op<&TSimJTagChannel::ClockTMS>},
      {503611, Op<&TSimJTagChannel::GetPort>},
  };
  if (FJournalling) FJournal.push_back({id, ArgumentsText(params)});
  if (auto failure = FFailures.find(id); failure != FFailures.end() && --failure->second == 0) {
    FFailures.erase(failure);
    return E_FAIL;
  }
  HRESULT status = E_NOTIMPL;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TDispatchObject::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

void TSimJTagChannel::FailCall(DISPID id, int occurrence) { FFailures[id] = occurrence; }

void TSimJTagChannel::RequireOpen() const {
  if (!FOpen) throw EQuillError("the chain is not open");
}

void TSimJTagChannel::RequireState(TapState state, const char* member) const {
  if (FChain->State() != state)
    throw EQuillError(std::string(member) + " called in TAP state " + std::to_string(FChain->State()) +
                      ", expected " + std::to_string(state));
}

std::size_t TSimJTagChannel::Position(std::int32_t index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= FChain->Size())
    throw EQuillError("no device at chain position " + std::to_string(index));
  return static_cast<std::size_t>(index);
}

bool TSimJTagChannel::Open() {
  FOpen = true;
  ++FOpenCount;
  return true;
}

void TSimJTagChannel::Close() {
  FOpen = false;
  ++FCloseCount;
}

TComPtr<IDispatch> TSimJTagChannel::GetDevice(std::int32_t) { return {}; }

void TSimJTagChannel::Walk(TapState to) {
  for (const char tms : TSimTap::PathTms(FChain->State(), to)) FChain->Clock(tms == '1', false);
}

bool TSimJTagChannel::Shift(bool tdi, bool last) { return FChain->Clock(last, tdi); }

void TSimJTagChannel::ResetChain() {
  RequireOpen();
  for (int i = 0; i < 5; ++i) FChain->Clock(true, false);
}

void TSimJTagChannel::ShiftBits(std::int32_t value, std::int32_t count, bool exitShift) {
  RequireOpen();
  RequireCount(count);
  if (!TSimTap::IsShift(FChain->State())) throw EQuillError("ShiftBits outside a shift state");
  for (std::int32_t i = 0; i < count; ++i)
    Shift(i < 32 && ((static_cast<std::uint32_t>(value) >> i) & 1u) != 0, exitShift && i + 1 == count);
  FStreamBits += static_cast<std::uint64_t>(count);
  if (FStreamListener) FStreamListener(FStreamBits);
}

void TSimJTagChannel::ShiftBitString(const std::string& bits, bool exitShift) {
  RequireOpen();
  if (!TSimTap::IsShift(FChain->State())) throw EQuillError("ShiftBitString outside a shift state");
  for (const char c : bits)
    if (c != '0' && c != '1') throw EQuillError("ShiftBitString: not a binary digit in the bit text");
  // The last character enters TDI first.
  for (std::size_t i = bits.size(); i-- > 0;) Shift(bits[i] == '1', exitShift && i == 0);
  FStreamBits += bits.size();
  if (FStreamListener) FStreamListener(FStreamBits);
}

std::vector<bool> TSimJTagChannel::ShiftChain(const std::vector<bool>& bits, bool exitShift) {
  std::vector<bool> out(bits.size());
  for (std::size_t i = 0; i < bits.size(); ++i) out[i] = Shift(bits[i], exitShift && i + 1 == bits.size());
  return out;
}

// The devices nearer TDO come first: the first bits shifted travel furthest.
std::vector<bool> TSimJTagChannel::DataBitsFor(std::size_t position, const std::vector<bool>& partBits) const {
  std::vector<bool> bits(DataOffsetOf(position), false);
  bits.insert(bits.end(), partBits.begin(), partBits.end());
  bits.resize(bits.size() + position, false);
  return bits;
}

std::size_t TSimJTagChannel::InstructionOffsetOf(std::size_t position) const {
  std::size_t offset = 0;
  for (std::size_t p = position + 1; p < FChain->Size(); ++p) offset += static_cast<std::size_t>(FChain->Device(p).IrLength());
  return offset;
}

std::vector<bool> TSimJTagChannel::InstructionBitsFor(std::size_t position, std::uint32_t instruction) const {
  std::vector<bool> bits;
  for (std::size_t p = FChain->Size(); p-- > 0;) {
    const TSimChainDevice& device = FChain->Device(p);
    const std::uint32_t value = p == position ? instruction & device.BypassInstruction() : device.BypassInstruction();
    for (int i = 0; i < device.IrLength(); ++i) bits.push_back(((value >> i) & 1u) != 0);
  }
  return bits;
}

void TSimJTagChannel::ShiftData(std::int32_t value, std::int32_t count, std::int32_t index) {
  ShiftDataRead(value, count, index);
}

std::int32_t TSimJTagChannel::ShiftDataRead(std::int32_t value, std::int32_t count, std::int32_t index) {
  RequireOpen();
  RequireCount(count);
  RequireState(eTap_ShiftDR, "ShiftData");
  const std::size_t position = Position(index);
  const std::vector<bool> out =
      ShiftChain(DataBitsFor(position, LowBits(static_cast<std::uint32_t>(value), count)), true);
  return ValueOf(out, DataOffsetOf(position), count);
}

std::string TSimJTagChannel::ShiftBitStringRead(const std::string& bits, std::int32_t index) {
  RequireOpen();
  RequireState(eTap_ShiftDR, "ShiftBitStringRead");
  const std::size_t position = Position(index);
  std::vector<bool> partBits;
  for (std::size_t i = bits.size(); i-- > 0;) {
    if (bits[i] != '0' && bits[i] != '1') throw EQuillError("ShiftBitStringRead: not a binary digit");
    partBits.push_back(bits[i] == '1');
  }
  const std::vector<bool> out = ShiftChain(DataBitsFor(position, partBits), true);
  std::string text(bits.size(), '0');
  for (std::size_t i = 0; i < bits.size(); ++i)
    if (out[DataOffsetOf(position) + i]) text[bits.size() - 1 - i] = '1';
  return text;
}

void TSimJTagChannel::ShiftInstruction(std::int32_t instruction, std::int32_t index) {
  RequireOpen();
  RequireState(eTap_ShiftIR, "ShiftInstruction");
  ShiftChain(InstructionBitsFor(Position(index), static_cast<std::uint32_t>(instruction)), true);
}

std::int32_t TSimJTagChannel::ScanData(std::int32_t value, std::int32_t count, std::int32_t index) {
  RequireOpen();
  Walk(eTap_RunTestIdle);
  Walk(eTap_ShiftDR);
  const std::int32_t captured = ShiftDataRead(value, count, index);
  Walk(eTap_RunTestIdle);
  return captured;
}

void TSimJTagChannel::SetInstruction(std::int32_t instruction, std::int32_t index) {
  ScanInstruction(instruction, index);
}

std::int32_t TSimJTagChannel::ScanInstruction(std::int32_t instruction, std::int32_t index) {
  RequireOpen();
  const std::size_t position = Position(index);
  Walk(eTap_RunTestIdle);
  Walk(eTap_ShiftIR);
  const std::vector<bool> out = ShiftChain(InstructionBitsFor(position, static_cast<std::uint32_t>(instruction)), true);
  Walk(eTap_RunTestIdle);
  return ValueOf(out, InstructionOffsetOf(position), FChain->Device(position).IrLength());
}

void TSimJTagChannel::MoveState(std::int32_t from, std::int32_t to) {
  RequireOpen();
  if (to < eTap_TestLogicReset || to > eTap_UpdateIR) throw EQuillError("MoveState: no TAP state " + std::to_string(to));
  RequireState(static_cast<TapState>(from), "MoveState");
  Walk(static_cast<TapState>(to));
}

void TSimJTagChannel::GotoState(std::int32_t state) {
  RequireOpen();
  if (state < eTap_TestLogicReset || state > eTap_UpdateIR) throw EQuillError("GotoState: no TAP state " + std::to_string(state));
  if (state == eTap_TestLogicReset) {
    for (int i = 0; i < 5; ++i) FChain->Clock(true, false);
    return;
  }
  Walk(static_cast<TapState>(state));
}

void TSimJTagChannel::ClockTMS(std::int32_t level) {
  RequireOpen();
  FChain->Clock(level != 0, false);
}

#include "hostsim/SimSvfRecorder.h"

#include "host/QuillError.h"

TSimSvfRecorder::TSimSvfRecorder(TSimJTagChain& chain, const std::string& path)
    : FChain(chain), FPrevious(chain.Observer()), FOut(path, std::ios::trunc) {
  if (!FOut) throw EQuillError("cannot write the SVF file " + path);
  FOut << "! Recorded on the simulated JTAG chain of quillhost (" << chain.Size() << " devices)\n";
  Command("ENDIR IDLE");
  Command("ENDDR IDLE");
  Command("HDR 0");
  Command("HIR 0");
  Command("TDR 0");
  Command("TIR 0");
  // A player starts from wherever its chain is: a recording begun in Test-Logic-Reset says so.
  if (chain.State() == eTap_TestLogicReset) Command("STATE RESET");
  FChain.SetObserver(this);
}

TSimSvfRecorder::~TSimSvfRecorder() {
  try {
    Finish();
  } catch (...) {
  }
}

void TSimSvfRecorder::Finish() {
  if (FFinished) return;
  FFinished = true;
  FChain.SetObserver(FPrevious);
  FlushRunTest();
  FOut.flush();
}

void TSimSvfRecorder::Command(const std::string& text) {
  FOut << text << ";\n";
  ++FCommands;
}

void TSimSvfRecorder::FlushRunTest() {
  if (FRunTest == 0) return;
  Command("RUNTEST " + std::to_string(FRunTest) + " TCK");
  FRunTest = 0;
}

void TSimSvfRecorder::OnClock(TapState before, TapState after, bool /*tms*/, bool tdi, bool /*tdo*/) {
  if (FPrevious != nullptr) FPrevious->OnClock(before, after, false, tdi, false);
  if (before == eTap_ShiftDR || before == eTap_ShiftIR) FBits.push_back(tdi);
  if (before == eTap_RunTestIdle && after == eTap_RunTestIdle) ++FRunTest;
  if (after == before) return;
  switch (after) {
    case eTap_TestLogicReset:
      FlushRunTest();
      FBits.clear();
      Command("STATE RESET");
      break;
    case eTap_RunTestIdle:
      if (before == eTap_TestLogicReset) Command("STATE IDLE");
      break;
    case eTap_CaptureDR:
    case eTap_CaptureIR:
      FlushRunTest();
      FBits.clear();
      break;
    case eTap_UpdateDR: WriteShift(false); break;
    case eTap_UpdateIR: WriteShift(true); break;
    default: break;
  }
}

// SVF gives the bits as a hexadecimal number whose least significant bit is shifted first.
void TSimSvfRecorder::WriteShift(bool instruction) {
  const std::size_t count = FBits.size();
  if (count == 0) return;  // a capture and update without shifting: nothing for a player to do
  static const char kHex[] = "0123456789ABCDEF";
  std::string hex((count + 3) / 4, '0');
  for (std::size_t nibble = 0; nibble < hex.size(); ++nibble) {
    int value = 0;
    for (std::size_t bit = 0; bit < 4; ++bit) {
      const std::size_t at = nibble * 4 + bit;
      if (at < count && FBits[at]) value |= 1 << bit;
    }
    hex[hex.size() - 1 - nibble] = kHex[value];
  }
  FOut << (instruction ? "SIR " : "SDR ") << count << " TDI (" << hex << ");\n";
  ++FCommands;
  FBits.clear();
}

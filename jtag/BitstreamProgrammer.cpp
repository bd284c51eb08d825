#include "jtag/BitstreamProgrammer.h"

#include <array>

#include "jtag/BinaryText.h"
#include "jtag/ConfigurationFile.h"
#include "jtag/DeviceControl.h"
#include "host/QuillError.h"
#include "platform/Text.h"
#include "platform/TickCounter.h"

namespace jtag {

namespace {

constexpr std::size_t kBlockBytes = 8;
constexpr std::size_t kBlockChars = kBlockBytes * 8;
constexpr std::size_t kTextWordChars = 32;

// Each byte's 8-character text, least significant bit first.
struct TByteTexts {
  std::array<std::array<OLECHAR, 8>, 256> Texts{};
  TByteTexts() {
    for (std::size_t value = 0; value < 256; ++value)
      for (std::size_t bit = 0; bit < 8; ++bit) Texts[value][bit] = ((value >> bit) & 1u) != 0 ? u'1' : u'0';
  }
};
const TByteTexts kByteTexts;

bool IsBinaryDigits(std::string_view text) {
  for (const char c : text)
    if (c != '0' && c != '1') return false;
  return true;
}

}  // namespace

TBitstreamProgrammer::TBitstreamProgrammer(TChainAccess chain, TConfigurationInstructions codes,
                                           TJTagHostServices& services, bool updateIROnStart)
    : FChain(std::move(chain)),
      FCodes(codes),
      FServices(services),
      FUpdateIROnStart(updateIROnStart),
      FBlock(SysAllocStringLen(nullptr, kBlockChars)) {
  if (FBlock == nullptr) throw EQuillError("out of memory for the bit text");
}

TBitstreamProgrammer::~TBitstreamProgrammer() { SysFreeString(FBlock); }

std::size_t TBitstreamProgrammer::SynchronisationStart(std::span<const std::uint8_t> bytes) {
  std::size_t run = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    run = bytes[i] == 0xFF ? run + 1 : 0;
    if (run == 4) return i - 3;
  }
  return bytes.size();
}

std::size_t TBitstreamProgrammer::FirstDataLine(const std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (!lines[i].empty() && (lines[i][0] == '0' || lines[i][0] == '1')) return i;
  return lines.size();
}

void TBitstreamProgrammer::Preamble() const {
  const TJTagChannel& channel = FChain.Channel;
  channel.ResetChain();
  platform::WaitTicks(kChainResetWaitMs);
  channel.GotoState(eTap_RunTestIdle);
  channel.SetInstruction(FCodes.CfgIn, FChain.Index);
  channel.MoveState(eTap_RunTestIdle, eTap_ShiftDR);
  SendLeadIn(channel, FChain.Index);
}

void TBitstreamProgrammer::LeadOut() const {
  const TJTagChannel& channel = FChain.Channel;
  channel.ShiftBits(0, 32, false);
  channel.ClockTMS(1);
  channel.MoveState(eTap_Exit1DR, eTap_RunTestIdle);
}

void TBitstreamProgrammer::Startup() const {
  const TJTagChannel& channel = FChain.Channel;
  channel.MoveState(eTap_RunTestIdle, eTap_ShiftIR);
  channel.ShiftInstruction(FCodes.JStart, FChain.Index);
  if (FUpdateIROnStart) {
    channel.ClockTMS(1);
    channel.ClockTMS(0);
    for (int i = 0; i < kStartupClocks; ++i) channel.ClockTMS(0);
  } else {
    channel.MoveState(eTap_Exit1IR, eTap_ShiftDR);
    for (int i = 0; i < kStartupClocks; ++i) channel.ClockTMS(0);
    channel.MoveState(eTap_ShiftDR, eTap_RunTestIdle);
  }
}

void TBitstreamProgrammer::CloseAfterFailure(bool progressOpen) const {
  try {
    if (progressOpen) FServices.ProgressEnd();
  } catch (...) {
  }
  try {
    FChain.Channel.Close();
  } catch (...) {
  }
}

// Eight bytes per block: each byte's text goes in front of the texts before it, so with the
// last character entering first the block enters in file order, each byte's MSB first.
void TBitstreamProgrammer::SendBytes(std::span<const std::uint8_t> bytes) {
  const TJTagChannel& channel = FChain.Channel;
  std::size_t inBlock = 0;
  for (const std::uint8_t byte : bytes) {
    const auto& text = kByteTexts.Texts[byte];
    std::copy(text.begin(), text.end(), FBlock + (kBlockChars - 8 * (inBlock + 1)));
    if (++inBlock == kBlockBytes) {
      channel.ShiftBitString(FBlock, false);
      inBlock = 0;
    }
    FServices.ProgressStep();
  }
  if (inBlock > 0) {
    const std::size_t length = 8 * inBlock;
    BSTR tail = SysAllocStringLen(FBlock + (kBlockChars - length), static_cast<UINT>(length));
    if (tail == nullptr) throw EQuillError("out of memory for the bit text");
    try {
      channel.ShiftBitString(tail, false);
    } catch (...) {
      SysFreeString(tail);
      throw;
    }
    SysFreeString(tail);
  }
}

bool TBitstreamProgrammer::SendBinary(std::span<const std::uint8_t> bytes) {
  const std::size_t start = SynchronisationStart(bytes);
  if (start == bytes.size()) return false;
  FChain.Channel.Open();
  bool progressOpen = false;
  try {
    Preamble();
    FServices.ProgressBegin(kProgressCaption, static_cast<std::int64_t>(bytes.size()));
    progressOpen = true;
    // The bytes before the synchronisation point are read (and counted) but not sent.
    for (std::size_t i = 0; i < start; ++i) FServices.ProgressStep();
    SendBytes(bytes.subspan(start));
    LeadOut();
    Startup();
    progressOpen = false;
    FServices.ProgressEnd();
    FChain.Channel.Close();
  } catch (...) {
    CloseAfterFailure(progressOpen);
    throw;
  }
  return true;
}

bool TBitstreamProgrammer::SendText(const std::vector<std::string>& lines) {
  const std::size_t first = FirstDataLine(lines);
  if (first == lines.size()) return false;
  for (std::size_t i = first; i < lines.size(); ++i)
    if (!IsBinaryDigits(std::string_view(lines[i]).substr(0, kTextWordChars)))
      throw EQuillError("line " + std::to_string(i + 1) + " of the configuration file is not a word of binary digits");
  FChain.Channel.Open();
  bool progressOpen = false;
  try {
    Preamble();
    FServices.ProgressBegin(kProgressCaption, static_cast<std::int64_t>(lines.size()));
    progressOpen = true;
    for (std::size_t i = first; i < lines.size(); ++i) {
      const std::string_view word = std::string_view(lines[i]).substr(0, kTextWordChars);
      if (!word.empty()) FChain.Channel.ShiftBitString(ReverseText(word), false);
      FServices.ProgressStep();
    }
    LeadOut();
    progressOpen = false;
    FServices.ProgressEnd();
    Startup();
    FChain.Channel.Close();
  } catch (...) {
    CloseAfterFailure(progressOpen);
    throw;
  }
  return true;
}

bool UsesUpdateIROnStart(const std::string& familyName, TJTagHostServices& services) {
  static constexpr const char* kUpdateIRFamilies[] = {
      "Virtex2P", "Spartan3", "Spartan3E", "Spartan3L", "Spartan3A", "Spartan3AN",
      "Spartan3ADSP", "Spartan6", "Virtex2", "Virtex4", "Virtex5", "Virtex6",
  };
  for (const char* family : kUpdateIRFamilies)
    if (text::EqualsNoCase(familyName, family)) return true;
  return services.FamilyFlag(familyName, "UseUpdateIROnStart", "General");
}

std::int32_t ProgramDevice(IDispatch* driver, const std::string& fileName, TJTagHostServices& services,
                           const TConfigurationInstructions& codes) {
  auto chain = ChainOf(DriverQuillDevice(driver));
  if (!chain) return 0;
  const auto file = TConfigurationFile::Load(fileName);
  if (!file) return 0;
  // Nothing is sent, and nothing reported as sent, for a file without data.
  const bool hasData = file->Kind == TConfigurationFile::eBinary
                           ? TBitstreamProgrammer::SynchronisationStart(file->Bytes) < file->Bytes.size()
                           : TBitstreamProgrammer::FirstDataLine(file->Lines) < file->Lines.size();
  if (!hasData) return 0;
  const bool updateIR = UsesUpdateIROnStart(DriverFamilyName(driver), services);
  TBitstreamProgrammer programmer(std::move(*chain), codes, services, updateIR);
  services.ShowBusyCursor();
  try {
    if (file->Kind == TConfigurationFile::eBinary) programmer.SendBinary(file->Bytes);
    else programmer.SendText(file->Lines);
  } catch (...) {
    services.RestoreCursor();
    throw;
  }
  services.RestoreCursor();
  return file->BitCount;
}

}  // namespace jtag

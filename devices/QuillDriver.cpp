#include "devices/QuillDriver.h"

#include <array>
#include <string_view>

#include "host/ParameterList.h"
#include "platform/Text.h"

const IID IID_IQuillDriverMemory = {0xDE05D751, 0x32F9, 0x4557, {0xA7, 0xB6, 0x67, 0x8A, 0x82, 0x80, 0xE2, 0x74}};

TQuillDriver::TQuillDriver(std::string coreExt) : FCoreExt(std::move(coreExt)) {}

TQuillDriver::~TQuillDriver() { ReleaseResources(); }

HRESULT STDMETHODCALLTYPE TQuillDriver::QueryInterface(REFIID riid, void** object) {
  return TAbstractQuillDriver::QueryInterface(riid, object);
}

void* TQuillDriver::FindInterface(REFIID riid) {
  if (riid == IID_IQuillDriverMemory) return static_cast<IQuillDriverMemory*>(this);
  return TAbstractQuillDriver::FindInterface(riid);
}

TComPtr<IDispatch> TQuillDriver::GetQuillDevice() { return FQuillDevice; }

bool TQuillDriver::SetQuillDevice(TComPtr<IDispatch> Device) {
  FQuillDevice = std::move(Device);
  if (!FQuillDevice) ReleaseResources();
  return true;
}

std::uint32_t TQuillDriver::GetBitmapHandle() { return 0; }

void TQuillDriver::CreateRackViewer() {}

TComPtr<IDispatch> TQuillDriver::GetRackViewer() { return FRackView; }

namespace {

// Actions this driver does not offer; every other action name is supported.
constexpr std::array<std::string_view, 15> kUnsupportedActions{
    "PauseProcessor",      "ContinueProcessor",     "ResetProcessor",        "SingleStepProcessor",
    "CompileProgram",      "DownloadProgram",       "StartDebug",            "StartAttach",
    "EndDebug",            "ProcessorMenu",         "Flash_ResetDevice",     "Flash_ConfigureDevice",
    "Flash_DownloadDevice", "Flash_ChooseAndDownload", "VerifyProgram",
};

}  // namespace

bool TQuillDriver::Supports(const std::string& Capability) {
  const std::pair<std::string_view, bool (TQuillDriver::*)()> predicates[] = {
      {"CPLD", &TQuillDriver::IsCPLD}, {"FPGA", &TQuillDriver::IsFPGA},   {"PROM", &TQuillDriver::IsPROM},
      {"PROC", &TQuillDriver::IsPROC}, {"SPROC", &TQuillDriver::IsSPROC}, {"GPROC", &TQuillDriver::IsGPROC},
  };
  for (const auto& [name, predicate] : predicates)
    if (text::EqualsNoCase(Capability, name)) return (this->*predicate)();

  TParameterList parameters;
  parameters.SetState(Capability);
  std::string toolchain;
  if (parameters.GetState_ParameterAsString("ToolchainName", toolchain) && !toolchain.empty()) return false;
  std::string action;
  if (!parameters.GetState_ParameterAsString("Action", action)) action = Capability;
  for (std::string_view unsupported : kUnsupportedActions)
    if (text::EqualsNoCase(action, unsupported)) return false;
  return true;
}

std::string TQuillDriver::VendorToolsDescriptor() { return {}; }
bool TQuillDriver::VendorToolsPresent() { return false; }
bool TQuillDriver::VendorToolsUpToDate() { return false; }

bool TQuillDriver::SetProcessorRegisterValue(std::int32_t, std::uint32_t) { return false; }
std::uint32_t TQuillDriver::GetProcessorRegisterValue(std::int32_t) { return 0; }
bool TQuillDriver::SetProcessorRegisterWideValue(std::int32_t, const std::string&) { return false; }
std::string TQuillDriver::GetProcessorRegisterWideValue(std::int32_t) { return "0"; }

TComPtr<IDispatch> TQuillDriver::CreateFlow(TFlowKind) { return {}; }

TComPtr<IDispatch> TQuillDriver::FlowStage_Build() {
  if (!FBuildFlow) FBuildFlow = CreateFlow(eFlowKind_Build);
  return FBuildFlow;
}

TComPtr<IDispatch> TQuillDriver::FlowStage_Download() {
  if (!FDownloadFlow) FDownloadFlow = CreateFlow(eFlowKind_Download);
  return FDownloadFlow;
}

void TQuillDriver::ResetQuillRegisters() {}
void TQuillDriver::SingleStepProcessor() {}
void TQuillDriver::RunSingleStepInSubstitutionRegister() {}
void TQuillDriver::ResetProcessor() {}
void TQuillDriver::PauseProcessor() {}
void TQuillDriver::ContinueProcessor() {}
void TQuillDriver::RunSteps(std::int32_t) {}
bool TQuillDriver::ProcessorIsPaused() { return false; }
bool TQuillDriver::ProcessorIsReset() { return false; }
bool TQuillDriver::ProcessorIsRunning() { return !ProcessorIsReset() && !ProcessorIsPaused(); }

void TQuillDriver::ReleaseResources() { FRackView = {}; }

void TQuillDriver::CustomAction_GetState(std::int32_t, TByRefFlag& A, TByRefFlag&, TByRefFlag& C, TRawWord,
                                         TRawWord) {
  A.Cell = 0;
  C.Cell = 0;
}

bool TQuillDriver::EPM_Download(const std::string&, const std::string& FileName, const std::string&) {
  if (!ResetDevice()) return false;
  ProgramDevice(FileName);
  return GetDeviceState() == 2;
}

std::string TQuillDriver::GetEmbeddedConstraintFile() { return {}; }

std::string TQuillDriver::GetFolder_Library() { return {}; }

#include "devices/QuillDriver.h"

#include <array>
#include <string_view>

#include "host/HostClient.h"
#include "host/HostFolders.h"
#include "host/HostWorkspace.h"
#include "host/JTagChannel.h"
#include "host/MessageBoxes.h"
#include "host/ParameterList.h"
#include "platform/Bitmap.h"
#include "platform/Files.h"
#include "platform/Text.h"

const IID IID_IQuillDriverMemory = {0xDE05D751, 0x32F9, 0x4557, {0xA7, 0xB6, 0x67, 0x8A, 0x82, 0x80, 0xE2, 0x74}};

TQuillDriver::TQuillDriver(std::string coreExt) : FCoreExt(std::move(coreExt)) {
  try {
    const TClient client = HostClient();
    if (client.Assigned()) SetFormsOwnerWindow(client.MainWindowHandle());
  } catch (...) {
    // Without the host's main window the forms keep their default owner.
  }
}

TQuillDriver::~TQuillDriver() {
  try {
    ReleaseResources();
  } catch (...) {
    // The host may be gone by the time the library unloads.
  }
  platform::FreeBitmap(FDeviceImage);
  platform::FreeBitmap(FDeviceAboutImage);
}

HRESULT STDMETHODCALLTYPE TQuillDriver::QueryInterface(REFIID riid, void** object) {
  return TAbstractQuillDriver::QueryInterface(riid, object);
}

void* TQuillDriver::FindInterface(REFIID riid) {
  if (riid == IID_IQuillDriverMemory) return static_cast<IQuillDriverMemory*>(this);
  return TAbstractQuillDriver::FindInterface(riid);
}

// ---- the host device object and the viewer ----

TComPtr<IDispatch> TQuillDriver::GetQuillDevice() { return FQuillDevice; }

bool TQuillDriver::SetQuillDevice(TComPtr<IDispatch> Device) {
  FQuillDevice = std::move(Device);
  if (FRackForm != nullptr) FRackForm->SetQuillDevice(FQuillDevice);
  if (!FQuillDevice) ReleaseResources();
  return true;
}

void TQuillDriver::ReleaseResources() {
  if (FRackView) {
    const THostObject view(std::exchange(FRackView, {}));
    FRackForm = nullptr;  // the view disposes of its form
    view.Call(kInstrumentView_Close);
  } else if (FRackForm != nullptr) {
    delete std::exchange(FRackForm, nullptr);
  }
}

TComPtr<IDispatch> TQuillDriver::CreateRackView(TRackForm&) { return {}; }

std::unique_ptr<TRackForm> TQuillDriver::NewRackForm(TComPtr<IDispatch>, TComPtr<IDispatch>) { return nullptr; }

std::unique_ptr<TRackForm> TQuillDriver::CreateRackForm() {
  if (!FQuillDevice) return nullptr;
  const TQuillDevice device(FQuillDevice);
  const TJTagChannel chain = device.GetJTagChannel();
  if (!chain.Assigned()) return nullptr;
  const THostObject jtagDevice(chain.GetDevice(device.GetJTagIndex()));
  if (!jtagDevice.Assigned()) return nullptr;
  if (!jtagDevice.Call<TComPtr<IDispatch>>(kJTagDevice_BSDLEntity)) {
    ShowError("Failed To find Boundary Scan data for Device\r\rDevice:  " +
                  jtagDevice.Call<std::string>(kJTagDevice_Name),
              "Error");
    return nullptr;
  }
  return NewRackForm(FQuillDevice, jtagDevice.DispatchPtr());
}

void TQuillDriver::CreateRackViewer() {
  if (FRackForm != nullptr) return;
  std::unique_ptr<TRackForm> form = CreateRackForm();
  if (!form) return;
  FRackForm = form.release();
  FRackForm->SetQuillDevice(FQuillDevice);
  FRackView = CreateRackView(*FRackForm);
}

TComPtr<IDispatch> TQuillDriver::GetRackViewer() { return FRackView; }

// ---- capabilities ----

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

// ---- vendor tools ----

namespace {

constexpr std::array<std::string_view, 4> kVendors{"Xilinx", "Altera", "Actel", "Lattice"};

bool IsLineOf(const std::string& value, const std::string& listFile) {
  const auto lines = platform::ReadTextLines(listFile);
  if (!lines) return false;
  for (const std::string& line : *lines)
    if (text::Trim(line) == value) return true;
  return false;
}

// The version of the Quartus tools named in the first line of their readme.txt.
bool AlteraToolsUpToDate(const TVendorToolManager& manager) {
  const std::string tool = manager.GetToolPath("Altera", "Quartus_Cmd");
  if (tool.empty()) return false;
  const auto line = platform::ReadFirstLine(platform::ParentFolder(platform::ExtractFilePath(tool)) + "readme.txt");
  if (!line) return false;
  std::size_t at = line->find("Version");
  if (at == std::string::npos) at = line->find("Release");
  if (at == std::string::npos) return false;
  const std::string_view rest = text::Trim(std::string_view(*line).substr(at + 7));
  // "Version 9.1 Build 222" names 9.1; a line that ends with the version names it too.
  const std::string version(rest.substr(0, rest.find(' ')));
  return !version.empty() && IsLineOf(version, HostSystemFolder() + "AlteraVersions.Txt");
}

// The version of the Actel tools in the verinfo file of their adm folder.
bool ActelToolsUpToDate(const TVendorToolManager& manager) {
  const std::string tool = manager.GetToolPath("Actel", "Designer");
  if (tool.empty()) return false;
  const std::string adm = platform::ExtractFilePath(tool) + "../adm/";
  if (!platform::DirectoryExists(adm)) return false;
  const auto line = platform::ReadFirstLine(adm + "verinfo");
  return line && IsLineOf(std::string(text::Trim(*line)), HostSystemFolder() + "ACTELVersions.Txt");
}

}  // namespace

// The vendor-tool key of this driver's vendor, or "" for a vendor the manager does not know.
std::string TQuillDriver::VendorKey() {
  const std::string vendor = GetVendorName();
  for (std::string_view key : kVendors)
    if (text::EqualsNoCase(vendor, key)) return std::string(key);
  return {};
}

bool TQuillDriver::VendorToolsPresent() {
  const std::string vendor = VendorKey();
  if (vendor.empty()) return true;
  const TVendorToolManager manager = HostVendorToolManager();
  if (vendor == "Altera") return !manager.GetToolPath("Altera", "Quartus_Cmd").empty();
  if (vendor == "Actel") return !manager.GetToolPath("Actel", "designer").empty();
  return manager.IsToolPresent(vendor);
}

bool TQuillDriver::VendorToolsUpToDate() {
  const std::string vendor = VendorKey();
  if (vendor.empty()) return true;
  const TVendorToolManager manager = HostVendorToolManager();
  if (vendor == "Altera") return AlteraToolsUpToDate(manager);
  if (vendor == "Actel") return ActelToolsUpToDate(manager);
  return manager.IsToolUpToDate(vendor);
}

std::string TQuillDriver::VendorToolsDescriptor() {
  const std::string vendor = VendorKey();
  if (vendor.empty()) return {};
  if (vendor == "Altera") return "Altera Quartus II";
  if (vendor == "Actel") return "ACTEL LiberoIDE";
  return HostVendorToolManager().GetToolDescriptor(vendor);
}

// ---- channel access and the processor-debug layer ----

void TQuillDriver::OpenChannel() {
  if (!FQuillDevice) return;
  const TJTagChannel chain = TQuillDevice(FQuillDevice).GetJTagChannel();
  if (chain.Assigned()) chain.Open();
}

void TQuillDriver::CloseChannel() {
  if (!FQuillDevice) return;
  const TJTagChannel chain = TQuillDevice(FQuillDevice).GetJTagChannel();
  if (chain.Assigned()) chain.Close();
}

void TQuillDriver::BeginDeviceSequence() {
  OpenChannel();
  if (FQuillDevice) TQuillDevice(FQuillDevice).BeginDeviceAccess();
}

void TQuillDriver::EndDeviceSequence() {
  if (FQuillDevice) TQuillDevice(FQuillDevice).EndDeviceAccess();
  CloseChannel();
}

void TQuillDriver::WriteControlRegister() {
  if (FQuillDevice)
    TQuillDevice(FQuillDevice).WriteRegister(kControlRegisterNumber, kControlRegisterWidth, FControlRegister);
}

void TQuillDriver::ReadControlRegister() {
  if (FQuillDevice)
    FControlRegister = static_cast<std::uint8_t>(
        TQuillDevice(FQuillDevice).ReadRegister(kControlRegisterNumber, kControlRegisterWidth));
}

template <class F>
auto TQuillDriver::InChannel(F&& sequence) {
  OpenChannel();
  try {
    if constexpr (std::is_void_v<decltype(sequence())>) {
      sequence();
      CloseChannel();
    } else {
      auto result = sequence();
      CloseChannel();
      return result;
    }
  } catch (...) {
    try {
      CloseChannel();
    } catch (...) {
    }
    throw;
  }
}

void TQuillDriver::ResetQuillRegisters() {
  InChannel([&] {
    if (!FQuillDevice) return;
    const TQuillDevice device(FQuillDevice);
    const TJTagChannel chain = device.GetJTagChannel();
    if (chain.Assigned()) chain.SetInstruction(2, device.GetJTagIndex());
  });
}

void TQuillDriver::PauseProcessor() {
  InChannel([&] {
    ReadControlRegister();
    SetControlBits(eControl_StepCounterBreakpointEnable | eControl_Reset | eControl_DebugAcknowledge |
                       eControl_DebugStep | eControl_DebuggerProgramSelect,
                   false);
    SetControlBits(eControl_DebugEnable | eControl_DebugRequest, true);
    WriteControlRegister();
    ReadControlRegister();
  });
}

void TQuillDriver::ResetProcessor() {
  InChannel([&] {
    PauseProcessor();
    SetControlBits(eControl_Reset, true);
    WriteControlRegister();
    SetControlBits(eControl_Reset, false);
    WriteControlRegister();
    ReadControlRegister();
  });
}

void TQuillDriver::ContinueProcessor() {
  InChannel([&] {
    ReadControlRegister();
    SetControlBits(kControl_AllNamedBits, false);
    SetControlBits(eControl_DebugEnable | eControl_DebugRequest, true);
    WriteControlRegister();
    SetControlBits(eControl_DebugRequest, false);
    WriteControlRegister();
    ReadControlRegister();
  });
}

// Reset off, debug requested and enabled, written: the start of every stepping sequence.
void TQuillDriver::PrepareStep() {
  SetControlBits(eControl_Reset, false);
  SetControlBits(eControl_DebugRequest | eControl_DebugEnable, true);
  WriteControlRegister();
}

void TQuillDriver::SingleStepProcessor() {
  InChannel([&] {
    PauseProcessor();
    ReadControlRegister();
    PrepareStep();
    SetControlBits(eControl_DebugStep, true);
    WriteControlRegister();
    ReadControlRegister();
  });
}

void TQuillDriver::RunSteps(std::int32_t Count) {
  InChannel([&] {
    ReadControlRegister();
    PauseProcessor();
    PrepareStep();
    SetControlBits(eControl_DebugStep, true);
    for (std::int32_t i = 0; i < Count; ++i) WriteControlRegister();
    ReadControlRegister();
  });
}

void TQuillDriver::RunSingleStepInSubstitutionRegister() {
  InChannel([&] {
    ReadControlRegister();
    PrepareStep();
    SetControlBits(eControl_DebuggerProgramSelect, true);
    WriteControlRegister();
    SetControlBits(eControl_DebugStep, true);
    WriteControlRegister();
    SetControlBits(eControl_DebuggerProgramSelect | eControl_DebugStep, false);
    WriteControlRegister();
    ReadControlRegister();
  });
}

bool TQuillDriver::ProcessorIsPaused() {
  return InChannel([&] {
    ReadControlRegister();
    return DebugEnable() != 0 && DebugAcknowledge() != 0;
  });
}

bool TQuillDriver::ProcessorIsReset() {
  return InChannel([&] {
    ReadControlRegister();
    return Reset() != 0;
  });
}

bool TQuillDriver::ProcessorIsRunning() { return !ProcessorIsReset() && !ProcessorIsPaused(); }

// Register access through JTAG: select the register (bit 7 set for a write), then shift its
// value. The select code of a register is its index.
std::uint32_t TQuillDriver::AccessRegister(std::int32_t index, bool write, std::uint32_t value) {
  if (!FQuillDevice) return 0;
  const TQuillDevice device(FQuillDevice);
  const TJTagChannel chain = device.GetJTagChannel();
  if (!chain.Assigned()) return 0;
  const std::int32_t position = device.GetJTagIndex();
  const std::int32_t select = (index & 0x7F) | (write ? 0x80 : 0);
  chain.SetInstruction(RegisterSelectInstruction(), position);
  chain.MoveState(eTap_RunTestIdle, eTap_ShiftDR);
  chain.ShiftData(select, 8, position);
  chain.MoveState(eTap_Exit1DR, eTap_RunTestIdle);
  chain.SetInstruction(RegisterAccessInstruction(), position);
  chain.MoveState(eTap_RunTestIdle, eTap_ShiftDR);
  const auto width = static_cast<std::int32_t>(GetProcessorRegisterWidth(index));
  const auto read = static_cast<std::uint32_t>(chain.ShiftDataRead(static_cast<std::int32_t>(value), width, position));
  chain.MoveState(eTap_Exit1DR, eTap_RunTestIdle);
  return read;
}

bool TQuillDriver::SetProcessorRegisterValue(std::int32_t Index, std::uint32_t Value) {
  if (Index < 0 || Index >= GetProcessorRegisterCount()) return false;
  AccessRegister(Index, true, Value);
  return true;
}

std::uint32_t TQuillDriver::GetProcessorRegisterValue(std::int32_t Index) {
  if (Index < 0 || Index >= GetProcessorRegisterCount()) return 0;
  return AccessRegister(Index, false, 0);
}

bool TQuillDriver::SetProcessorRegisterWideValue(std::int32_t Index, const std::string& Value) {
  if (Index < 0 || Index >= GetProcessorRegisterCount()) return false;
  const auto parsed = text::ParseInt(Value);
  if (!parsed) return false;
  AccessRegister(Index, true, static_cast<std::uint32_t>(*parsed));
  return true;
}

std::string TQuillDriver::GetProcessorRegisterWideValue(std::int32_t Index) {
  if (Index < 0 || Index >= GetProcessorRegisterCount()) return "0";
  return text::FormatInt(AccessRegister(Index, false, 0));
}

// ---- flows ----

TComPtr<IDispatch> TQuillDriver::CreateFlow(TFlowKind) { return {}; }

TComPtr<IDispatch> TQuillDriver::FlowStage_Build() {
  if (!FBuildFlow) FBuildFlow = CreateFlow(eFlowKind_Build);
  return FBuildFlow;
}

TComPtr<IDispatch> TQuillDriver::FlowStage_Download() {
  if (!FDownloadFlow) FDownloadFlow = CreateFlow(eFlowKind_Download);
  return FDownloadFlow;
}

// ---- downloads, custom actions ----

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

// ---- files: constraint files, the library folder, the device picture ----

std::string TQuillDriver::ResolveConstraintFile(const std::string& name) {
  const std::string embedded = std::string("Library") + platform::kPathDelimiter + "Embedded" + platform::kPathDelimiter;
  const std::string candidates[] = {
      name,
      PluginFolder() + embedded + name,
      HostClient().ClientAPI().ClientFolder() + name,
      EmbeddedExtensionFolder() + embedded + name,
  };
  for (const std::string& candidate : candidates)
    if (platform::FileExists(candidate)) return candidate;
  return {};
}

std::string TQuillDriver::GetEmbeddedConstraintFile() {
  if (!FCustomConstraintFile.empty())
    if (std::string resolved = ResolveConstraintFile(FCustomConstraintFile); !resolved.empty()) return resolved;
  const std::string names[] = {
      GetDeviceName() + ".Constraint",
      GetDeviceParameter("ProcessorDeviceName") + ".Constraint",
      GetBaseName() + ".Constraint",
      GetFamilyName() + ".Constraint",
  };
  for (const std::string& name : names)
    if (std::string resolved = ResolveConstraintFile(name); !resolved.empty()) return resolved;
  TComPtr<IDispatch> processor;
  if (GetProcessorInformation(processor) && processor) {
    const std::string name = THostObject(processor).Call<std::string>(kProcessorInformation_Name) + ".Constraint";
    if (std::string resolved = ResolveConstraintFile(name); !resolved.empty()) return resolved;
  }
  return {};
}

std::string TQuillDriver::GetFolder_Library() { return PluginLibraryFolder(); }

std::uint32_t TQuillDriver::BuildDeviceImage() {
  auto image = platform::LoadBitmapFile(HostSystemFolder() + "Generic_Hard_Device.bmp");
  if (!image) return 0;
  const std::string family = GetFolder_Library() + "DeviceImages" + platform::kPathDelimiter + GetFamilyName() + ".bmp";
  if (platform::FileExists(family))
    if (const auto familyImage = platform::LoadBitmapFile(family)) platform::PaintCentred(*image, *familyImage);
  return platform::RegisterBitmap(std::move(*image));
}

std::uint32_t TQuillDriver::GetBitmapHandle() {
  if (FDeviceImage == 0) FDeviceImage = BuildDeviceImage();
  return FDeviceImage;
}

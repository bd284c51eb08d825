// TQuillDriver: the framework's concrete driver base. Every host-visible operation has its
// default here; the catalogue (TDeviceData) and the exported driver override the part-specific
// ones. A driver ignores the host's reference counting: it lives until the library unloads.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "devices/RackForm.h"
#include "host/AbstractQuillDriver.h"

extern const IID IID_IQuillDriverMemory;  // {DE05D751-32F9-4557-A7B6-678A8280E274}

// The driver's native memory interface.
struct IQuillDriverMemory : IUnknown {
  virtual std::int32_t STDMETHODCALLTYPE MemoryRead(std::uint32_t a, std::uint32_t b, std::uint32_t c,
                                                    std::uint32_t d, std::uint32_t e, std::uint32_t f) = 0;
  virtual std::int32_t STDMETHODCALLTYPE MemoryWrite(std::uint32_t a, std::uint32_t b, std::uint32_t c,
                                                     std::uint32_t d, std::uint32_t e, std::uint32_t f) = 0;

 protected:
  ~IQuillDriverMemory() = default;
};

enum TFlowKind : std::int32_t { eFlowKind_Build = 0, eFlowKind_Download = 1, eFlowKind_Verify = 2 };

// Bits of the processor debug control register; bit 6 has no name and is only carried along.
enum TControlRegisterBit : std::uint8_t {
  eControl_DebuggerProgramSelect = 1u << 0,
  eControl_DebugStep = 1u << 1,
  eControl_DebugRequest = 1u << 2,
  eControl_DebugAcknowledge = 1u << 3,
  eControl_DebugEnable = 1u << 4,
  eControl_Reset = 1u << 5,
  eControl_StepCounterBreakpointEnable = 1u << 7,
};
constexpr std::uint8_t kControl_AllNamedBits = 0xBF;
// The host device object's debug register that holds the control register, and its width.
constexpr std::int32_t kControlRegisterNumber = 64;
constexpr std::int32_t kControlRegisterWidth = 8;

// The host members of the JTAG chain device the viewer needs.
constexpr DISPID kJTagDevice_BSDLEntity = 503550;
constexpr DISPID kJTagDevice_Name = 503558;
// IInstrumentView: asks the view to close.
constexpr DISPID kInstrumentView_Close = 503704;
// IDeviceProcessorInformation: the processor's name.
constexpr DISPID kProcessorInformation_Name = 503890;

class TQuillDriver : public TAbstractQuillDriver, public IQuillDriverMemory {
 public:
  // The constructor `Create(CoreExt)`: all links empty, no bitmaps, control register 0.
  explicit TQuillDriver(std::string coreExt);
  ~TQuillDriver() override;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  // The host's reference counting is ignored: both answer -1 and change nothing.
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(-1); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(-1); }

  std::int32_t STDMETHODCALLTYPE MemoryRead(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                                            std::uint32_t, std::uint32_t) override { return 0; }
  std::int32_t STDMETHODCALLTYPE MemoryWrite(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                                             std::uint32_t, std::uint32_t) override { return 0; }

  std::uint32_t GetIdCode() override { return 0; }
  std::string GetDeviceName() override { return "Generic Quill Device"; }
  std::string GetDeviceDescription() override { return GetDeviceName(); }
  std::string GetFamilyName() override { return {}; }
  std::string GetFamilyDescription() override { return {}; }
  std::string GetLibraryName() override { return {}; }
  std::string GetVendorPrimitiveLibraryName() override { return {}; }
  std::string GetBaseName() override { return {}; }
  std::int32_t GetEquivalentGatesForBase() override { return -1; }
  std::int32_t GetMaxIOForBase() override { return -1; }
  std::string GetPackageTypeId() override { return "Generic"; }
  std::string GetPackageTypeName() override { return "Generic"; }
  std::string GetPackageTypeDescription() override { return "Un-Classified Packages"; }
  std::string GetPackageId() override { return {}; }
  std::string GetPackageName() override { return {}; }
  std::string GetPackageDescription() override { return {}; }
  std::string GetPackageDimensions() override { return "? x ? mm"; }
  std::string GetTemperatureGradeId() override { return {}; }
  std::string GetTemperatureGradeName() override { return {}; }
  std::string GetTemperatureGradeDescription() override { return {}; }
  std::string GetSpeedGradeId() override { return {}; }
  std::string GetSpeedGradeName() override { return {}; }
  std::string GetSpeedGradeDescription() override { return {}; }
  std::string GetOptionDesignatorId() override { return {}; }
  std::string GetOptionDesignatorName() override { return {}; }
  std::string GetOptionDesignatorDescription() override { return {}; }
  std::string GetBSDLFilename() override { return {}; }
  TComPtr<IDispatch> GetBSDLEntity() override { return {}; }
  std::string GetVendorName() override { return {}; }
  std::int32_t GetInstructionLength() override { return 4; }
  std::int32_t GetDevicePinCount() override { return 0; }
  std::int32_t GetDeviceIOCount() override { return -1; }
  TComPtr<IDispatch> GetDevicePin(std::int32_t) override { return {}; }
  std::string GetDownloadFileExtensions() override { return {}; }
  std::int32_t GetDSPMultiplierCount() override { return -1; }
  std::int32_t GetClockManagerCount() override { return -1; }
  std::int32_t GetMemorySize() override { return -1; }
  bool GetTerminationSupport() override { return false; }
  std::int32_t GetGlobalClockCount() override { return -1; }
  std::int32_t GetConfigMemorySize() override { return -1; }
  std::int32_t GetDiffPairCount() override { return -1; }
  std::int32_t GetHighSpeedDiffPairCount() override { return -1; }
  std::int32_t GetIOStandardCount() override { return 0; }
  TComPtr<IDispatch> GetIOStandard(std::int32_t) override { return {}; }
  std::string GetDeviceDisplayName() override { return GetDeviceName(); }
  std::string GetDeviceParameter(const std::string&) override { return {}; }

  TComPtr<IDispatch> GetQuillDevice() override;
  bool SetQuillDevice(TComPtr<IDispatch> Device) override;
  bool Finalize() override { return false; }
  std::uint32_t GetBitmapHandle() override;
  bool SaveProcessorState() override { return false; }
  bool RestoreProcessorState() override { return false; }
  void CreateRackViewer() override;
  TComPtr<IDispatch> GetRackViewer() override;
  bool Supports(const std::string& Capability) override;
  void ShowAboutDialog() override {}
  std::string VendorToolsDescriptor() override;
  bool VendorToolsPresent() override;
  bool VendorToolsUpToDate() override;
  bool SetProcessorRegisterValue(std::int32_t Index, std::uint32_t Value) override;
  std::uint32_t GetProcessorRegisterValue(std::int32_t Index) override;
  std::uint32_t GetProcessorRegisterWidth(std::int32_t) override { return 0; }
  std::string GetProcessorRegisterName(std::int32_t) override { return {}; }
  std::string GetProcessorRegisterShortName(std::int32_t) override { return {}; }
  std::int32_t GetProcessorRegisterCount() override { return 0; }
  std::int32_t GetRegisterIndex_PC() override { return -1; }
  std::int32_t GetRegisterIndex_SP() override { return -1; }
  std::int32_t GetSoftBreakpointAddressByteAlign() override { return 1; }
  std::uint32_t GetMemorySpaceWidth(std::int32_t) override { return 0; }
  std::uint8_t GetMemorySpaceKind(std::int32_t) override { return 0; }
  std::uint32_t GetMemorySpaceBytesPerUnit(std::int32_t) override { return 1; }
  std::string GetMemorySpaceName(std::int32_t) override { return {}; }
  std::string GetMemorySpaceShortName(std::int32_t Index) override { return GetMemorySpaceName(Index); }
  std::int32_t GetMemorySpaceCount() override { return 0; }
  std::int32_t GetMemorySpace_Program() override { return -1; }
  bool InitDownload(std::int32_t) override { return true; }
  bool FinishDownload(std::int32_t) override { return true; }
  bool RunDiagnostic() override { return true; }
  bool LittleEndian() override { return false; }
  bool ResetDevice() override { return false; }
  std::int32_t GetDeviceState() override { return 0; }
  std::int32_t ProgramDevice(const std::string&) override { return 0; }
  std::uint32_t ReadUserCode() override { return 0xFFFFFFFFu; }
  TComPtr<IDispatch> FlowStage_Build() override;
  TComPtr<IDispatch> FlowStage_Download() override;
  std::string CoreGen_OutputExtension() override { return FCoreExt; }
  void ResetQuillRegisters() override;
  void SingleStepProcessor() override;
  void RunSingleStepInSubstitutionRegister() override;
  void ResetProcessor() override;
  void PauseProcessor() override;
  void ContinueProcessor() override;
  void RunSteps(std::int32_t Count) override;
  bool ProcessorIsPaused() override;
  bool ProcessorIsReset() override;
  bool ProcessorIsRunning() override;
  bool ProcessorIsUsingReducedInstructionSet() override { return false; }
  bool Flash_Reset() override { return false; }
  std::int32_t Flash_Program(const std::string&) override { return 0; }
  void Flash_Configure() override {}
  bool SetProcessorRegisterWideValue(std::int32_t Index, const std::string& Value) override;
  std::string GetProcessorRegisterWideValue(std::int32_t Index) override;
  bool ConfigureFpgaProject(TComPtr<IDispatch>) override { return false; }
  bool ShowConfiguration() override { return true; }
  void ShowCurrentSensePanel() override {}
  void ReleaseResources() override;
  bool InvalidateResources() override { return false; }
  void CustomAction_Execute(std::int32_t) override {}
  void CustomAction_GetState(std::int32_t Index, TByRefFlag& A, TByRefFlag& B, TByRefFlag& C, TRawWord D, TRawWord E) override;
  bool EPM_Download(const std::string& First, const std::string& FileName, const std::string& Third) override;
  bool EPM_InititateTest() override { return false; }
  std::int32_t EPM_GetTestResult(std::int32_t) override { return -1; }
  void EPM_SetPercentCallBack(TComPtr<IDispatch> Callback) override { FCallBack = std::move(Callback); }
  const TComPtr<IDispatch>& PercentCallBack() const { return FCallBack; }
  bool Flash_ResetForBitStream() override { return Flash_Reset(); }
  std::string GetEmbeddedConstraintFile() override;
  void SetEmbeddedConstraintFile(const std::string& FileName) override { FCustomConstraintFile = FileName; }
  std::uint32_t AddSoftBreakpoint(std::int32_t, std::int64_t) override { return 0; }
  bool RemoveSoftBreakpoint(std::int32_t, std::int64_t, std::uint32_t) override { return false; }
  std::int64_t GetMemorySpaceLength(std::int32_t) override { return 0; }
  std::string GetFolder_Library() override;
  TComPtr<IDispatch> ClockCoreGenerator() override { return {}; }
  TComPtr<IDispatch> ClockCoreTemplateGenerator() override { return {}; }
  TComPtr<IDispatch> ClockGeneratorTargetCore() override { return {}; }
  TComPtr<IDispatch> CustomCoreGenerator(std::int32_t) override { return {}; }

 // The debug control register image, bit by bit (getters answer -1 for a set bit, 0 else).
  std::uint8_t ControlRegister() const { return FControlRegister; }
  std::int32_t StepCounterBreakpointEnable() const { return Bit(eControl_StepCounterBreakpointEnable); }
  std::int32_t Reset() const { return Bit(eControl_Reset); }
  std::int32_t DebugEnable() const { return Bit(eControl_DebugEnable); }
  std::int32_t DebugAcknowledge() const { return Bit(eControl_DebugAcknowledge); }
  std::int32_t DebugRequest() const { return Bit(eControl_DebugRequest); }
  std::int32_t DebugStep() const { return Bit(eControl_DebugStep); }
  std::int32_t DebuggerProgramSelect() const { return Bit(eControl_DebuggerProgramSelect); }
  void SetControlBits(std::uint8_t bits, bool value) {
    FControlRegister = value ? static_cast<std::uint8_t>(FControlRegister | bits)
                             : static_cast<std::uint8_t>(FControlRegister & ~bits);
  }

  TRackForm* RackForm() const { return FRackForm; }

 protected:
  void* FindInterface(REFIID riid) override;

  virtual std::int32_t RegisterSelectInstruction() { return 3; }
  virtual std::int32_t RegisterAccessInstruction() { return 4; }
  virtual bool GetProcessorInformation(TComPtr<IDispatch>& information) {
    information = {};
    return false;
  }
  virtual bool IsCPLD() { return false; }
  virtual bool IsFPGA() { return false; }
  virtual bool IsPROM() { return false; }
  virtual bool IsPROC() { return false; }
  virtual bool IsSPROC() { return false; }
  virtual bool IsGPROC() { return false; }
  // Creates the flow of `kind`; empty when this driver has none.
  virtual TComPtr<IDispatch> CreateFlow(TFlowKind kind);
  // The viewer-view class: wraps `form` in the host-facing instrument view, which then owns the
  // form. Empty (and the form stays the driver's) until the viewer subsystem provides one.
  virtual TComPtr<IDispatch> CreateRackView(TRackForm& form);
  // The viewer-form factory: checks the chain device and its boundary-scan entity (showing the
  // error box when the entity is missing), then builds the form with NewRackForm.
  virtual std::unique_ptr<TRackForm> CreateRackForm();
  // Builds the viewer form for a chain device that has boundary-scan data (none here).
  virtual std::unique_ptr<TRackForm> NewRackForm(TComPtr<IDispatch> quillDevice, TComPtr<IDispatch> jtagDevice);
  // Channel-plus-device brackets.
  virtual void BeginDeviceSequence();
  virtual void EndDeviceSequence();
  // Control-register write and read through the host device object.
  virtual void WriteControlRegister();
  virtual void ReadControlRegister();
  virtual void OpenChannel();
  virtual void CloseChannel();

  TComPtr<IDispatch> FQuillDevice;
  std::uint32_t FDeviceImage = 0;       // bitmap handle, 0 until built
  std::uint32_t FDeviceAboutImage = 0;  // never filled
  TComPtr<IDispatch> FCallBack;
  std::string FCustomConstraintFile;
  TComPtr<IDispatch> FBuildFlow;
  TComPtr<IDispatch> FDownloadFlow;
  TComPtr<IDispatch> FVerifyFlow;
  TRackForm* FRackForm = nullptr;  // owned by the driver only while FRackView is empty
  TComPtr<IDispatch> FRackView;
  std::uint8_t FControlRegister = 0;
  std::string FCoreExt;

 private:
  std::int32_t Bit(std::uint8_t mask) const { return (FControlRegister & mask) != 0 ? -1 : 0; }
  // Runs `sequence` between OpenChannel and CloseChannel (closed also when it fails).
  template <class F>
  auto InChannel(F&& sequence);
  void PrepareStep();
  std::uint32_t AccessRegister(std::int32_t index, bool write, std::uint32_t value);
  std::string ResolveConstraintFile(const std::string& name);
  std::string VendorKey();
  std::uint32_t BuildDeviceImage();
};

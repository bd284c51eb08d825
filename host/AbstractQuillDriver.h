// TAbstractQuillDriver: the driver operations a host calls, in slot order, with their DISPIDs.
// Service name "QuillDriver".
#pragma once

#include <cstdint>
#include <string>

#include "host/AbstractDeviceInformation.h"

class TAbstractQuillDriver : public TAbstractDeviceInformation {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual TComPtr<IDispatch> GetQuillDevice() = 0;  // 503753
  virtual bool SetQuillDevice(TComPtr<IDispatch> Device) = 0;  // 503754
  virtual bool Finalize() = 0;  // 503755
  virtual std::uint32_t GetBitmapHandle() = 0;  // 503756
  virtual bool SaveProcessorState() = 0;  // 503757
  virtual bool RestoreProcessorState() = 0;  // 503758
  virtual void CreateRackViewer() = 0;  // 503759
  virtual TComPtr<IDispatch> GetRackViewer() = 0;  // 503760
  virtual bool Supports(const std::string& Capability) = 0;  // 503761
  virtual void ShowAboutDialog() = 0;  // 503762
  virtual std::string VendorToolsDescriptor() = 0;  // 503763
  virtual bool VendorToolsPresent() = 0;  // 503764
  virtual bool VendorToolsUpToDate() = 0;  // 503765
  virtual bool SetProcessorRegisterValue(std::int32_t Index, std::uint32_t Value) = 0;  // 503766
  virtual std::uint32_t GetProcessorRegisterValue(std::int32_t Index) = 0;  // 503767
  virtual std::uint32_t GetProcessorRegisterWidth(std::int32_t Index) = 0;  // 503768
  virtual std::string GetProcessorRegisterName(std::int32_t Index) = 0;  // 503769
  virtual std::string GetProcessorRegisterShortName(std::int32_t Index) = 0;  // 503770
  virtual std::int32_t GetProcessorRegisterCount() = 0;  // 503771
  virtual std::int32_t GetRegisterIndex_PC() = 0;  // 503772
  virtual std::int32_t GetRegisterIndex_SP() = 0;  // 503773
  virtual std::int32_t GetSoftBreakpointAddressByteAlign() = 0;  // 503774
  virtual std::uint32_t GetMemorySpaceWidth(std::int32_t Index) = 0;  // 503775
  virtual std::uint8_t GetMemorySpaceKind(std::int32_t Index) = 0;  // 503776
  virtual std::uint32_t GetMemorySpaceBytesPerUnit(std::int32_t Index) = 0;  // 503777
  virtual std::string GetMemorySpaceName(std::int32_t Index) = 0;  // 503778
  virtual std::string GetMemorySpaceShortName(std::int32_t Index) = 0;  // 503779
  virtual std::int32_t GetMemorySpaceCount() = 0;  // 503780
  virtual std::int32_t GetMemorySpace_Program() = 0;  // 503781
  virtual bool InitDownload(std::int32_t Index) = 0;  // 503782
  virtual bool FinishDownload(std::int32_t Index) = 0;  // 503783
  virtual bool RunDiagnostic() = 0;  // 503784
  virtual bool LittleEndian() = 0;  // 503785
  virtual bool ResetDevice() = 0;  // 503786
  virtual std::int32_t GetDeviceState() = 0;  // 503787
  virtual std::int32_t ProgramDevice(const std::string& FileName) = 0;  // 503788
  virtual std::uint32_t ReadUserCode() = 0;  // 503789
  virtual TComPtr<IDispatch> FlowStage_Build() = 0;  // 503790
  virtual TComPtr<IDispatch> FlowStage_Download() = 0;  // 503791
  virtual std::string CoreGen_OutputExtension() = 0;  // 503792
  virtual void ResetQuillRegisters() = 0;  // 503793
  virtual void SingleStepProcessor() = 0;  // 503794
  virtual void RunSingleStepInSubstitutionRegister() = 0;  // 503795
  virtual void ResetProcessor() = 0;  // 503796
  virtual void PauseProcessor() = 0;  // 503797
  virtual void ContinueProcessor() = 0;  // 503798
  virtual void RunSteps(std::int32_t Count) = 0;  // 503799
  virtual bool ProcessorIsPaused() = 0;  // 503800
  virtual bool ProcessorIsReset() = 0;  // 503801
  virtual bool ProcessorIsRunning() = 0;  // 503802
  virtual bool ProcessorIsUsingReducedInstructionSet() = 0;  // 503803
  virtual bool Flash_Reset() = 0;  // 503804
  virtual std::int32_t Flash_Program(const std::string& FileName) = 0;  // 503805
  virtual void Flash_Configure() = 0;  // 503806
  virtual bool SetProcessorRegisterWideValue(std::int32_t Index, const std::string& Value) = 0;  // 503807
  virtual std::string GetProcessorRegisterWideValue(std::int32_t Index) = 0;  // 503808
  virtual bool ConfigureFpgaProject(TComPtr<IDispatch> Project) = 0;  // 503809
  virtual bool ShowConfiguration() = 0;  // 503810
  virtual void ShowCurrentSensePanel() = 0;  // 503811
  virtual void ReleaseResources() = 0;  // 503812
  virtual bool InvalidateResources() = 0;  // 503813
  virtual void CustomAction_Execute(std::int32_t Index) = 0;  // 503814
  virtual void CustomAction_GetState(std::int32_t Index, TByRefFlag& A, TByRefFlag& B, TByRefFlag& C, TRawWord D, TRawWord E) = 0;  // 503815
  virtual bool EPM_Download(const std::string& First, const std::string& FileName, const std::string& Third) = 0;  // 503816
  virtual bool EPM_InititateTest() = 0;  // 503817
  virtual std::int32_t EPM_GetTestResult(std::int32_t Index) = 0;  // 503818
  virtual void EPM_SetPercentCallBack(TComPtr<IDispatch> Callback) = 0;  // 503819
  virtual bool Flash_ResetForBitStream() = 0;  // 503820
  virtual std::string GetEmbeddedConstraintFile() = 0;  // 503821
  virtual void SetEmbeddedConstraintFile(const std::string& FileName) = 0;  // 503822
  virtual std::uint32_t AddSoftBreakpoint(std::int32_t Index, std::int64_t Address) = 0;  // 508552
  virtual bool RemoveSoftBreakpoint(std::int32_t Index, std::int64_t Address, std::uint32_t Handle) = 0;  // 508553
  virtual std::int64_t GetMemorySpaceLength(std::int32_t Index) = 0;  // 508554
  virtual std::string GetFolder_Library() = 0;  // 509312
  virtual TComPtr<IDispatch> ClockCoreGenerator() = 0;  // 509376
  virtual TComPtr<IDispatch> ClockCoreTemplateGenerator() = 0;  // 509427
  virtual TComPtr<IDispatch> ClockGeneratorTargetCore() = 0;  // 509470
  virtual TComPtr<IDispatch> CustomCoreGenerator(std::int32_t Index) = 0;  // 509981
};

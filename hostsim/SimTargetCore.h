// The clock core the host asks a target-core generator to write: the input clock, the four
// outputs A-D (mode, value, used), the core's names and parameters. It numbers the outputs
// the way the host does: character code c answers c - 64 ('@' -> "0", 'A' -> "1", ...), and it
// keeps every error the generator reports and every per-letter question it was asked.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/SupportService.h"
#include "platform/Text.h"

struct TSimTargetOutput {
  std::int32_t Mode = 1;  // 0 phase, 1 divide, 2 multiply
  double Value = 1;
  bool Used = false;
};

struct TSimLetterQuestion {
  DISPID Id;
  std::int32_t Letter;
  bool operator==(const TSimLetterQuestion&) const = default;
};

// ITargetCore: DISPIDs 509938-509960.
class TSimTargetCore : public TAbstractSupportService {
 public:
  TSimTargetCore();

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

  void SetInputFrequency(double mhz) { FInputFrequency = mhz; }
  // Output 'A'..'D'; throws for any other letter.
  TSimTargetOutput& Output(char letter);
  void SetCoreName(std::string name) { FCoreName = std::move(name); }
  void SetCommandLine(std::string commandLine) { FCommandLine = std::move(commandLine); }
  // Parameters start as LibraryName=UNISIMS and PrimitiveName=MMCME2_ADV.
  void SetParameter(const std::string& name, const std::string& value) { FParameters[name] = value; }

  const std::vector<std::string>& ReportedErrors() const { return FReportedErrors; }
  const std::vector<TSimLetterQuestion>& LetterQuestions() const { return FLetterQuestions; }

  double GetInputFrequency() { return FInputFrequency; }
  std::int32_t GetOutputMode(std::int32_t letter);
  double GetOutputValue(std::int32_t letter);
  bool IsOutputUsed(std::int32_t letter);
  std::string GetOutputName(std::int32_t letter);
  std::string GetCoreName() { return FCoreName; }
  std::string GetCommandLine() { return FCommandLine; }
  std::string GetParameter(const std::string& name);
  void ReportError(const std::string& message) { FReportedErrors.push_back(message); }

 private:
  // The output of a letter the generator asked about; any letter outside A-D is a fault.
  TSimTargetOutput& Asked(DISPID id, std::int32_t letter);

  double FInputFrequency = 100;
  std::array<TSimTargetOutput, 4> FOutputs;
  std::string FCoreName = "clock_core";
  std::string FCommandLine;
  std::map<std::string, std::string, text::LessNoCase> FParameters;
  std::vector<std::string> FReportedErrors;
  std::vector<TSimLetterQuestion> FLetterQuestions;
};

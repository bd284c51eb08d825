#include "clockcore/ClockCoreRequest.h"

namespace clockcore {

TCheckedFrequencies TClockCoreRequest::CheckedFrequencies() const {
  TCheckedFrequencies frequencies;
  frequencies.fill(InputFrequency);
  for (std::size_t i = 0; i < kOutputCount; ++i) frequencies[i] = Outputs[i].Frequency;
  return frequencies;
}

double OutputFrequency(double inputFrequency, std::int32_t mode, double value) {
  switch (mode) {
    case eClockOutputMode_Divide: return inputFrequency / value;
    case eClockOutputMode_Multiply: return inputFrequency * value;
    default: return inputFrequency;
  }
}

namespace {

bool ModeHasValue(std::int32_t mode) {
  return mode == eClockOutputMode_Phase || mode == eClockOutputMode_Divide || mode == eClockOutputMode_Multiply;
}

}  // namespace

TClockCoreRequest ReadClockCoreRequest(const TTargetCore& core) {
  TClockCoreRequest request;
  request.InputFrequency = core.GetInputFrequency();
  // Output numbers of the characters '@' (just below 'A') to 'D'.
  std::array<std::string, kOutputCount + 1> numbers;
  for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = core.GetOutputName('@' + static_cast<std::int32_t>(i));
  for (std::size_t i = 0; i < kOutputCount; ++i) {
    TClockCoreOutput& output = request.Outputs[i];
    output.Letter = static_cast<char>('A' + i);
    output.Mode = core.GetOutputMode(output.Letter);
    output.Value = ModeHasValue(output.Mode) ? core.GetOutputValue(output.Letter) : 0;
    output.Used = core.IsOutputUsed(output.Letter);
    output.Frequency = OutputFrequency(request.InputFrequency, output.Mode, output.Value);
    output.Number = numbers[i + 1];
    output.PortNumber = numbers[i];
  }
  request.CoreName = core.GetCoreName();
  request.LibraryName = core.GetParameter("LibraryName");
  request.PrimitiveName = core.GetParameter("PrimitiveName");
  request.CommandLine = core.GetCommandLine();
  return request;
}

}  // namespace clockcore

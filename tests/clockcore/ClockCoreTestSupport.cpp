#include "ClockCoreTestSupport.h"


#include "host/ReferencedObject.h"

namespace clockcore_test {

using testing_support::Invoke;
using testing_support::LoadedPlugin;

TComPtr<IDispatch> NewGenerator(DISPID factory, std::int32_t kind) {
  const TComPtr<IDispatch> driver = LoadedPlugin().Driver(kind);
  if (!driver) return {};
  auto [status, value] = Invoke(driver.Get(), factory);
  if (status != S_OK || value.Type() != VT_DISPATCH) return {};
  return TComPtr<IDispatch>(value.Raw().pdispVal);
}

TNetlistRun GenerateNetlist(double inputMhz, const std::vector<TOutputRequest>& outputs) {
  auto core = MakeObject<TSimTargetCore>();
  core->SetInputFrequency(inputMhz);
  core->SetCoreName("clk_core");
  core->SetCommandLine("-test");
  for (const TOutputRequest& request : outputs) core->Output(request.Letter) = {request.Mode, request.Value, true};
  auto file = MakeObject<TSimTextFile>();
  const TComPtr<IDispatch> generator = NewGenerator(kClockGeneratorTargetCore);
  TNetlistRun run;
  run.Status = Invoke(generator.Get(), kGenerateTargetCore, {TVariant(file->AsDispatch()), TVariant(core->AsDispatch())})
                   .Status;
  run.Lines = file->Lines();
  run.Text = file->Text();
  run.Errors = core->ReportedErrors();
  return run;
}

std::string PropertyValue(const TNetlistRun& run, const std::string& name) {
  const std::string prefix = "(property " + name + " (string \"";
  for (const std::string& line : run.Lines) {
    const auto at = line.find(prefix);
    if (at == std::string::npos) continue;
    const auto start = at + prefix.size();
    return line.substr(start, line.find('"', start) - start);
  }
  return "<missing>";
}

std::size_t CountLinesWith(const TNetlistRun& run, const std::string& fragment) {
  std::size_t count = 0;
  for (const std::string& line : run.Lines) count += line.find(fragment) != std::string::npos ? 1 : 0;
  return count;
}

}  // namespace clockcore_test

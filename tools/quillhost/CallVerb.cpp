// quillhost call: the plug-in's universal probe. Calls one DISPID on a driver, and each
// further "/ DISPID ..." on the object the previous call returned.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <vector>

#include "host/QuillError.h"
#include "hostsim/PluginModule.h"
#include "platform/Text.h"
#include "tools/quillhost/Verbs.h"
#include "tools/quillhost/VariantText.h"

namespace {

struct TCallStep {
  DISPID Id = 0;
  std::vector<TVariant> Args;
};

std::vector<TCallStep> ParseSteps(const std::vector<std::string>& words) {
  std::vector<TCallStep> steps;
  bool expectDispId = true;
  for (const std::string& word : words) {
    if (word == "/") {
      if (expectDispId) throw EQuillError("'/' must follow a DISPID");
      expectDispId = true;
      continue;
    }
    if (expectDispId) {
      const auto id = text::ParseInt(word);
      if (!id) throw EQuillError("'" + word + "' is not a DISPID");
      steps.push_back({static_cast<DISPID>(*id), {}});
      expectDispId = false;
    } else {
      steps.back().Args.push_back(ParseTypedArgument(word));
    }
  }
  if (steps.empty() || expectDispId) throw EQuillError("a DISPID is missing");
  return steps;
}

// Calls every step in turn; prints the last result, or the status of the first failure.
void RunSteps(IDispatch* target, std::vector<TCallStep>& steps) {
  TComPtr<IDispatch> current(target);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    TCallStep& step = steps[i];
    std::vector<VARIANT> reversed;
    for (auto it = step.Args.rbegin(); it != step.Args.rend(); ++it) reversed.push_back(it->Raw());
    DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    TVariant result;
    const HRESULT hr = current->Invoke(step.Id, IID_NULL, 0, DISPATCH_METHOD, &params, result.Ptr(), nullptr, nullptr);
    if (FAILED(hr)) {
      std::printf("hr=0x%08X\n", static_cast<unsigned>(hr));
      SetExitCode(1);
      return;
    }
    if (i + 1 == steps.size()) {
      std::printf("%s\n", FormatResult(result.Raw()).c_str());
      return;
    }
    if (result.Type() != VT_DISPATCH || result.Raw().pdispVal == nullptr)
      throw EQuillError("DISPID " + std::to_string(step.Id) + " returned " + FormatResult(result.Raw()) +
                        ", not an object to call the next DISPID on");
    current = TComPtr<IDispatch>(result.Raw().pdispVal);
  }
}

TVerbRegistration registration{
    "call", "call DISPIDs on a driver: call KIND DISPID [ARG...] [/ DISPID [ARG...]]...", [](CLI::App& cmd) {
      auto kind = std::make_shared<std::int32_t>(0);
      auto words = std::make_shared<std::vector<std::string>>();
      cmd.add_option("kind", *kind, "driver kind (0..46)")->required();
      cmd.add_option("dispid-and-args", *words,
                     "DISPID, then arguments i4:N, i8:N, str:TEXT, bool:true|false, r8:X; '/' chains a call "
                     "on the returned object")
          ->required();
      cmd.prefix_command(false);
      return [kind, words] {
        std::vector<TCallStep> steps = ParseSteps(*words);
        TComPtr<IDispatch> driver = Plugin().Driver(*kind);
        if (!driver) throw EQuillError("the plug-in has no driver of kind " + std::to_string(*kind));
        RunSteps(driver.Get(), steps);
      };
    }};

}  // namespace

// quillhost clockcore: asks a driver's clock-core generators what the host's clock wizard
// asks them, with the simulated wizard objects standing in for the host's.
//
//   clockcore KIND --in MHZ [--out L:MODE:VALUE]... [--name CORE] [-o FILE]   the EDIF netlist
//   clockcore KIND --check --in MHZ --multiply M --divide D                    IsValidClockCore
//   clockcore KIND --template --in MHZ [--out L:MODE:VALUE]...                 FillTemplate
#include <CLI/CLI.hpp>

#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <vector>

#include "host/HostObject.h"
#include "host/QuillError.h"
#include "hostsim/PluginModule.h"
#include "hostsim/SimClockCore.h"
#include "hostsim/SimClockCoreTemplate.h"
#include "hostsim/SimTargetCore.h"
#include "hostsim/SimTextFile.h"
#include "platform/Text.h"
#include "tools/quillhost/VariantText.h"
#include "tools/quillhost/Verbs.h"

namespace {

constexpr DISPID kClockCoreGenerator = 509376;
constexpr DISPID kClockCoreTemplateGenerator = 509427;
constexpr DISPID kClockGeneratorTargetCore = 509470;
constexpr DISPID kIsValidClockCore = 509375;
constexpr DISPID kFillTemplate = 509426;
constexpr DISPID kGenerateTargetCore = 509469;

struct TClockCoreOptions {
  std::int32_t Kind = 0;
  std::string Input;
  std::vector<std::string> Outputs;
  std::string CoreName = "clock_core";
  std::string OutputFile;
  bool Check = false;
  bool Template = false;
  std::string Multiply;
  std::string Divide;
};

// One requested output: "L:MODE:VALUE" with L in A-D and MODE divide, multiply or phase.
struct TRequestedOutput {
  char Letter;
  TSimTargetOutput Output;
};

double ParseNumber(const std::string& what, const std::string& value) {
  const auto number = text::ParseDouble(value);
  if (!number) throw EQuillError(what + " '" + value + "' is not a number");
  return *number;
}

TRequestedOutput ParseOutput(const std::string& spec) {
  const auto parts = text::Split(spec, ':');
  if (parts.size() != 3 || parts[0].size() != 1)
    throw EQuillError("--out '" + spec + "' is not L:MODE:VALUE");
  const char letter = text::ToUpperAscii(parts[0][0]);
  if (letter < 'A' || letter > 'D') throw EQuillError("--out '" + spec + "': the letter must be A, B, C or D");
  TRequestedOutput requested{letter, {}};
  requested.Output.Used = true;
  if (text::EqualsNoCase(parts[1], "divide")) requested.Output.Mode = 1;
  else if (text::EqualsNoCase(parts[1], "multiply")) requested.Output.Mode = 2;
  else if (text::EqualsNoCase(parts[1], "phase")) requested.Output.Mode = 0;
  else throw EQuillError("--out '" + spec + "': the mode must be divide, multiply or phase");
  requested.Output.Value = ParseNumber("--out value", std::string(parts[2]));
  return requested;
}

std::vector<TRequestedOutput> ParseOutputs(const std::vector<std::string>& specs) {
  std::vector<TRequestedOutput> outputs;
  for (const std::string& spec : specs) outputs.push_back(ParseOutput(spec));
  return outputs;
}

THostObject Generator(std::int32_t kind, DISPID factory) {
  const THostObject driver(Plugin().Driver(kind));
  if (!driver.Assigned()) throw EQuillError("the plug-in has no driver of kind " + std::to_string(kind));
  THostObject generator(driver.Call<TComPtr<IDispatch>>(factory));
  if (!generator.Assigned()) throw EQuillError("the driver handed out no generator");
  return generator;
}

TComPtr<IDispatch> DispatchOf(TAbstractSupportService& object) { return TComPtr<IDispatch>(object.AsDispatch()); }

void RunCheck(const TClockCoreOptions& options) {
  if (options.Multiply.empty() || options.Divide.empty()) throw EQuillError("--check needs --multiply and --divide");
  auto core = MakeObject<TSimClockCore>();
  core->AddModifier("CLKOUT0", ParseNumber("--multiply", options.Multiply), ParseNumber("--divide", options.Divide),
                    ParseNumber("--in", options.Input));
  const TVariant answer = Generator(options.Kind, kClockCoreGenerator).Call<TVariant>(kIsValidClockCore, DispatchOf(*core));
  std::printf("%s\n", FormatResult(answer.Raw()).c_str());
}

// The wizard template: input target CLKIN, one output target "CLK<L>" per requested output and
// the clock-manager output CLKOUT<n> (n = letter - 'A') that serves it.
void RunTemplate(const TClockCoreOptions& options) {
  const double input = ParseNumber("--in", options.Input);
  auto clockTemplate = MakeObject<TSimClockCoreTemplate>();
  clockTemplate->AddInputTarget("CLKIN", input);
  std::int32_t index = 0;
  for (const TRequestedOutput& requested : ParseOutputs(options.Outputs)) {
    const TSimTargetOutput& out = requested.Output;
    const double frequency = out.Mode == 1 ? input / out.Value : out.Mode == 2 ? input * out.Value : input;
    clockTemplate->AddOutputTarget("CLK" + std::string(1, requested.Letter), frequency);
    TSimOutputActualData actual;
    actual.Name = "CLKOUT" + std::to_string(requested.Letter - 'A');
    actual.Multiply = out.Mode == 2 ? out.Value : 1;
    actual.Divide = out.Mode == 1 ? out.Value : 1;
    actual.Phase = out.Mode == 0 ? out.Value : 0;
    actual.TargetIndex = index++;
    clockTemplate->AddActual(actual);
  }
  const TVariant answer =
      Generator(options.Kind, kClockCoreTemplateGenerator).Call<TVariant>(kFillTemplate, DispatchOf(*clockTemplate));
  for (const TSimTemplateAttribute& attribute : clockTemplate->Attributes())
    std::printf("%s\t%s\t%s\n", attribute.Name.c_str(), attribute.Used ? "true" : "false", attribute.Value.c_str());
  if (answer.Type() != VT_BOOL || answer.Raw().boolVal == 0) SetExitCode(1);
}

std::string CommandLineOf(const TClockCoreOptions& options) {
  std::string line = "--in " + options.Input;
  for (const std::string& out : options.Outputs) line += " --out " + out;
  return line;
}

void RunNetlist(const TClockCoreOptions& options) {
  auto core = MakeObject<TSimTargetCore>();
  core->SetInputFrequency(ParseNumber("--in", options.Input));
  for (const TRequestedOutput& requested : ParseOutputs(options.Outputs)) core->Output(requested.Letter) = requested.Output;
  core->SetCoreName(options.CoreName);
  core->SetCommandLine(CommandLineOf(options));
  auto file = MakeObject<TSimTextFile>();
  Generator(options.Kind, kClockGeneratorTargetCore).Call(kGenerateTargetCore, DispatchOf(*file), DispatchOf(*core));

  if (options.OutputFile.empty()) {
    std::fputs(file->Text().c_str(), stdout);
  } else {
    std::ofstream out(options.OutputFile, std::ios::binary);
    out << file->Text();
    if (!out) throw EQuillError("cannot write " + options.OutputFile);
  }
  for (const std::string& error : core->ReportedErrors()) std::fprintf(stderr, "quillhost: %s\n", error.c_str());
  if (!core->ReportedErrors().empty()) SetExitCode(1);
}

TVerbRegistration registration{
    "clockcore", "generate a clock core: the EDIF netlist, --check (IsValidClockCore) or --template (FillTemplate)",
    [](CLI::App& cmd) {
      auto options = std::make_shared<TClockCoreOptions>();
      cmd.add_option("kind", options->Kind, "driver kind (0..46)")->required();
      cmd.add_option("--in", options->Input, "input clock frequency in MHz")->required();
      cmd.add_option("--out", options->Outputs,
                     "an output L:MODE:VALUE, L = A..D, MODE = divide, multiply or phase (degrees); unlisted "
                     "letters are unused");
      cmd.add_option("--name", options->CoreName, "core name written into the netlist (default clock_core)");
      cmd.add_option("-o", options->OutputFile, "write the netlist to FILE instead of standard output");
      auto* check = cmd.add_flag("--check", options->Check, "print IsValidClockCore for --multiply and --divide");
      auto* templ = cmd.add_flag("--template", options->Template, "print the attributes FillTemplate sets: NAME<TAB>USED<TAB>VALUE");
      check->excludes(templ);
      cmd.add_option("--multiply", options->Multiply, "CLKOUT0 multiplier (with --check)")->needs(check);
      cmd.add_option("--divide", options->Divide, "CLKOUT0 divider (with --check)")->needs(check);
      return [options] {
        if (options->Check) RunCheck(*options);
        else if (options->Template) RunTemplate(*options);
        else RunNetlist(*options);
      };
    }};

}  // namespace

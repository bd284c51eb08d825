#include "clockcore/ClockCoreNetlistWriter.h"

#include <utility>

#include "clockcore/ClockCoreNumberFormat.h"
#include "platform/Text.h"

namespace clockcore {

namespace {

// Output ports of MMCME2_ADV, in the order the interface declares them, before DO.
constexpr std::string_view kClockOutputPorts[] = {
    "CLKFBOUT", "CLKFBOUTB", "CLKFBSTOPPED", "CLKINSTOPPED", "CLKOUT0", "CLKOUT0B", "CLKOUT1", "CLKOUT1B",
    "CLKOUT2",  "CLKOUT2B",  "CLKOUT3",      "CLKOUT3B",     "CLKOUT4", "CLKOUT5",  "CLKOUT6"};

std::string Str(std::string_view s) { return std::string(s); }

}  // namespace

TClockCoreNetlistWriter::TClockCoreNetlistWriter(const TClockCoreRequest& request, std::string libraryRef,
                                                 TLineSink sink)
    : FRequest(request), FLibraryRef(std::move(libraryRef)), FSink(std::move(sink)) {}

void TClockCoreNetlistWriter::WriteHead(const std::string& timeStamp) {
  WriteHeader(timeStamp);
  WritePrimitiveLibrary();
  WriteSupportPrimitives();
  WriteCoreInterface();
  WriteBufferInstances();
}

void TClockCoreNetlistWriter::WriteNets() {
  WriteFixedNets();
  WriteOutputNets();
  WriteClockManagerOutputNets();
  WriteClosing();
}

void TClockCoreNetlistWriter::WriteHeader(const std::string& timeStamp) {
  Line("(edif " + FRequest.CoreName);
  Line("  (edifVersion 2 0 0)");
  Line("  (edifLevel 0)");
  Line("  (keywordMap (keywordLevel 0))");
  Line("  (status");
  Line("    (written");
  Line("      (timeStamp " + timeStamp + ")");
  Line("      (program \"Korvane Core Generator\" (version \"Korvane Core Generator 1.0.0\"))");
  Line("      (comment \"Commandline parameters = " + FRequest.CommandLine + " \")");
  Line("     )");
  Line("   )");
}

void TClockCoreNetlistWriter::WritePrimitiveLibrary() {
  auto output = [this](std::string_view name) { Line("           (port " + Str(name) + " (direction OUTPUT))"); };
  auto input = [this](std::string_view name) { Line("           (port " + Str(name) + " (direction INPUT))"); };
  Line("  (library " + FRequest.LibraryName);
  Line("    (edifLevel 0)");
  Line("    (technology (numberDefinition ))");
  Line("    (cell " + FRequest.PrimitiveName + " (cellType GENERIC)");
  Line("       (view PRIM (viewType NETLIST)");
  Line("         (interface");
  for (std::string_view name : kClockOutputPorts) output(name);
  Line("           (port (array (rename DO \"DO(15:0)\") 16) (direction OUTPUT))");
  for (std::string_view name : {"DRDY", "LOCKED", "PSDONE"}) output(name);
  for (std::string_view name : {"CLKFBIN", "CLKIN1", "CLKIN2", "CLKINSEL"}) input(name);
  Line("           (port (array (rename DADDR \"DADDR(6:0)\") 7) (direction INPUT))");
  for (std::string_view name : {"DCLK", "DEN"}) input(name);
  Line("           (port (array (rename DI \"DI(15:0)\") 16) (direction INPUT))");
  for (std::string_view name : {"DWE", "PSCLK", "PSEN", "PSINCDEC", "PWRDWN", "RST"}) input(name);
  Line("         )");
  Line("       )");
  Line("    )");
}

void TClockCoreNetlistWriter::WriteSupportPrimitives() {
  Line("    (cell GND (celltype GENERIC) (view PRIM (viewType NETLIST)");
  Line("        (interface");
  Line("          (port G (direction OUTPUT)))))");
  Line("    (cell VCC (celltype GENERIC) (view PRIM (viewType NETLIST)");
  Line("        (interface");
  Line("          (port P (direction OUTPUT)))))");
  Line("    (cell BUFG (cellType GENERIC)");
  Line("      (view PRIM (viewType NETLIST)");
  Line("        (interface");
  Line("          (port I (direction INPUT))");
  Line("          (port O (direction OUTPUT))");
  Line("        )");
  Line("      )");
  Line("    )");
  Line("  )");
}

void TClockCoreNetlistWriter::WriteCoreInterface() {
  Line("  (library work");
  Line("    (edifLevel 0)");
  Line("    (technology (numberDefinition ))");
  Line("    (cell " + FRequest.CoreName + " (cellType GENERIC)");
  Line("       (view behavioural (viewType NETLIST)");
  Line("         (interface");
  Line("           (port CLK (direction INPUT))");
  Line("           (port RST (direction INPUT))");
  Line("           (port CLKO (direction OUTPUT))");
  for (const TClockCoreOutput& output : FRequest.Outputs)
    if (output.Used) Line("           (port CLK" + std::string(1, output.Letter) + " (direction OUTPUT))");
  Line("           (port LOCKED (direction OUTPUT))");
  Line("         )");
  Line("         (contents");
}

void TClockCoreNetlistWriter::WriteBufferInstances() {
  Line("          (instance n1_gnd (viewref PRIM (cellRef GND " + FLibraryRef + ")))");
  Line("          (instance n1_vcc (viewref PRIM (cellRef VCC " + FLibraryRef + ")))");
  Line("              (instance clkf_buf (viewref PRIM (cellRef BUFG " + FLibraryRef +
       ")) (property box_type (string \"PRIMITIVE\")))");
  for (const TClockCoreOutput& output : FRequest.Outputs)
    if (output.Used)
      Line("    (instance clkout" + output.Number + "_buf (viewref PRIM (cellRef BUFG " + FLibraryRef +
           ")) (property box_type (string \"PRIMITIVE\")))");
}

void TClockCoreNetlistWriter::Property(const std::string& name, const std::string& value) {
  Line("      (property " + name + " (string \"" + value + "\"))");
}

std::string TClockCoreNetlistWriter::RatioText(const TClockCoreOutput& output,
                                               const TMmcmParameters& parameters) const {
  const double scaledFrequency = parameters.Divide * output.Frequency;
  if (scaledFrequency <= 1e-13) return "10000000000000";
  return FormatGeneral(FRequest.InputFrequency * parameters.Multiply / scaledFrequency);
}

std::string TClockCoreNetlistWriter::PhaseText(const TClockCoreOutput& output) {
  return output.Mode == eClockOutputMode_Phase ? FormatGeneral(output.Value) : "0.0";
}

void TClockCoreNetlistWriter::WriteClockManager(const TMmcmParameters& parameters) {
  Line("    (instance clkdll_adv (viewref PRIM (cellRef MMCME2_ADV " + FLibraryRef + "))");
  Property("box_type", "PRIMITIVE");
  Property("BANDWIDTH", "OPTIMIZED");
  Property("CLKFBOUT_MULT_F", FormatGeneral(parameters.Multiply));
  Property("CLKFBOUT_PHASE", "0.0");
  Property("CLKFBOUT_USE_FINE_PS", "false");
  Property("CLKIN1_PERIOD", FormatGeneral(1000 / FRequest.InputFrequency));
  Property("CLKIN2_PERIOD", "0.0");
  for (const TClockCoreOutput& output : FRequest.Outputs) {
    const std::string port = "CLKOUT" + output.PortNumber;
    Property(port + "_DIVIDE_F", RatioText(output, parameters));
    Property(port + "_DUTY_CYCLE", "0.5");
    Property(port + "_PHASE", PhaseText(output));
    Property(port + "_USE_FINE_PS", "false");
  }
  Property("CLKOUT4_CASCADE", "false");
  for (int k = 4; k <= 6; ++k) {
    const std::string port = "CLKOUT" + text::FormatInt(k);
    Property(port + "_DIVIDE", "1");
    Property(port + "_DUTY_CYCLE", "0.5");
    Property(port + "_PHASE", "0.0");
    Property(port + "_USE_FINE_PS", "false");
  }
  Property("COMPENSATION", "ZHOLD");
  Property("DIVCLK_DIVIDE", text::FormatInt(parameters.Divide));
  Property("REF_JITTER1", "0.01");
  Property("REF_JITTER2", "0.0");
  Property("STARTUP_WAIT", "false");
  Line("    )");
  Line("     (instance clkin1_buf (viewref PRIM (cellRef BUFG " + FLibraryRef + "))");
  Property("box_type", "PRIMITIVE");
  Property("CAPACITANCE", "DONT_CARE");
  Property("IBUF_DELAY_VALUE", "0");
  Property("IBUF_LOW_PWR", "true");
  Line("      (property IOSTANDARD (string \"DEFAULT\")))");
}

void TClockCoreNetlistWriter::WriteFixedNets() {
  auto managerPort = [this](std::string_view port, std::string_view end = ")") {
    Line("       (portRef " + Str(port) + "  (instanceRef clkdll_adv)" + Str(end));
  };
  Line("     (net CLK (joined");
  Line("       (portRef CLK)");
  Line("       (portRef I  (instanceRef clkin1_buf))))");
  Line("     (net RST (joined");
  Line("       (portRef RST)");
  managerPort("RST", ")))");
  Line("     (net clkfb_out (joined");
  managerPort("CLKFBOUT");
  Line("       (portRef I  (instanceRef clkf_buf))))");
  Line("     (net clkfb_out_buf (joined");
  Line("       (portRef O  (instanceRef clkf_buf))");
  Line("       (portRef CLKO)");
  managerPort("CLKFBIN", ")))");
  Line("     (net clk_in1 (joined");
  Line("       (portRef O  (instanceRef clkin1_buf))");
  managerPort("CLKIN1", ")))");
  Line("     (net n1_gnd (joined");
  Line("       (portRef G  (instanceRef n1_gnd))");
  managerPort("CLKIN2");
  for (int b = 0; b <= 6; ++b) managerPort("(member DADDR " + text::FormatInt(b) + ")");
  managerPort("DCLK");
  managerPort("DEN");
  for (int b = 0; b <= 15; ++b) managerPort("(member DI " + text::FormatInt(b) + ")");
  for (std::string_view port : {"DWE", "PSCLK", "PSEN", "PSINCDEC"}) managerPort(port);
  managerPort("PWRDWN", ")))");
  Line("     (net n1_vcc (joined");
  Line("       (portRef P  (instanceRef n1_vcc))");
  managerPort("CLKINSEL", ")))");
}

void TClockCoreNetlistWriter::WriteOutputNets() {
  for (const TClockCoreOutput& output : FRequest.Outputs) {
    if (!output.Used) continue;
    Line("     (net CLK_OUT" + output.Number + " (joined");
    Line("       (portRef O  (instanceRef clkout" + output.Number + "_buf))");
    Line("       (portRef CLK" + std::string(1, output.Letter) + ")))");
  }
  Line("     (net LOCKED (joined");
  Line("       (portRef LOCKED  (instanceRef clkdll_adv))");
  Line("       (portRef LOCKED)))");
}

void TClockCoreNetlistWriter::WriteClockManagerOutputNets() {
  for (auto it = FRequest.Outputs.rbegin(); it != FRequest.Outputs.rend(); ++it) {
    if (!it->Used) continue;
    Line("     (net clk_signal_out" + it->PortNumber + " (joined");
    Line("       (portRef CLKOUT" + it->PortNumber + "  (instanceRef clkdll_adv))");
    Line("       (portRef I  (instanceRef clkout" + it->Number + "_buf))))");
  }
}

void TClockCoreNetlistWriter::WriteClosing() {
  Line("         )");
  Line("       )");
  Line("    )");
  Line("  )");
  Line("  (design " + FRequest.CoreName + " (cellRef " + FRequest.CoreName + " (libraryRef work)))");
  Line(")");
}

}  // namespace clockcore

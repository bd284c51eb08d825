// The EDIF 2 0 0 netlist of a clock core around the clock manager primitive MMCME2_ADV, written
// line by line in three sections: the head (libraries, interface and buffer instances), the
// clock manager with its parameters (left out when none were found), and the nets.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "clockcore/ClockCoreRequest.h"
#include "clockcore/MmcmParameterSearch.h"

namespace clockcore {

class TClockCoreNetlistWriter {
 public:
  using TLineSink = std::function<void(const std::string&)>;

  // `libraryRef` is the reference to the primitive library, "(libraryRef NAME)".
  TClockCoreNetlistWriter(const TClockCoreRequest& request, std::string libraryRef, TLineSink sink);

  // Header, primitive library, core library interface and the buffer instances.
  void WriteHead(const std::string& timeStamp);
  // The clock manager and input buffer instances with the parameters found.
  void WriteClockManager(const TMmcmParameters& parameters);
  // Every net, then the closing lines.
  void WriteNets();

 private:
  void Line(std::string_view text) { FSink(std::string(text)); }
  void Property(const std::string& name, const std::string& value);
  void WriteHeader(const std::string& timeStamp);
  void WritePrimitiveLibrary();
  void WriteSupportPrimitives();
  void WriteCoreInterface();
  void WriteBufferInstances();
  void WriteFixedNets();
  void WriteOutputNets();
  void WriteClockManagerOutputNets();
  void WriteClosing();

  // The divide ratio and phase texts of one output.
  std::string RatioText(const TClockCoreOutput& output, const TMmcmParameters& parameters) const;
  static std::string PhaseText(const TClockCoreOutput& output);

  const TClockCoreRequest& FRequest;
  std::string FLibraryRef;
  TLineSink FSink;
};

}  // namespace clockcore

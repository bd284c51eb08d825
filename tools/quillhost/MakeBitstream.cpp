#include "tools/quillhost/MakeBitstream.h"

#include "host/HostObject.h"
#include "host/QuillError.h"
#include "hostsim/PluginModule.h"
#include "hostsim/SimBitstream.h"
#include "platform/Text.h"
#include "tools/quillhost/Verbs.h"

namespace {

// The bit-file header's part name: "7a100tcsg324" for an XC7A100T in CSG324.
std::string PartName(const THostObject& driver) {
  std::string base = driver.Call<std::string>(503386);
  if (base.size() > 2 && text::EqualsNoCase(base.substr(0, 2), "XC")) base = base.substr(2);
  std::string name = base + driver.Call<std::string>(503392);
  for (char& c : name) c = text::ToLowerAscii(c);
  return name;
}

}  // namespace

std::size_t WriteDemoBitstream(std::int32_t kind, const std::string& path, std::uint32_t userCode, bool jtagClock,
                               bool textForm) {
  const TComPtr<IDispatch> dispatch = Plugin().Driver(kind);
  if (!dispatch) throw EQuillError("the plug-in has no driver of kind " + std::to_string(kind));
  const THostObject driver(dispatch);
  TSimBitstreamOptions options;
  options.IdCode = driver.Call<std::uint32_t>(503379);
  options.UserCode = userCode;
  options.PartName = PartName(driver);
  if (jtagClock) options.StartupClock = TSimArtix7ConfigLogic::eStartupClock_JTAG;
  std::vector<std::uint8_t> bytes = simbitstream::Build(options);
  if (textForm) {
    const std::string text = simbitstream::ToText(bytes, options.PartName);
    bytes.assign(text.begin(), text.end());
  }
  simbitstream::WriteFile(path, bytes);
  return bytes.size();
}

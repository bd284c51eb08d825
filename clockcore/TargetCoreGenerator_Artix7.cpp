#include "clockcore/TargetCoreGenerator_Artix7.h"

#include "clockcore/ClockCoreNetlistWriter.h"
#include "clockcore/ClockCoreNumberFormat.h"
#include "clockcore/ClockCoreRequest.h"
#include "devices/QuillDriver.h"

TTargetCoreGenerator_Artix7::TTargetCoreGenerator_Artix7(TQuillDriver* driver) : FDriver(driver) {}

void TTargetCoreGenerator_Artix7::GenerateTargetCore(TComPtr<IDispatch> TextFile, TComPtr<IDispatch> TargetCore) {
  // The text file is held only while this call runs, also when writing fails.
  struct TTextFileScope {
    TTextFile& File;
    ~TTextFileScope() { File = TTextFile(); }
  } scope{FTextFile};
  FTextFile = TTextFile(std::move(TextFile));
  WriteNetlist(TTargetCore(std::move(TargetCore)));
}

void TTargetCoreGenerator_Artix7::WriteNetlist(const TTargetCore& targetCore) {
  FLibraryRef = "(libraryRef " + targetCore.GetParameter("LibraryName") + ")";
  const clockcore::TClockCoreRequest request = clockcore::ReadClockCoreRequest(targetCore);
  clockcore::TClockCoreNetlistWriter writer(request, FLibraryRef,
                                            [this](const std::string& line) { FTextFile.WriteLine(line); });

  writer.WriteHead(clockcore::CurrentTimeStamp());
  if (const auto parameters = clockcore::FindMmcmParameters(request.InputFrequency, request.CheckedFrequencies())) {
    writer.WriteClockManager(*parameters);
  } else {
    targetCore.ReportError("Could not calculate MMCM M/D values for given frequencies. Family " +
                           FDriver->GetFamilyName() + ".");
  }
  writer.WriteNets();
}

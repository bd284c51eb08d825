// TTargetCoreGenerator_Artix7: writes a finished clock core as an EDIF netlist around the
// Artix-7 clock manager, line by line into the text file the host has created. A new object
// per driver call, bound to the driver that created it.
#pragma once

#include <string>

#include "clockcore/ClockWizardObjects.h"
#include "host/AbstractTargetCoreGenerator.h"

class TQuillDriver;

class TTargetCoreGenerator_Artix7 : public TAbstractTargetCoreGenerator {
 public:
  explicit TTargetCoreGenerator_Artix7(TQuillDriver* driver);

  void GenerateTargetCore(TComPtr<IDispatch> TextFile, TComPtr<IDispatch> TargetCore) override;

 private:
  void WriteNetlist(const TTargetCore& targetCore);

  TQuillDriver* FDriver;    // drivers live until the library is unloaded
  TTextFile FTextFile;      // set only while a netlist is being written
  std::string FLibraryRef;  // "(libraryRef NAME)" of the primitive library
};

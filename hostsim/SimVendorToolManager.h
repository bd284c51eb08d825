// The simulated vendor-tool manager and the FPGA workbench that hands it out. Each vendor's
// tools are configured by the test or read from an INI file:
//
//   [Xilinx]
//   Present=1            UpToDate=1          Descriptor=Xilinx ISE
//   VersionText=14.7     VersionNumber=140700000
//   BinFolder=/opt/Xilinx/14.7/ISE/bin/lin64/   Folder0=/opt/Xilinx/14.7/common/bin/
//   Tool.NGDBuild=/opt/Xilinx/14.7/ISE/bin/lin64/ngdbuild
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "hostsim/SimObject.h"
#include "platform/Text.h"

struct TSimVendorTools {
  bool Present = false;
  bool UpToDate = false;
  std::string Descriptor;
  std::string VersionText;
  std::int32_t VersionNumber = 0;
  std::string BinFolder;
  std::vector<std::string> Folders;
  std::map<std::string, std::string, text::LessNoCase> ToolPaths;  // tool name -> program path
};

class TSimVendorToolManager : public TSimObject {
 public:
  using TSimObject::TSimObject;

  // The configuration of `vendor` (created empty on first use; vendors compare without case).
  TSimVendorTools& Vendor(const std::string& vendor) { return FVendors[vendor]; }
  // Reads one section per vendor from an INI file; false when the file cannot be read.
  bool LoadConfiguration(const std::string& iniPath);

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override;

 private:
  const TSimVendorTools* Find(const std::string& vendor) const;
  bool IsToolPresent(std::string vendor);
  bool IsToolUpToDate(std::string vendor);
  std::string ToolDescriptor(std::string vendor);
  std::string ToolPath(std::string vendor, std::string tool);
  std::string VersionText(std::string vendor);
  std::int32_t VersionNumber(std::string vendor);
  std::string ToolBinaryFolder(std::string vendor);
  std::string ToolFolder(std::string vendor, std::int32_t index);

  std::map<std::string, TSimVendorTools, text::LessNoCase> FVendors;
};

class TSimQuillWorkspace : public TSimObject {
 public:
  TSimQuillWorkspace(std::shared_ptr<THostEventLog> log, TComPtr<TSimVendorToolManager> tools)
      : TSimObject(std::move(log), "Workbench"), FTools(std::move(tools)) {}

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override;

 private:
  TComPtr<IDispatch> VendorToolManager() { return AsDispatchPtr(FTools); }
  TComPtr<TSimVendorToolManager> FTools;
};

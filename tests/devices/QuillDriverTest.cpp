#include "devices/QuillDriver.h"

#include <gtest/gtest.h>

#include "devices/DeviceFamilies.h"
#include "devices/DriverTestSupport.h"
#include "host/HostClient.h"
#include "host/HostFolders.h"
#include "platform/Bitmap.h"
#include "support/HostFixture.h"
#include "support/TempFolder.h"
#include "support/TestSupport.h"

using testing_support::Invoke;
using testing_support::TTempFolder;

class QuillDriver : public testing_support::THostTest {
 protected:
  QuillDriver() {
    ResetDeviceFamilies();
    SetHostFolderOverride(HostDir.Path());
  }
  ~QuillDriver() override {
    SetHostFolderOverride({});
    ResetDeviceFamilies();
  }
  // The driver with a host device object at JTAG position 3 on a recording chain.
  TComPtr<TFakeChain> AttachChain() {
    TComPtr<TFakeChain> chain = MakeObject<TFakeChain>(LogOfHost());
    Device = Host.AttachDevice(TComPtr<IDispatch>(Driver->AsDispatch()), 3);
    Device->SetJTagChannel(TComPtr<IDispatch>(chain->AsDispatch()));
    Host.Log().Clear();
    return chain;
  }
  std::shared_ptr<THostEventLog> LogOfHost() { return Host.Client().LogPtr(); }
  std::vector<std::string> ChainLog() const { return Host.Log().Lines({"QuillDevice", "JTagChannel"}); }

  TTempFolder HostDir;
  TProbeDriver* Driver = TProbeDriver::Make();
  TComPtr<TSimQuillDevice> Device;
};

TEST_F(QuillDriver, ConstructionHandsTheHostsMainWindowToTheForms) {
  EXPECT_EQ(FormsOwnerWindow(), TSimClient::kSimMainWindowHandle);
  EXPECT_EQ(Host.Log().Lines({"Client"}).front(), "Client.492()");
}

TEST_F(QuillDriver, SupportsCapabilitiesAndActions) {
  struct TCase {
    const char* Capability;
    bool Expected;
  } cases[] = {
      {"FPGA", true},
      {"fpga", true},
      {"CPLD", false},
      {"PROC", false},
      {"gproc", false},
      {"Action=ResetDevice", true},
      {"Action=Flash_ResetDevice", false},
      {"Action=VerifyProgram", false},
      {"action = pauseprocessor", false},
      {"VerifyProgram", false},  // a bare action name
      {"DownloadToDevice", true},
      {"ShowViewer", true},
      {"Anything Else", true},
      {"Action=ResetDevice|ToolchainName=Vivado", false},
      {"ToolchainName=X", false},
      {"ToolchainName=", true},  // an empty toolchain name does not count
  };
  for (const TCase& c : cases) {
    const auto r = Invoke(Driver->AsDispatch(), 503761, {c.Capability});
    ASSERT_EQ(r.Status, S_OK);
    EXPECT_EQ(r.Value.Raw().boolVal != 0, c.Expected) << c.Capability;
  }
}

TEST_F(QuillDriver, SimpleFrameworkAnswers) {
  EXPECT_EQ(Driver->CoreGen_OutputExtension(), ".EDN");
  EXPECT_EQ(Driver->TQuillDriver::GetFolder_Library(), PluginLibraryFolder());
  TComPtr<IDispatch> callback(MakeObject<TFakeChain>(LogOfHost())->AsDispatch());
  Driver->EPM_SetPercentCallBack(callback);
  EXPECT_EQ(Driver->PercentCallBack(), callback);
  EXPECT_FALSE(Driver->GetQuillDevice());
  AttachChain();
  EXPECT_EQ(Driver->GetQuillDevice().Get(), Device->AsDispatch());
}

TEST_F(QuillDriver, FlowsAreCreatedOnceAndCached) {
  const TComPtr<IDispatch> build = Driver->FlowStage_Build();
  EXPECT_TRUE(build);
  EXPECT_EQ(Driver->FlowStage_Build(), build);
  const TComPtr<IDispatch> download = Driver->FlowStage_Download();
  EXPECT_NE(download, build);
  EXPECT_EQ(Driver->FlowStage_Download(), download);
  EXPECT_EQ(Driver->FlowsCreated, 2);
  // The framework's own factory yields no flow.
  TDevice_Artix7Driver* artix = CreateArtix7Driver(0);
  EXPECT_FALSE(artix->FlowStage_Build());
  EXPECT_FALSE(artix->FlowStage_Download());
}

TEST_F(QuillDriver, EpmDownloadResetsProgramsAndChecksTheState) {
  std::vector<std::string> calls;
  Driver->Reset = [&] { calls.push_back("reset"); return true; };
  Driver->Program = [&](const std::string& f) { calls.push_back("program " + f); return 100; };
  Driver->State = [&] { calls.push_back("state"); return 2; };
  EXPECT_TRUE(Driver->EPM_Download("a", "design.bit", "c"));
  EXPECT_EQ(calls, (std::vector<std::string>{"reset", "program design.bit", "state"}));
  Driver->State = [] { return 1; };
  EXPECT_FALSE(Driver->EPM_Download("", "design.bit", ""));
  calls.clear();
  Driver->Reset = [&] { calls.push_back("reset"); return false; };
  EXPECT_FALSE(Driver->EPM_Download("", "design.bit", ""));
  EXPECT_EQ(calls, std::vector<std::string>{"reset"});
}

// ---- constraint files ----

class ConstraintFiles : public QuillDriver {
 protected:
  ConstraintFiles() {
    Host.ClientAPI().SetClientFolder(Client.Path());
    Extension.Write(kToolchainManagerFile, "");
    Host.PluginRegistry().Add(Extension.Path());
  }
  TTempFolder Client;
  TTempFolder Extension;
  std::string InExtension(const std::string& name) { return Extension.Write("Library/Embedded/" + name, "x"); }
};

TEST_F(ConstraintFiles, NothingFoundGivesEmpty) { EXPECT_EQ(Driver->GetEmbeddedConstraintFile(), ""); }

TEST_F(ConstraintFiles, CandidatesAreTriedDeviceParameterBaseFamily) {
  const std::string family = Client.Write("Artix7.Constraint", "x");
  EXPECT_EQ(Driver->GetEmbeddedConstraintFile(), family);
  const std::string base = InExtension("XC7A100T.Constraint");
  EXPECT_EQ(Driver->GetEmbeddedConstraintFile(), base);
  const std::string parameter = InExtension(".Constraint");  // the empty device parameter
  EXPECT_EQ(Driver->GetEmbeddedConstraintFile(), parameter);
  const std::string device = InExtension("XC7A100T-1CSG324C.Constraint");
  EXPECT_EQ(Driver->GetEmbeddedConstraintFile(), device);
}

TEST_F(ConstraintFiles, TheClientFolderComesBeforeTheEmbeddedExtensionFolder) {
  InExtension("Artix7.Constraint");
  const std::string inClient = Client.Write("Artix7.Constraint", "x");
  EXPECT_EQ(Driver->GetEmbeddedConstraintFile(), inClient);
}

TEST_F(ConstraintFiles, ACustomFileWinsWhenItResolves) {
  InExtension("XC7A100T-1CSG324C.Constraint");
  const std::string custom = Client.Write("Board.Constraint", "x");
  Driver->SetEmbeddedConstraintFile("Board.Constraint");
  EXPECT_EQ(Driver->GetEmbeddedConstraintFile(), custom);
  Driver->SetEmbeddedConstraintFile(custom);  // a full path resolves as it is
  EXPECT_EQ(Driver->GetEmbeddedConstraintFile(), custom);
  Driver->SetEmbeddedConstraintFile("Missing.Constraint");
  EXPECT_EQ(Driver->GetEmbeddedConstraintFile(), Extension.Path() + "Library/Embedded/XC7A100T-1CSG324C.Constraint");
}

TEST_F(ConstraintFiles, TheProcessorNameIsTheLastCandidate) {
  const std::string processor = Client.Write("MicroBlaze.Constraint", "x");
  EXPECT_EQ(Driver->GetEmbeddedConstraintFile(), "");
  Driver->Processor = TComPtr<IDispatch>(MakeObject<TFakeProcessorInformation>(LogOfHost(), "MicroBlaze")->AsDispatch());
  EXPECT_EQ(Driver->GetEmbeddedConstraintFile(), processor);
  const std::string family = Client.Write("Artix7.Constraint", "x");
  EXPECT_EQ(Driver->GetEmbeddedConstraintFile(), family);
}

// ---- the device picture ----

TEST_F(QuillDriver, NoGenericPictureGivesNoBitmapAndIsTriedAgain) {
  EXPECT_EQ(Invoke(Driver->AsDispatch(), 503756).Value.Raw().lVal, 0);
  platform::SaveBitmapFile(platform::TBitmap(8, 8, {1, 1, 1}), HostDir.Sub("System/Generic_Hard_Device.bmp"));
  const std::uint32_t handle = Driver->GetBitmapHandle();
  EXPECT_NE(handle, 0u);
  EXPECT_EQ(Driver->GetBitmapHandle(), handle);  // built once
}

TEST_F(QuillDriver, TheFamilyPictureIsPaintedCentredWithoutItsCorners) {
  const platform::TRgb grey{100, 100, 100}, blue{0, 0, 200};
  TTempFolder library;
  Driver->LibraryFolder = library.Path();
  platform::SaveBitmapFile(platform::TBitmap(9, 6, grey), HostDir.Sub("System/Generic_Hard_Device.bmp"));
  platform::SaveBitmapFile(platform::TBitmap(4, 3, blue), library.Sub("DeviceImages/Artix7.bmp"));
  const platform::TBitmap* image = platform::BitmapFromHandle(Driver->GetBitmapHandle());
  ASSERT_NE(image, nullptr);
  ASSERT_EQ(image->Width(), 9);
  ASSERT_EQ(image->Height(), 6);
  // Offsets (9 - 4) / 2 = 2 and (6 - 3) / 2 = 1: x 2..5, y 1..3.
  EXPECT_EQ(image->Pixel(2, 1), grey);
  EXPECT_EQ(image->Pixel(5, 1), grey);
  EXPECT_EQ(image->Pixel(2, 3), grey);
  EXPECT_EQ(image->Pixel(5, 3), grey);
  EXPECT_EQ(image->Pixel(3, 1), blue);
  EXPECT_EQ(image->Pixel(2, 2), blue);
  EXPECT_EQ(image->Pixel(5, 2), blue);
  EXPECT_EQ(image->Pixel(1, 2), grey);
  EXPECT_EQ(image->Pixel(6, 2), grey);
  EXPECT_EQ(image->Pixel(3, 0), grey);
  EXPECT_EQ(image->Pixel(3, 4), grey);
}

// ---- vendor tools ----

class VendorTools : public QuillDriver {
 protected:
  TTempFolder Tools;
  void VendorIs(const std::string& vendor) { Driver->Vendor = vendor; }
  struct TAnswers {
    bool Present, UpToDate;
    std::string Descriptor;
    bool operator==(const TAnswers&) const = default;
  };
  TAnswers Answers() {
    return {Driver->VendorToolsPresent(), Driver->VendorToolsUpToDate(), Driver->VendorToolsDescriptor()};
  }
};

TEST_F(VendorTools, XilinxAndLatticeAskTheManager) {
  for (const std::string vendor : {"Xilinx", "Lattice"}) {
    VendorIs(text::UpperAscii(vendor));  // the vendor name compares without case
    EXPECT_EQ(Answers(), (TAnswers{false, false, ""})) << vendor;
    TSimVendorTools& tools = Host.VendorTools().Vendor(vendor);
    tools.Present = true;
    tools.Descriptor = vendor + " tools";
    EXPECT_EQ(Answers(), (TAnswers{true, false, vendor + " tools"})) << vendor;
    tools.UpToDate = true;
    EXPECT_TRUE(Driver->VendorToolsUpToDate()) << vendor;
    EXPECT_FALSE(Host.Log().Calls("VendorToolManager", 509001).empty());
  }
}

TEST_F(VendorTools, WithoutAManagerTheManagerAnswersAreFalse) {
  VendorIs("Xilinx");
  Host.VendorTools().Vendor("Xilinx") = {true, true, "ISE", "14.7", 140700000, "", {}, {}};
  Host.Client().SetModuleUnavailable("FPGAFlow");
  EXPECT_EQ(Answers(), (TAnswers{false, false, ""}));
  VendorIs("Altera");
  EXPECT_EQ(Answers(), (TAnswers{false, false, "Altera Quartus II"}));
}

TEST_F(VendorTools, AnyOtherVendorCountsAsPresentAndUpToDate) {
  for (const char* vendor : {"", "Sharp", "Xilinx Inc"}) {
    VendorIs(vendor);
    EXPECT_EQ(Answers(), (TAnswers{true, true, ""})) << vendor;
  }
}

TEST_F(VendorTools, AlteraVersionComesFromTheReadmeOfTheQuartusInstallation) {
  VendorIs("Altera");
  EXPECT_EQ(Answers(), (TAnswers{false, false, "Altera Quartus II"}));
  HostDir.Write("System/AlteraVersions.Txt", "9.0\r\n9.1\r\n10.0\r\n");
  Host.VendorTools().Vendor("Altera").ToolPaths["Quartus_Cmd"] = Tools.Write("quartus/bin/quartus_sh", "");
  struct TCase {
    const char* Readme;
    bool UpToDate;
  } cases[] = {
      {"Quartus II Version 9.1 Build 222 10/21/2009 SJ Web Edition", true},
      {"Quartus II Release 10.0 SP1", true},
      {"Quartus II Version 8.0 Build 215", false},
      {"Quartus II Version 9.1", true},  // the version ends the line
      {"Quartus II", false},
      {"Version", false},
  };
  for (const TCase& c : cases) {
    Tools.Write("quartus/readme.txt", std::string(c.Readme) + "\r\nsecond line\r\n");
    EXPECT_EQ(Answers(), (TAnswers{true, c.UpToDate, "Altera Quartus II"})) << c.Readme;
  }
}

TEST_F(VendorTools, ActelVersionComesFromTheAdmFolder) {
  VendorIs("Actel");
  Host.VendorTools().Vendor("Actel").ToolPaths["Designer"] = Tools.Write("designer/bin/designer", "");
  EXPECT_EQ(Answers(), (TAnswers{true, false, "ACTEL LiberoIDE"}));  // no adm folder
  HostDir.Write("System/ACTELVersions.Txt", "8.5\n8.6\n");
  Tools.Write("designer/adm/verinfo", "8.6\nbuild 12\n");
  EXPECT_TRUE(Driver->VendorToolsUpToDate());
  Tools.Write("designer/adm/verinfo", "8.4\n");
  EXPECT_FALSE(Driver->VendorToolsUpToDate());
}

TEST_F(VendorTools, TheArtix7VendorComesFromTheShippedConfiguration) {
  Host.PluginRegistry().Add(testing_support::SourceDir() + "/config/");
  Host.VendorTools().Vendor("Xilinx") = {true, true, "Xilinx ISE", "14.7", 140700000, "", {}, {}};
  EXPECT_EQ(Answers(), (TAnswers{true, true, "Xilinx ISE"}));
  EXPECT_EQ(Driver->GetDeviceDescription(), "Xilinx Artix7 XC7A100T-1CSG324C");
}

// ---- the processor-debug layer ----

namespace {

const std::vector<std::string> kOpen = {"QuillDevice.503630()", "JTagChannel.503425()"};
const std::vector<std::string> kClose = {"QuillDevice.503630()", "JTagChannel.503426()"};
const std::string kRead = "QuillDevice.503666(64, 8)";
std::string Write(int value) { return "QuillDevice.503667(64, 8, " + std::to_string(value) + ")"; }

// Joins pieces of a call sequence.
std::vector<std::string> Seq(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

}  // namespace

class ProcessorDebug : public QuillDriver {
 protected:
  void SetUp() override {
    AttachChain();
    Device->SetRegister(kControlRegisterNumber, 0xFF);
  }
};

TEST_F(ProcessorDebug, PauseClearsAndSetsTheDebugBitsCarryingBit6) {
  Driver->PauseProcessor();
  // 0xFF without bits 7, 5, 3, 1, 0 and with 4, 2: 0x54 (bit 6 carried along).
  EXPECT_EQ(ChainLog(), Seq({kOpen, {kRead, Write(0x54), kRead}, kClose}));
  EXPECT_EQ(Driver->ControlRegister(), 0x54);
}

TEST_F(ProcessorDebug, ResetPausesThenPulsesTheResetBit) {
  Driver->ResetProcessor();
  EXPECT_EQ(ChainLog(), Seq({kOpen, kOpen, {kRead, Write(0x54), kRead}, kClose,
                             {Write(0x74), Write(0x54), kRead}, kClose}));
}

TEST_F(ProcessorDebug, ContinueRequestsThenReleases) {
  Driver->ContinueProcessor();
  EXPECT_EQ(ChainLog(), Seq({kOpen, {kRead, Write(0x54), Write(0x50), kRead}, kClose}));
}

TEST_F(ProcessorDebug, SingleStep) {
  Driver->SingleStepProcessor();
  EXPECT_EQ(ChainLog(), Seq({kOpen, kOpen, {kRead, Write(0x54), kRead}, kClose,
                             {kRead, Write(0x54), Write(0x56), kRead}, kClose}));
}

TEST_F(ProcessorDebug, RunStepsWritesTheStepCountTimes) {
  Driver->RunSteps(3);
  EXPECT_EQ(ChainLog(), Seq({kOpen, {kRead}, kOpen, {kRead, Write(0x54), kRead}, kClose,
                             {Write(0x54), Write(0x56), Write(0x56), Write(0x56), kRead}, kClose}));
}

TEST_F(ProcessorDebug, SingleStepInTheSubstitutionRegister) {
  Device->SetRegister(kControlRegisterNumber, 0x20);  // held in reset
  Driver->RunSingleStepInSubstitutionRegister();
  EXPECT_EQ(ChainLog(), Seq({kOpen, {kRead, Write(0x14), Write(0x15), Write(0x17), Write(0x14), kRead}, kClose}));
}

TEST_F(ProcessorDebug, ResetQuillRegistersLoadsInstructionTwo) {
  Driver->ResetQuillRegisters();
  EXPECT_EQ(ChainLog(), Seq({kOpen, {"QuillDevice.503630()", "QuillDevice.503629()", "JTagChannel.503601(2, 3)"},
                             kClose}));
}

TEST_F(ProcessorDebug, StateQueriesReadTheRegister) {
  struct TCase {
    int Register;
    bool Paused, Reset, Running;
  } cases[] = {
      {0x18, true, false, false}, {0x10, false, false, true}, {0x08, false, false, true},
      {0x20, false, true, false}, {0x38, true, true, false},  {0x00, false, false, true},
  };
  for (const TCase& c : cases) {
    Device->SetRegister(kControlRegisterNumber, c.Register);
    EXPECT_EQ(Driver->ProcessorIsPaused(), c.Paused) << c.Register;
    EXPECT_EQ(Driver->ProcessorIsReset(), c.Reset) << c.Register;
    EXPECT_EQ(Driver->ProcessorIsRunning(), c.Running) << c.Register;
  }
  Host.Log().Clear();
  Device->SetRegister(kControlRegisterNumber, 0x18);
  EXPECT_TRUE(Driver->ProcessorIsPaused());
  EXPECT_EQ(ChainLog(), Seq({kOpen, {kRead}, kClose}));
}

TEST_F(ProcessorDebug, RegisterAccessOutOfRangeTouchesNothing) {
  EXPECT_EQ(Invoke(Driver->AsDispatch(), 503767, {std::int32_t{0}}).Value.Raw().lVal, 0);
  EXPECT_EQ(Invoke(Driver->AsDispatch(), 503766, {std::int32_t{0}, std::int32_t{5}}).Value.Raw().boolVal, 0);
  EXPECT_EQ(BstrToUtf8(Invoke(Driver->AsDispatch(), 503808, {std::int32_t{1}}).Value.Raw().bstrVal), "0");
  EXPECT_TRUE(ChainLog().empty());
}

TEST_F(QuillDriver, WithoutAHostDeviceTheDebugOperationsDoNothing) {
  Host.Log().Clear();
  Driver->PauseProcessor();
  Driver->ResetProcessor();
  EXPECT_EQ(Driver->ControlRegister(), 0x14);  // only the driver's image of the register changes
  EXPECT_FALSE(Driver->ProcessorIsPaused());
  EXPECT_TRUE(Driver->ProcessorIsRunning());
  EXPECT_TRUE(Host.Log().Events().empty());
}

TEST_F(ProcessorDebug, AFailingHostCallStillClosesTheChannel) {
  Device->SetJTagChannel({});
  Host.Log().Clear();
  // No chain: open and close find nothing, the register is still read.
  Driver->PauseProcessor();
  EXPECT_EQ(ChainLog(), (std::vector<std::string>{"QuillDevice.503630()", kRead, Write(0x54), kRead,
                                                  "QuillDevice.503630()"}));
}

// ---- the rack viewer ----

class RackViewer : public QuillDriver {
 protected:
  TComPtr<TFakeChain> Chain;
  void SetUp() override { Chain = AttachChain(); }
  void ChainDevice(bool withEntity) {
    TComPtr<IDispatch> entity;
    if (withEntity) entity = TComPtr<IDispatch>(MakeObject<TFakeChain>(LogOfHost())->AsDispatch());
    Chain->Device = TComPtr<IDispatch>(MakeObject<TFakeJTagDevice>(LogOfHost(), entity, "XC7A100T")->AsDispatch());
  }
};

TEST_F(RackViewer, WithoutAChainDeviceNothingIsCreated) {
  Driver->MakeForms = true;
  Driver->CreateRackViewer();
  EXPECT_EQ(Driver->RackForm(), nullptr);
  EXPECT_TRUE(Host.MessageBoxes().empty());
  EXPECT_EQ(Host.Log().Lines({"JTagChannel"}), std::vector<std::string>{"JTagChannel.503579(3)"});
}

TEST_F(RackViewer, AChainDeviceWithoutBoundaryScanDataShowsTheErrorBox) {
  Driver->MakeForms = true;
  ChainDevice(false);
  EXPECT_EQ(Invoke(Driver->AsDispatch(), 503759).Status, S_OK);
  EXPECT_EQ(Driver->RackForm(), nullptr);
  ASSERT_EQ(Host.MessageBoxes().size(), 1u);
  EXPECT_EQ(Host.MessageBoxes()[0].Kind, platform::eMessageBox_Error);
  EXPECT_EQ(Host.MessageBoxes()[0].Caption, "Error");
  EXPECT_EQ(Host.MessageBoxes()[0].Text, "Failed To find Boundary Scan data for Device\r\rDevice:  XC7A100T");
}

TEST_F(RackViewer, AFormIsMadeOnceAndReleasedWithTheDevice) {
  Driver->MakeForms = true;
  ChainDevice(true);
  Driver->CreateRackViewer();
  ASSERT_NE(Driver->RackForm(), nullptr);
  auto* form = static_cast<TFakeRackForm*>(Driver->RackForm());
  EXPECT_EQ(form->Device.Get(), Device->AsDispatch());
  EXPECT_FALSE(Driver->GetRackViewer());  // no view class yet
  Driver->CreateRackViewer();
  EXPECT_EQ(Driver->RackForm(), form);  // a viewer exists: nothing happens
  EXPECT_EQ(Host.Log().Count("JTagChannel", 503579), 1u);
  const TComPtr<TSimQuillDevice> other = MakeObject<TSimQuillDevice>(LogOfHost(), TComPtr<IDispatch>(), 0);
  Driver->SetQuillDevice(TComPtr<IDispatch>(other->AsDispatch()));
  EXPECT_EQ(form->Device.Get(), other->AsDispatch());  // the form follows the device
  EXPECT_EQ(Driver->FormsDestroyed, 0);
  Driver->SetQuillDevice({});
  EXPECT_EQ(Driver->FormsDestroyed, 1);
  EXPECT_EQ(Driver->RackForm(), nullptr);
}

TEST_F(RackViewer, WithoutADeviceThereIsNoViewer) {
  Driver->SetQuillDevice({});
  Driver->MakeForms = true;
  Driver->CreateRackViewer();
  EXPECT_EQ(Driver->RackForm(), nullptr);
}

#include "hostsim/HostSim.h"

#include <gtest/gtest.h>

#include "host/HostClient.h"
#include "host/HostManagers.h"
#include "host/HostWorkspace.h"
#include "support/HostFixture.h"
#include "support/TempFolder.h"
#include "support/TestSupport.h"

using testing_support::Invoke;
using testing_support::LoadedPlugin;

class HostSim : public testing_support::THostTest {};

TEST_F(HostSim, TheEventLogRecordsObjectDispIdAndArgumentsInOrder) {
  HostGUIManager().StatusBar_SetState(1, "Ready");
  HostWorkspace().LogLine("line");
  HostClient().ClientAPI().SetCursor(-11);
  EXPECT_EQ(Host.Log().Lines(), (std::vector<std::string>{
                                    "Client.494()", "GUIManager.164(1, \"Ready\")", "Workspace.501423(\"line\", false, false)",
                                    "Client.795()", "ClientAPI.791(-11)"}));
  const auto calls = Host.Log().Calls("GUIManager", 164);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].Args, (std::vector<std::string>{"1", "Ready"}));
  EXPECT_EQ(Host.Workspace().LogLines(), std::vector<std::string>{"line"});
}

TEST_F(HostSim, MessagesArriveFromBothAddForms) {
  const TMessagesManager messages = HostMessagesManager();
  messages.BeginUpdate();
  messages.AddMessage({"ProcessFlowInfo", "Started", "Artix7", "", "", "", 3});
  messages.EndUpdate();
  HostWorkspace().MessagesManager().AddMessageParametric(
      "Class=ProcessFlowError|Text=ERROR:Pack:1|Source=Map|Document=top.ncd|CallBackProcess=WorkspaceManager:View|"
      "ImageIndex=4",
      "");
  const auto& all = Host.Messages().Messages();
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].Class, "ProcessFlowInfo");
  EXPECT_EQ(all[0].ImageIndex, 3);
  EXPECT_EQ(all[1].Class, "ProcessFlowError");
  EXPECT_EQ(all[1].Text, "ERROR:Pack:1");
  EXPECT_EQ(all[1].Document, "top.ncd");
  EXPECT_EQ(all[1].ImageIndex, 4);
  EXPECT_EQ(Host.Messages().UpdateDepth(), 0);
}

TEST_F(HostSim, OptionsAreStoredPerServer) {
  const TOptionsManager options = HostOptionsManager();
  EXPECT_TRUE(options.Reader("QuillManager").ReadBoolean("Pin States Panel", "Auto Install Library", true));
  options.Writer("QuillManager").Write("Pin States Panel", "Auto Install Library", "False");
  options.Writer("Other").Write("Pin States Panel", "Pin Name", "True");
  EXPECT_FALSE(options.Reader("QuillManager").ReadBoolean("pin states panel", "auto install library", true));
  EXPECT_FALSE(options.Reader("QuillManager").ReadBoolean("Pin States Panel", "Pin Name", false));
  EXPECT_TRUE(options.Reader("Other").ReadBoolean("Pin States Panel", "Pin Name", false));
}

TEST_F(HostSim, VendorToolsComeFromTheirConfiguration) {
  testing_support::TTempFolder folder;
  const std::string ini = folder.Write("VendorTools.ini",
                                       "[Xilinx]\nPresent=1\nUpToDate=0\nDescriptor=Xilinx ISE 14.7\nVersionText=14.7\n"
                                       "VersionNumber=140700000\nBinFolder=/opt/Xilinx/bin/\nFolder0=/opt/Xilinx/common/\n"
                                       "Tool.NGDBuild=/opt/Xilinx/bin/ngdbuild\nTool.MAP=/opt/Xilinx/bin/map\n");
  ASSERT_TRUE(Host.VendorTools().LoadConfiguration(ini));
  EXPECT_FALSE(Host.VendorTools().LoadConfiguration(folder.Path() + "missing.ini"));
  const TVendorToolManager tools = HostVendorToolManager();
  EXPECT_TRUE(tools.IsToolPresent("xilinx"));
  EXPECT_FALSE(tools.IsToolUpToDate("Xilinx"));
  EXPECT_EQ(tools.GetToolDescriptor("Xilinx"), "Xilinx ISE 14.7");
  EXPECT_EQ(tools.GetVersionText("Xilinx"), "14.7");
  EXPECT_EQ(tools.GetVersionNumber("Xilinx"), 140700000);
  EXPECT_EQ(tools.GetToolPath("Xilinx", "ngdbuild"), "/opt/Xilinx/bin/ngdbuild");
  EXPECT_EQ(tools.GetToolPath("Xilinx", "PAR"), "");
  EXPECT_EQ(tools.GetToolBinaryFolder("Xilinx"), "/opt/Xilinx/bin/");
  EXPECT_EQ(tools.GetToolFolder("Xilinx", 0), "/opt/Xilinx/common/");
  EXPECT_EQ(tools.GetToolFolder("Xilinx", 1), "");
  EXPECT_FALSE(tools.IsToolPresent("Altera"));
}

TEST_F(HostSim, TheDeviceObjectServesItsDriverThroughTheDispatchInterface) {
  const TComPtr<IDispatch> driver = LoadedPlugin().Driver(46);
  const TComPtr<TSimQuillDevice> device = Host.AttachDevice(driver, 2);
  EXPECT_EQ(Invoke(driver.Get(), 503753).Value.Raw().pdispVal, device->AsDispatch());
  const auto name = Invoke(device->AsDispatch(), 503380);  // answered by the driver
  ASSERT_EQ(name.Status, S_OK);
  EXPECT_EQ(BstrToUtf8(name.Value.Raw().bstrVal), "XC7A200T-2LFFG1156E");
  EXPECT_EQ(Invoke(device->AsDispatch(), 503629).Value.Raw().lVal, 2);
  EXPECT_EQ(Invoke(device->AsDispatch(), 503630).Value.Type(), VT_DISPATCH);
  EXPECT_EQ(Invoke(device->AsDispatch(), 503630).Value.Raw().pdispVal, nullptr);  // no chain yet
  EXPECT_EQ(Invoke(device->AsDispatch(), 503637).Value.Raw().lVal, 0);  // the driver's state
  // The device manager finds the driver by its device name.
  const auto found = HostDeviceManager().DeviceInformation("xc7a200t-2lffg1156e");
  EXPECT_EQ(found.Get(), driver.Get());
  EXPECT_FALSE(HostDeviceManager().DeviceInformation("XC7A35T"));
}

TEST_F(HostSim, TheLoadedPluginFindsTheHostAndItsRegistry) {
  const TComPtr<IDispatch> driver = LoadedPlugin().Driver(0);
  Host.PluginRegistry().Add(testing_support::BinDir());
  const auto description = Invoke(driver.Get(), 503381);
  EXPECT_EQ(BstrToUtf8(description.Value.Raw().bstrVal), "Xilinx Artix7 XC7A100T-1CSG324C");
  EXPECT_EQ(Host.Log().Count("PluginRegistryItem", 2009), 1u);
}

TEST_F(HostSim, HostModulesAreAnsweredByName) {
  EXPECT_FALSE(HostClient().Module("SCH"));
  const TComPtr<IDispatch> module(Host.Options().AsDispatch());
  Host.Client().SetModule("SCH", module);
  EXPECT_EQ(HostClient().Module("sch"), module);
  EXPECT_FALSE(HostClient().Module("PCB"));
}

TEST_F(HostSim, AnUninstalledHostServesNothing) {
  Host.Uninstall();
  EXPECT_FALSE(HostClient().Assigned());
  EXPECT_EQ(THostSim::Current(), nullptr);
  {
    THostSim other;
    other.Install();
    EXPECT_EQ(THostSim::Current(), &other);
  }
  EXPECT_EQ(THostSim::Current(), nullptr);
}

TEST_F(HostSim, ThePumpDoesQueuedActionsOnceAndDoesNotReenter) {
  int outer = 0, inner = 0;
  Host.QueueAction([&] {
    ++outer;
    Host.QueueAction([&] { ++inner; });
    Host.ProcessMessages();  // re-entry is ignored
  });
  Host.ProcessMessages();
  EXPECT_EQ(outer, 1);
  EXPECT_EQ(inner, 0);
  Host.ProcessMessages();
  EXPECT_EQ(inner, 1);
  EXPECT_EQ(Host.PumpCount(), 2u);
}

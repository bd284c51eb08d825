#include <gtest/gtest.h>

#include "host/BusyCursor.h"
#include "host/HostClient.h"
#include "host/HostEntryPoints.h"
#include "host/HostWorkspace.h"
#include "host/KeyState.h"
#include "host/MessageBoxes.h"
#include "support/HostFixture.h"

class HostServices : public testing_support::THostTest {};

TEST_F(HostServices, EntryPointsReachTheInstalledHost) {
  EXPECT_EQ(HostClientObject().Get(), Host.ClientObject().Get());
  EXPECT_EQ(HostWorkspaceObject().Get(), Host.WorkspaceObject().Get());
  EXPECT_EQ(HostDeviceManagerObject().Get(), Host.DeviceManagerObject().Get());
  EXPECT_EQ(HostQuillWorkspaceObject().Get(), Host.QuillWorkspaceObject().Get());
  EXPECT_EQ(HostJTagPortCount(), 0);
  EXPECT_FALSE(HostJTagPort(0));
  // The workbench is reached only after its module is loaded.
  EXPECT_EQ(Host.Log().Lines({"Client"}).back(), "Client.507(\"FPGAFlow\")");
  Host.Client().SetModuleUnavailable("FPGAFlow");
  EXPECT_FALSE(HostQuillWorkspaceObject());
  EXPECT_FALSE(HostVendorToolManager().Assigned());
}

TEST_F(HostServices, WrappersOfMissingObjectsAreNoOps) {
  Host.SetClientAvailable(false);
  const TClient client = HostClient();
  EXPECT_FALSE(client.Assigned());
  EXPECT_EQ(client.MainWindowHandle(), 0);
  EXPECT_FALSE(client.LoadModule("FPGAFlow"));
  std::string parameters = "Action=ResetDevice";
  client.RunProcess("FPGAFlow:DeviceAction", parameters);
  EXPECT_EQ(client.ClientAPI().ClientFolder(), "");
  EXPECT_FALSE(HostGUIManager().Assigned());
  HostGUIManager().StatusBar_SetState(1, "x");
  EXPECT_EQ(HostTimerManager().AddHandler({}, 100, true), 0u);
  EXPECT_FALSE(HostQuillWorkspaceObject());
  EXPECT_EQ(HostVendorToolManager().GetToolPath("Xilinx", "NGDBuild"), "");
  EXPECT_TRUE(Host.Log().Events().empty());
}

TEST_F(HostServices, AFailingHostCallRaises) {
  const THostObject client(HostClientObject());
  EXPECT_THROW(client.Call(99999), EHostCallFailed);
  EXPECT_THROW(client.Call<std::string>(client_dispid::kDocumentKind), EHostCallFailed);  // argument missing
}

TEST_F(HostServices, RunProcessPassesItsParametersInAndOut) {
  std::string parameters = "Action=ResetDevice";
  HostClient().RunProcess("FPGAFlow:DeviceAction", parameters);
  ASSERT_EQ(Host.Client().ProcessRequests().size(), 1u);
  EXPECT_EQ(Host.Client().ProcessRequests()[0].Process, "FPGAFlow:DeviceAction");
  EXPECT_EQ(Host.Client().ProcessRequests()[0].Parameters, "Action=ResetDevice");
  EXPECT_EQ(parameters, "Action=ResetDevice");
}

TEST_F(HostServices, MessageBoxesAreShownWithTheirDefaultCaptions) {
  EXPECT_EQ(ShowWarning("w"), platform::kMessageBoxResult_OK);
  ShowInformation("i", "");
  ShowError("e", "Own caption");
  const auto& boxes = Host.MessageBoxes();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].Kind, platform::eMessageBox_Warning);
  EXPECT_EQ(boxes[0].Caption, "Warning");
  EXPECT_EQ(boxes[1].Caption, "Information");
  EXPECT_EQ(boxes[2].Kind, platform::eMessageBox_Error);
  EXPECT_EQ(boxes[2].Caption, "Own caption");
  EXPECT_EQ(boxes[2].Text, "e");
}

TEST_F(HostServices, BusyCursorIsRestoredEvenWhenAnErrorLeaves) {
  try {
    TBusyCursor busy;
    EXPECT_EQ(Host.ClientAPI().CursorStack(), std::vector<std::int32_t>{kCursor_HourGlass});
    throw std::runtime_error("failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_TRUE(Host.ClientAPI().CursorStack().empty());
  EXPECT_EQ(Host.Log().Lines({"ClientAPI"}), (std::vector<std::string>{"ClientAPI.791(-11)", "ClientAPI.792()"}));
}

TEST_F(HostServices, KeyStateComesFromTheDesktop) {
  EXPECT_FALSE(CtrlDown());
  Host.SetKeyDown(platform::eKey_Control, true);
  Host.SetKeyDown(platform::eKey_Alt, true);
  EXPECT_TRUE(CtrlDown());
  EXPECT_FALSE(ShiftDown());
  EXPECT_TRUE(AltDown());
}

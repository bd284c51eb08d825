#include <gtest/gtest.h>

#include "host/HostManagers.h"
#include "host/NotificationHandler.h"
#include "host/TimerHandler.h"
#include "platform/MessagePump.h"
#include "support/HostFixture.h"
#include "support/TestSupport.h"

using testing_support::Invoke;

class Handlers : public testing_support::THostTest {};

TEST_F(Handlers, ATimerHandlerRunsOnTheVirtualClockUntilItIsDestroyed) {
  std::vector<std::pair<std::uint64_t, std::uint32_t>> fired;
  auto timer = TTimerHandler::Create([&](std::uint32_t id) { fired.emplace_back(Host.Now(), id); }, 100, false);
  const std::uint32_t id = timer->TimerID();
  ASSERT_NE(id, 0u);
  EXPECT_EQ(Host.Timers().TimerInterval(id), 100);
  Host.AdvanceTime(500);
  EXPECT_TRUE(fired.empty());  // created disabled
  timer->SetEnabled(true);
  Host.AdvanceTime(250);
  EXPECT_EQ(fired, (std::vector<std::pair<std::uint64_t, std::uint32_t>>{{600, id}, {700, id}}));
  timer.reset();
  EXPECT_FALSE(Host.Timers().HasTimer(id));
  Host.AdvanceTime(1000);
  EXPECT_EQ(fired.size(), 2u);
  EXPECT_EQ(Host.Log().Lines({"TimerManager"}),
            (std::vector<std::string>{"TimerManager.268(<object>, 100, false)", "TimerManager.271(1, true)",
                                      "TimerManager.269(1)"}));
}

TEST_F(Handlers, TimersFireInDueOrderAndThePumpRunsDueOnes) {
  std::vector<int> order;
  auto slow = TTimerHandler::Create([&](std::uint32_t) { order.push_back(1000); }, 1000, true);
  auto fast = TTimerHandler::Create([&](std::uint32_t) { order.push_back(100); }, 100, true);
  Host.AdvanceTime(1000);
  EXPECT_EQ(order.size(), 11u);
  EXPECT_EQ(order.back(), 100);  // both due at 1000: the older timer first, then the faster one
  EXPECT_EQ(order[order.size() - 2], 1000);
  order.clear();
  Host.SetPumpTimeStep(100);
  bool queued = false;
  Host.QueueAction([&] { queued = true; });
  platform::ProcessMessages();
  EXPECT_TRUE(queued);
  EXPECT_EQ(order, std::vector<int>{100});
}

TEST_F(Handlers, ANotificationHandlerGetsTheHostsNotificationsWhileRegistered) {
  std::vector<std::string> seen;
  auto handler = TNotificationHandler::Create([&](TComPtr<IDispatch> n) {
    const TNotification notification(n);
    seen.push_back(notification.Kind() + ":" + std::to_string(notification.Code()));
  });
  ASSERT_EQ(Host.Client().NotificationHandlers().size(), 1u);
  Host.Notify(kNotificationKind_Quill, 3);
  handler.reset();
  EXPECT_TRUE(Host.Client().NotificationHandlers().empty());
  Host.Notify(kNotificationKind_Quill, 6);
  EXPECT_EQ(seen, std::vector<std::string>{"korvane.zed.quill:3"});
}

TEST_F(Handlers, ServiceNamesAndDispatch) {
  auto timer = TTimerHandler::Create({}, 10, false);
  auto notification = TNotificationHandler::Create({});
  EXPECT_EQ(Invoke(timer->AsDispatch(), 1023, {"timerhandler"}).Value.Raw().boolVal, VARIANT_TRUE);
  EXPECT_EQ(Invoke(timer->AsDispatch(), 1023, {"NotificationHandler"}).Value.Raw().boolVal, VARIANT_FALSE);
  EXPECT_EQ(Invoke(notification->AsDispatch(), 1023, {"NOTIFICATIONHANDLER"}).Value.Raw().boolVal, VARIANT_TRUE);
  EXPECT_EQ(Invoke(notification->AsDispatch(), 1023, {"serverview"}).Value.Raw().boolVal, VARIANT_FALSE);
  EXPECT_EQ(Invoke(timer->AsDispatch(), 266, {}).Status, E_NOTIMPL);
  EXPECT_EQ(Invoke(timer->AsDispatch(), 267, {}).Status, E_UNEXPECTED);  // the id is missing
}

TEST(HandlersWithoutHost, RegisterNothingAndGetTimerIdZero) {
  int calls = 0;
  auto timer = TTimerHandler::Create([&](std::uint32_t) { ++calls; }, 100, true);
  EXPECT_EQ(timer->TimerID(), 0u);
  timer->SetEnabled(false);
  auto handler = TNotificationHandler::Create([&](TComPtr<IDispatch>) { ++calls; });
  handler->HandleNotification({});
  EXPECT_EQ(calls, 1);
}

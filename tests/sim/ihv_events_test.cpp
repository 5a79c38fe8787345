#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <mutex>
#include <thread>

#include "sim/sim_machine.h"
#include "test_support.h"

namespace zlx::sim {
namespace {

using ::testing::ElementsAre;
using testing::guidOf;
using testing::scenarioFrom;
using testing::serviceMessage;

const Guid kInterface = guidOf("3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c");

constexpr const char* kScenario = R"({
  "wlan": {"interfaces": [{
    "guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c",
    "ihvService": {
      "onEnter": [{"delayMs": 1000, "event": "0x80000000"},
                  {"delayMs": 500, "event": "0x80000007", "second": 9},
                  {"delayMs": 0, "event": 15},
                  {"delayMs": 2000, "payload": "04 00"}],
      "onLeave": [{"delayMs": 200, "event": "0x80000004"}]
    }
  }]}
})";

struct Arrival {
    Millis at;
    std::uint32_t event;
};

// Receives notifications on the machine's thread and remembers when each arrived.
class Receiver {
  public:
    explicit Receiver(const Clock& clock) : clock_(clock) {}

    WlanNotificationCallback callback() {
        return [this](const WlanNotification& n) {
            std::lock_guard lock(mutex_);
            notifications_.push_back(n);
            std::uint32_t event = n.data.size() >= 4 ? loadLe<std::uint32_t>(n.data, 0) : 0xFFFF;
            arrivals_.push_back({clock_.now(), event});
            threads_.push_back(std::this_thread::get_id());
        };
    }
    std::vector<Arrival> arrivals() const {
        std::lock_guard lock(mutex_);
        return arrivals_;
    }
    std::vector<std::uint32_t> events() const {
        std::lock_guard lock(mutex_);
        std::vector<std::uint32_t> out;
        for (const Arrival& a : arrivals_) out.push_back(a.event);
        return out;
    }
    std::vector<WlanNotification> notifications() const {
        std::lock_guard lock(mutex_);
        return notifications_;
    }
    std::vector<std::thread::id> threads() const {
        std::lock_guard lock(mutex_);
        return threads_;
    }

  private:
    const Clock& clock_;
    mutable std::mutex mutex_;
    std::vector<WlanNotification> notifications_;
    std::vector<Arrival> arrivals_;
    std::vector<std::thread::id> threads_;
};

class IhvEventsTest : public ::testing::Test {
  protected:
    IhvEventsTest() : machine_(scenarioFrom(kScenario), clock_), receiver_(clock_) {
        std::uint32_t negotiated = 0;
        machine_.wlan().openHandle(2, negotiated, handle_);
    }

    void registerReceiver() {
        ASSERT_EQ(machine_.wlan().registerNotification(handle_, kWlanNotificationSourceIhv,
                                                       receiver_.callback()),
                  kErrorSuccess);
    }

    Win32Error send(std::uint32_t operation, const std::string& profile = "") {
        auto message = serviceMessage(operation, profile);
        std::vector<std::uint8_t> answer(operation == 0 ? 37 : 0);
        std::uint32_t returned = 99;
        WlanHandle handle = 0;
        std::uint32_t negotiated = 0;
        machine_.wlan().openHandle(2, negotiated, handle);
        Win32Error result = machine_.wlan().ihvControl(handle, kInterface, kWlanIhvControlService,
                                                       message, answer, returned);
        EXPECT_EQ(returned, 0u);
        machine_.wlan().closeHandle(handle);
        return result;
    }

    // Advances the clock and notes, at every settle, how many events had arrived by then.
    void advanceTo(Millis target) {
        clock_.advanceTo(target, [this] { settled_.push_back(receiver_.arrivals().size()); });
    }

    ManualClock clock_;
    SimMachine machine_;
    Receiver receiver_;
    WlanHandle handle_ = 0;
    std::vector<std::size_t> settled_;
};

TEST_F(IhvEventsTest, NothingArrivesBeforeItsTime) {
    registerReceiver();
    ASSERT_EQ(send(0, "ZLX Office"), kErrorSuccess);
    advanceTo(999);
    EXPECT_TRUE(receiver_.arrivals().empty());
    advanceTo(1000);
    EXPECT_THAT(receiver_.events(), ElementsAre(0x80000000));
}

TEST_F(IhvEventsTest, EventsArriveInOrderAtTheirTimes) {
    registerReceiver();
    send(0, "ZLX Office");
    advanceTo(10000);
    auto arrivals = receiver_.arrivals();
    ASSERT_EQ(arrivals.size(), 4u);
    EXPECT_EQ(arrivals[0].at, 1000);
    EXPECT_EQ(arrivals[1].at, 1500);
    EXPECT_EQ(arrivals[2].at, 1500);
    EXPECT_EQ(arrivals[3].at, 3500);
    EXPECT_THAT(receiver_.events(), ElementsAre(0x80000000, 0x80000007, 15u, 0xFFFFu));
    // The settle step after each delivery already sees it: delivery finished before settling.
    EXPECT_THAT(settled_, ElementsAre(1u, 2u, 3u, 4u, 4u));
}

TEST_F(IhvEventsTest, NotificationsCarryTheEventWordsFromTheServicesThread) {
    registerReceiver();
    send(0, "ZLX Office");
    advanceTo(10000);
    auto notifications = receiver_.notifications();
    ASSERT_EQ(notifications.size(), 4u);
    const WlanNotification& second = notifications[1];
    EXPECT_EQ(second.source, kWlanNotificationSourceIhv);
    EXPECT_EQ(second.code, 0u);
    EXPECT_EQ(second.interfaceGuid, kInterface);
    EXPECT_EQ(second.data, (std::vector<std::uint8_t>{0x07, 0, 0, 0x80, 9, 0, 0, 0}));
    EXPECT_EQ(notifications[3].data, (std::vector<std::uint8_t>{0x04, 0x00}));
    for (std::thread::id id : receiver_.threads()) EXPECT_NE(id, std::this_thread::get_id());
}

TEST_F(IhvEventsTest, ANewRequestCancelsWhatIsStillPending) {
    registerReceiver();
    send(0, "ZLX Office");
    advanceTo(1200);
    send(1);  // leave: its own event at 1400, the rest of the enter script is dropped
    advanceTo(10000);
    auto arrivals = receiver_.arrivals();
    ASSERT_EQ(arrivals.size(), 2u);
    EXPECT_EQ(arrivals[1].at, 1400);
    EXPECT_THAT(receiver_.events(), ElementsAre(0x80000000, 0x80000004));
}

TEST_F(IhvEventsTest, ASecondEnterRestartsTheScriptFromItsOwnTime) {
    registerReceiver();
    send(0, "ZLX Office");
    advanceTo(600);
    send(0, "ZLX Office");
    advanceTo(1599);
    EXPECT_THAT(receiver_.arrivals(), ::testing::IsEmpty());
    advanceTo(1600);
    EXPECT_THAT(receiver_.events(), ElementsAre(0x80000000));
}

TEST_F(IhvEventsTest, MaskZeroEndsDelivery) {
    registerReceiver();
    send(0, "ZLX Office");
    advanceTo(1000);
    ASSERT_EQ(machine_.wlan().registerNotification(handle_, kWlanNotificationSourceNone, {}),
              kErrorSuccess);
    advanceTo(10000);
    EXPECT_THAT(receiver_.events(), ElementsAre(0x80000000));
    EXPECT_EQ(machine_.calls().count("IHV event 0x80000000 delivered"), 1u);
    EXPECT_EQ(machine_.calls().count("IHV event 0x80000007 second=0x00000009 dropped"), 1u);
}

TEST_F(IhvEventsTest, ClosingTheHandleEndsItsRegistration) {
    registerReceiver();
    send(0, "ZLX Office");
    machine_.wlan().closeHandle(handle_);
    advanceTo(10000);
    EXPECT_TRUE(receiver_.arrivals().empty());
    EXPECT_EQ(machine_.calls().count("IHV event"), 4u);
    EXPECT_EQ(machine_.calls().count("IHV event payload [04 00] dropped (no registration)"), 1u);
}

TEST_F(IhvEventsTest, EventsWithoutRegistrationAreDroppedAndRecorded) {
    send(0, "ZLX Office");
    advanceTo(1000);
    EXPECT_THAT(machine_.calls().all(),
                ::testing::Contains("IHV event 0x80000000 dropped (no registration)"));
}

TEST_F(IhvEventsTest, OtherSourcesDoNotReceiveIhvEvents) {
    ASSERT_EQ(machine_.wlan().registerNotification(handle_, 0x8, receiver_.callback()),
              kErrorSuccess);
    send(0, "ZLX Office");
    advanceTo(10000);
    EXPECT_TRUE(receiver_.arrivals().empty());
}

TEST_F(IhvEventsTest, RegistrationNeedsAnOpenHandleAndACallback) {
    EXPECT_EQ(
        machine_.wlan().registerNotification(999, kWlanNotificationSourceIhv, receiver_.callback()),
        kErrorInvalidHandle);
    EXPECT_EQ(machine_.wlan().registerNotification(handle_, kWlanNotificationSourceIhv, {}),
              kErrorInvalidParameter);
}

TEST_F(IhvEventsTest, TheRequestIsRecordedBeforeItsEvents) {
    registerReceiver();
    machine_.calls().takeNew();
    send(1);
    advanceTo(200);
    EXPECT_THAT(machine_.calls().takeNew(),
                ElementsAre("WlanOpenHandle(version=2) -> 0 handle=2 negotiated=2",
                            "WlanIhvControl(handle=2, type=0, in=264, out=0, op=leave) -> 0 "
                            "returned=0",
                            "WlanCloseHandle(handle=2) -> 0", "IHV event 0x80000004 delivered"));
}

TEST(IhvService, AFailingControlResultStartsNoScript) {
    ManualClock clock;
    SimMachine machine(scenarioFrom(R"({"wlan": {"interfaces": [{
        "guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c",
        "ihvService": {"controlResult": 1062, "onEnter": [{"delayMs": 10, "event": 1}]}}]}})"),
                       clock);
    WlanHandle handle = 0;
    std::uint32_t negotiated = 0;
    machine.wlan().openHandle(2, negotiated, handle);
    auto message = serviceMessage(0, "ZLX Office");
    std::vector<std::uint8_t> answer(37);
    std::uint32_t returned = 0;
    EXPECT_EQ(machine.wlan().ihvControl(handle, kInterface, kWlanIhvControlService, message, answer,
                                        returned),
              kErrorServiceNotActive);
    clock.advanceTo(1000, {});
    EXPECT_EQ(machine.calls().count("IHV event"), 0u);
}

TEST(IhvService, PendingEventsDieWithTheMachine) {
    ManualClock clock;
    {
        SimMachine machine(scenarioFrom(kScenario), clock);
        WlanHandle handle = 0;
        std::uint32_t negotiated = 0;
        machine.wlan().openHandle(2, negotiated, handle);
        auto message = serviceMessage(0, "ZLX Office");
        std::vector<std::uint8_t> answer(37);
        std::uint32_t returned = 0;
        machine.wlan().ihvControl(handle, kInterface, kWlanIhvControlService, message, answer,
                                  returned);
    }
    clock.advanceTo(10000, {});
    EXPECT_FALSE(clock.hasDue());
}

}  // namespace
}  // namespace zlx::sim

namespace zlx::sim {
namespace {

// A USB adapter plugged in at 3 s; the card taken away at 5 s and back at 8 s (sleep, resume).
constexpr const char* kComingAndGoing = R"({
  "wlan": {"interfaces": [
    {"guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c",
     "dynamics": {"events": [{"atMs": 5000, "present": false}, {"atMs": 8000, "present": true}]}},
    {"guid": "c7e3a915-2b6d-4f08-a1e4-93d5b7c20f6a", "present": false,
     "dynamics": {"events": [{"atMs": 3000, "present": true}]}}
  ]}
})";

TEST(InterfacePresenceTest, EnumerationQueriesAndNotificationsFollowTheClock) {
    const Guid usb = guidOf("c7e3a915-2b6d-4f08-a1e4-93d5b7c20f6a");
    ManualClock clock;
    SimMachine machine(scenarioFrom(kComingAndGoing), clock);
    Receiver receiver(clock);
    WlanHandle handle = 0;
    std::uint32_t negotiated = 0;
    machine.wlan().openHandle(2, negotiated, handle);
    ASSERT_EQ(
        machine.wlan().registerNotification(
            handle, kWlanNotificationSourceAcm | kWlanNotificationSourceIhv, receiver.callback()),
        kErrorSuccess);
    struct Moment {
        Millis at;
        std::vector<Guid> listed;
        Win32Error cardQuery;  // the interface state of the card
        std::size_t notified;  // notifications delivered by then
    };
    const Moment moments[] = {
        {0, {kInterface}, kErrorSuccess, 0},         {2999, {kInterface}, kErrorSuccess, 0},
        {3000, {kInterface, usb}, kErrorSuccess, 1}, {4999, {kInterface, usb}, kErrorSuccess, 1},
        {5000, {usb}, kErrorInvalidParameter, 2},    {8000, {kInterface, usb}, kErrorSuccess, 3},
    };
    for (const Moment& m : moments) {
        SCOPED_TRACE(m.at);
        clock.advanceTo(m.at, [] {});
        std::vector<WlanInterfaceInfo> listed;
        ASSERT_EQ(machine.wlan().enumInterfaces(handle, listed), kErrorSuccess);
        std::vector<Guid> guids;
        for (const WlanInterfaceInfo& i : listed) guids.push_back(i.guid);
        EXPECT_EQ(guids, m.listed);
        std::vector<std::uint8_t> data;
        std::uint32_t type = 0;
        EXPECT_EQ(machine.wlan().queryInterface(handle, kInterface, kWlanOpcodeInterfaceState, data,
                                                type),
                  m.cardQuery);
        EXPECT_EQ(receiver.notifications().size(), m.notified);
    }
    const std::vector<WlanNotification> got = receiver.notifications();
    ASSERT_EQ(got.size(), 3u);
    const std::pair<std::uint32_t, Guid> expected[] = {{kWlanAcmInterfaceArrival, usb},
                                                       {kWlanAcmInterfaceRemoval, kInterface},
                                                       {kWlanAcmInterfaceArrival, kInterface}};
    for (std::size_t k = 0; k < got.size(); ++k) {
        EXPECT_EQ(got[k].source, kWlanNotificationSourceAcm);
        EXPECT_EQ(got[k].code, expected[k].first);
        EXPECT_EQ(got[k].interfaceGuid, expected[k].second);
        EXPECT_TRUE(got[k].data.empty());
    }
    EXPECT_THAT(receiver.arrivals(), ::testing::SizeIs(3));
    EXPECT_EQ(receiver.arrivals()[1].at, 5000);
}

}  // namespace
}  // namespace zlx::sim

// The Troubleshooting page's lists: adapters, profiles, their marks and preselection.

#include "troubleshooting/troubleshooting_page.h"

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "status/status_sheet.h"
#include "support/program_fixture.h"

namespace zlx::troubleshooting {
namespace {

using zlx::testing::ProgramFixture;

std::string profile(const std::string& name, bool zlx) {
    std::string xml = "<WLANProfile><name>" + name + "</name>" +
                      (zlx ? "<IHV><connectivity><ZLX>1</ZLX></connectivity></IHV>" : "") +
                      "</WLANProfile>";
    return R"({"name": ")" + name + R"(", "xml": ")" + xml + R"("})";
}

std::string iface(const std::string& guid, const std::string& description,
                  const std::vector<std::string>& profiles, const std::string& connectedTo = "") {
    std::string list;
    for (const auto& p : profiles) list += (list.empty() ? "" : ", ") + p;
    std::string connection =
        connectedTo.empty() ? "" : R"(, "connection": {"profileName": ")" + connectedTo + R"("})";
    return R"({"guid": ")" + guid + R"(", "description": ")" + description +
           R"(", "state": "connected", "profiles": [)" + list + "]" + connection + "}";
}

std::string machine(const std::vector<std::string>& interfaces) {
    std::string list;
    for (const auto& i : interfaces) list += (list.empty() ? "" : ", ") + i;
    return R"({"wlan": {"interfaces": [)" + list + "]}}";
}

const char* kGuid1 = "11111111-1111-1111-1111-111111111111";
const char* kGuid2 = "22222222-2222-2222-2222-222222222222";
const char* kGuid3 = "33333333-3333-3333-3333-333333333333";

// Runs `steps` on the Troubleshooting page once it has been shown.
struct PageRun {
    explicit PageRun(const std::string& json) : f(json) {}
    TroubleshootingPage& page() {
        auto* sheet = dynamic_cast<status::StatusSheet*>(f.desktop().find(f.context().mainWindow));
        return dynamic_cast<TroubleshootingPage&>(sheet->troubleshootingPage());
    }
    void click(int id) {
        f.desktop().send(page().handle(), ui::kWmCommand, ui::makeCommandParam(id, ui::kBnClicked));
    }
    void select(int id, int index) {
        page().comboSetSel(id, index);
        f.desktop().send(page().handle(), ui::kWmCommand,
                         ui::makeCommandParam(id, ui::kCbnSelChange));
    }
    std::vector<std::string> items(int id) { return page().control(id)->items; }
    std::vector<std::string> boxTexts() {
        std::vector<std::string> out;
        for (const auto& b : f.services().messageBoxes()) out.push_back(b.request.text);
        return out;
    }
    void run(std::function<void()> steps) {
        f.then([this] {
             dynamic_cast<ui::PropertySheet*>(f.desktop().activeWindow())->setActivePage(1);
         }).then(std::move(steps));
        f.run();
    }
    ProgramFixture f;
};

TEST(TroubleshootingPageTest, ClientModeListsEveryAdapterAndSelectsTheFirst) {
    PageRun r(machine({iface(kGuid1, "First", {profile("A", false)}),
                       iface(kGuid2, "Second", {profile("B", true)})}));
    r.run([&] {
        EXPECT_TRUE(r.page().itemChecked(resources::kIdcClientMode));
        EXPECT_EQ(r.items(resources::kIdcAdapterList),
                  (std::vector<std::string>{"First", "Second"}));
        EXPECT_EQ(r.page().comboGetSel(resources::kIdcAdapterList), 0);
        EXPECT_EQ(r.f.context().selection.selectedAdapterDescription, "First");
        EXPECT_EQ(r.f.context().selectedAdapterGuidText, kGuid1);
        EXPECT_TRUE(r.page().itemEnabled(resources::kIdcStart));
        EXPECT_FALSE(r.page().itemEnabled(resources::kIdcProfileList));
    });
}

TEST(TroubleshootingPageTest, NetworkModeOffersOnlyTheFirstAdapterWithAnEligibleProfile) {
    PageRun r(machine({iface(kGuid1, "First", {profile("A", false)}),
                       iface(kGuid2, "Second", {profile("Office", true), profile("Home", false)}),
                       iface(kGuid3, "Third", {profile("Lab", true)})}));
    r.run([&] {
        r.click(resources::kIdcNetworkMode);
        EXPECT_EQ(r.items(resources::kIdcAdapterList), std::vector<std::string>{"Second"});
        EXPECT_EQ(r.page().comboGetSel(resources::kIdcAdapterList), 0);
        EXPECT_EQ(r.items(resources::kIdcProfileList),
                  (std::vector<std::string>{" Office", "*Home"}));
        EXPECT_EQ(r.f.context().selectedProfileName, "Office");
        EXPECT_EQ(r.f.context().selectedAdapterGuidText, kGuid2);
        EXPECT_TRUE(r.page().itemEnabled(resources::kIdcStart));
        // The single entry stands for the adapter found, not for the first interface.
        r.select(resources::kIdcAdapterList, 0);
        EXPECT_EQ(r.f.context().selectedAdapterGuidText, kGuid2);
        EXPECT_TRUE(r.boxTexts().empty());
    });
}

TEST(TroubleshootingPageTest, PreselectionFollowsTheConnection) {
    struct Case {
        const char* name;
        std::string connectedTo;
        std::string chosen;
    };
    // 204 characters but 404 bytes: within the 255-character limit of a profile name.
    std::string accented = "Zeta";
    for (int i = 0; i < 200; ++i) accented += "\xC3\xA9";
    const Case cases[] = {
        {"connected through an eligible profile", "Zeta", "Zeta"},
        {"a long accented name is cut by characters, not bytes", accented, accented},
        {"connected through an ineligible profile", "Cafe", "Beta"},
        {"not connected", "", "Beta"},
    };
    for (const Case& c : cases) {
        // The service's order: Cafe, Beta, Alpha, Zeta; the control sorts them.
        PageRun r(
            machine({iface(kGuid1, "Adapter",
                           {profile("Cafe", false), profile("Beta", true), profile("Alpha", true),
                            profile("Zeta", true), profile(accented, true)},
                           c.connectedTo)}));
        r.run([&] {
            r.click(resources::kIdcNetworkMode);
            EXPECT_EQ(r.f.context().selectedProfileName, c.chosen) << c.name;
            int sel = r.page().comboGetSel(resources::kIdcProfileList);
            EXPECT_EQ(r.page().comboText(resources::kIdcProfileList, sel),
                      std::string(" ") + c.chosen)
                << c.name;
        });
    }
}

TEST(TroubleshootingPageTest, AllProfilesIneligible) {
    PageRun r(machine({iface(kGuid1, "Adapter", {profile("B", false), profile("A", false)})}));
    r.run([&] {
        EXPECT_EQ(r.items(resources::kIdcProfileList), (std::vector<std::string>{"*A", "*B"}));
        EXPECT_EQ(r.page().comboGetSel(resources::kIdcProfileList), -1);
        r.select(resources::kIdcAdapterList, 0);
        EXPECT_EQ(r.boxTexts(),
                  std::vector<std::string>{
                      "There are no ZLX Profiles for this adapter. Please select another"});
        EXPECT_TRUE(r.items(resources::kIdcProfileList).empty());
        r.click(resources::kIdcNetworkMode);
        EXPECT_TRUE(r.items(resources::kIdcAdapterList).empty());
        EXPECT_FALSE(r.page().itemEnabled(resources::kIdcStart));
        EXPECT_EQ(r.boxTexts().size(), 2u);
    });
}

TEST(TroubleshootingPageTest, ChoosingAProfile) {
    PageRun r(machine(
        {iface(kGuid1, "Adapter", {profile("B", true), profile("A", false), profile("C", true)})}));
    r.run([&] {
        r.click(resources::kIdcNetworkMode);
        ASSERT_EQ(r.items(resources::kIdcProfileList),
                  (std::vector<std::string>{" B", " C", "*A"}));
        EXPECT_EQ(r.page().selectedProfileIndex(), 0);
        r.select(resources::kIdcProfileList, 2);  // an asterisk entry
        EXPECT_EQ(r.boxTexts(),
                  std::vector<std::string>{"Please select a profile not marked with an asterisk"});
        EXPECT_EQ(r.page().comboGetSel(resources::kIdcProfileList), 0);
        EXPECT_EQ(r.f.context().selectedProfileName, "B");
        r.select(resources::kIdcProfileList, 1);
        EXPECT_EQ(r.f.context().selectedProfileName, "C");
        EXPECT_EQ(r.page().selectedProfileIndex(), 1);
    });
}

TEST(TroubleshootingPageTest, AChosenProfileKeepsItsOwnLeadingBlanks) {
    PageRun r(machine({iface(kGuid1, "Adapter", {profile("B", true), profile("  Lobby", true)})}));
    r.run([&] {
        r.click(resources::kIdcNetworkMode);
        ASSERT_EQ(r.items(resources::kIdcProfileList),
                  (std::vector<std::string>{"   Lobby", " B"}));
        r.select(resources::kIdcProfileList, 0);
        // Only the mark goes: the enter request must name this profile, not "Lobby".
        EXPECT_EQ(r.f.context().selectedProfileName, "  Lobby");
    });
}

TEST(TroubleshootingPageTest, NoWirelessInterface) {
    PageRun r("{}");
    r.run([&] {
        EXPECT_EQ(r.boxTexts(),
                  std::vector<std::string>{"No suitable adapters found for diagnostics."});
        EXPECT_FALSE(r.page().itemEnabled(resources::kIdcStart));
        r.click(resources::kIdcNetworkMode);
        EXPECT_EQ(r.boxTexts().size(), 2u);
        EXPECT_FALSE(r.page().itemEnabled(resources::kIdcStart));
    });
}

TEST(TroubleshootingPageTest, ClientStartOpensOneClientTestWindowEvenOnADoubleClick) {
    PageRun r(machine({iface(kGuid1, "Adapter", {profile("B", true)})}));
    r.run([&] {
        // The second click comes before the first has opened the window: it starts nothing.
        r.click(resources::kIdcStart);
        r.click(resources::kIdcStart);
        r.f.driver().advanceBy(1000);
        r.f.then([&] {
            EXPECT_EQ(r.f.context().runState.readRunState(), context::RunState::Testing);
            ui::Dialog* window = r.f.desktop().activeWindow();
            EXPECT_EQ(window->handle(), r.f.context().testWindowHandle.load());
            std::string text = window->richText(1054);
            std::size_t blocks = 0;
            for (auto at = text.find("Card insertion test"); at != std::string::npos;
                 at = text.find("Card insertion test", at + 1))
                ++blocks;
            EXPECT_EQ(blocks, 1u) << text;
            EXPECT_EQ(window->itemText(1034), "All Tests Complete");
            for (const auto& request : r.f.machine().ihvRequests())
                EXPECT_EQ(request.type, platform::kWlanIhvControlDriver) << "no service control";
        });
    });
    EXPECT_EQ(r.f.context().runState.readRunState(), context::RunState::Idle);
}

// A termination signal quits the loops wherever a network-managed run is: connecting, waiting
// for the tests, or testing. The adapter must not stay in diagnostic mode, so the run sends its
// leave request on the way out, once.
TEST(TroubleshootingPageTest, AProgramEndedDuringANetworkRunLeavesDiagnosticMode) {
    const std::string json = R"({"wlan": {"interfaces": [{"guid": ")" + std::string(kGuid1) +
                             R"(", "description": "Norvane ZLX", "state": "connected",
        "profiles": [)" + profile("Office", true) +
                             R"(], "connection": {"profileName": "Office"},
        "ihvService": {"onEnter": [{"delayMs": 1000, "event": "0x80000000"},
                                   {"delayMs": 1000, "event": 5}]}}]}})";
    const struct {
        const char* phase;
        platform::Millis after;
    } cases[] = {{"connecting", 0}, {"waiting", 1500}, {"testing", 2500}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.phase);
        PageRun r(json);
        bool interrupted = false;
        r.f.driver().setInterruption([&] { return interrupted; });
        r.run([&] {
            r.click(resources::kIdcNetworkMode);
            r.click(resources::kIdcStart);
            r.f.driver().advanceBy(c.after);
            r.f.then([&] { interrupted = true; });
        });
        int enters = 0, leaves = 0;
        for (const auto& request : r.f.machine().ihvRequests()) {
            if (request.type != platform::kWlanIhvControlService) continue;
            (request.answerSize ? enters : leaves) += 1;
        }
        EXPECT_EQ(enters, 1);
        EXPECT_EQ(leaves, 1);
    }
}

}  // namespace
}  // namespace zlx::troubleshooting

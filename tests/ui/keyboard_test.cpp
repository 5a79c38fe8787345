// What the keys do in a dialog, decided by the model as the Windows dialog manager decides it,
// and how a resizable dialog's controls follow its size.

#include <gtest/gtest.h>

#include "ui/dialog.h"
#include "ui/headless.h"
#include "ui/property_sheet.h"

namespace zlx::ui {
namespace {

ControlTemplate ctl(int id, ControlKind kind, std::string text, std::uint32_t style = kStyleNone,
                    DialogRect rect = {}) {
    return ControlTemplate{id, kind, std::move(text), 0, rect, style, 0};
}

// Two radio groups split by a label, labels and a group box with access marks, buttons.
DialogTemplate keysTemplate() {
    using K = ControlKind;
    return DialogTemplate{
        1,
        "Keys",
        100,
        80,
        {
            ctl(10, K::GroupBox, "&Mode"),
            ctl(11, K::RadioButton, "&Network"),
            ctl(12, K::RadioButton, "Client", kStyleDisabled),
            ctl(13, K::RadioButton, "&Local"),
            ctl(20, K::Static, "&Adapter:"),
            ctl(21, K::Static, "plain"),
            ctl(22, K::DropDownList, ""),
            ctl(30, K::RadioButton, "On"),
            ctl(31, K::RadioButton, "Off"),
            ctl(40, K::Static, "Fish && &Chips:"),
            ctl(41, K::PushButton, "&Start", kStyleDefault),
            ctl(42, K::PushButton, "Ad&vanced"),
            ctl(43, K::PushButton, "Hidden", kStyleHidden),
            ctl(44, K::Static, "&Zero:"),
        },
    };
}

struct KeyboardTest : ::testing::Test {
    platform::ManualClock clock;
    HeadlessServices services;
    Desktop desktop{clock, services, [](int) -> std::optional<std::string> { return {}; }};
    Dialog dialog{desktop, keysTemplate()};
    KeyboardTest() { dialog.create(kNoWindow); }
};

TEST_F(KeyboardTest, TabStopsArrowsAndAccessKeys) {
    // A radio group is one stop: its checked button, or its first reachable one.
    dialog.checkItem(13, true);
    for (auto [id, stop] : std::vector<std::pair<int, bool>>{{10, false},
                                                             {11, false},
                                                             {12, false},
                                                             {13, true},
                                                             {20, false},
                                                             {22, true},
                                                             {30, true},
                                                             {31, false},
                                                             {41, true},
                                                             {42, true},
                                                             {43, false}})
        EXPECT_EQ(dialog.isTabStop(id), stop) << id;

    // Arrows stay in the group, skip what cannot be reached and go round the end.
    struct Arrow {
        int from, step, to;
    };
    for (Arrow a : std::vector<Arrow>{
             {11, 1, 13}, {13, 1, 11}, {11, -1, 13}, {30, 1, 31}, {31, 1, 30}, {41, 1, 41}})
        EXPECT_EQ(dialog.radioStep(a.from, a.step), a.to) << a.from << " " << a.step;

    // Alt+key: a button is clicked, a radio focused and clicked, a label or group box passes
    // the focus to the next tab stop after it; "&&" marks nothing; case does not matter.
    using T = Dialog::AccessKeyTarget;
    struct Access {
        char key;
        T target;
    };
    for (Access a : std::vector<Access>{{'v', {0, 42}},
                                        {'S', {0, 41}},
                                        {'n', {11, 11}},
                                        {'a', {22, 0}},
                                        {'m', {13, 0}},
                                        {'c', {41, 0}},
                                        {'f', {}},
                                        {'z', {}},
                                        {'q', {}}})
        EXPECT_EQ(dialog.accessKey(a.key), a.target) << a.key;
    dialog.enableItem(42, false);
    EXPECT_EQ(dialog.accessKey('v'), T{});
}

TEST_F(KeyboardTest, EnterPressesTheFocusedPushButtonElseTheDefault) {
    struct Case {
        int focus;
        int pressed;
    };
    for (Case c : std::vector<Case>{{0, 41}, {22, 41}, {42, 42}, {41, 41}, {11, 41}}) {
        dialog.setFocus(c.focus);
        EXPECT_EQ(dialog.enterButton(), c.pressed) << c.focus;
    }
    dialog.setFocus(42);
    dialog.enableItem(41, false);
    EXPECT_EQ(dialog.enterButton(), 42);
    dialog.setFocus(22);
    EXPECT_EQ(dialog.enterButton(), 0);  // a disabled default is pressed by nobody
}

TEST_F(KeyboardTest, InASheetAPagesFocusedButtonOrElseTheSheetsDefault) {
    PropertyPage page(desktop, keysTemplate());
    PropertyPage other(desktop, DialogTemplate{2, "Other", 100, 80, {}});
    PropertySheet sheet(desktop, "Sheet");
    sheet.addPage(page);
    sheet.addPage(other);
    sheet.create(kNoWindow);
    using R = Dialog::ControlRef;
    page.setFocus(42);
    EXPECT_EQ(sheet.enterTarget(), (R{page.handle(), 42}));
    // The page's own default button is no default of the sheet's.
    page.setFocus(22);
    EXPECT_EQ(sheet.enterTarget(), (R{sheet.handle(), kIdOk}));
    page.setFocus(42);
    sheet.setFocus(kIdCancel);
    EXPECT_EQ(sheet.enterTarget(), (R{sheet.handle(), kIdCancel}));
    sheet.setFocus(0);  // the tabs
    EXPECT_EQ(sheet.enterTarget(), (R{sheet.handle(), kIdOk}));

    // Ctrl+Tab and Ctrl+Shift+Tab go round the pages.
    std::vector<int> shown;
    for (int step : {1, 1, -1, -1}) {
        sheet.stepPage(step);
        shown.push_back(sheet.activeIndex());
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 0, 1, 0}));
}

TEST_F(KeyboardTest, AResizableDialogsControlsFollowItsSize) {
    using K = ControlKind;
    DialogTemplate t{
        3,
        "Sized",
        100,
        80,
        {ctl(1, K::RichText, "", kStyleGrowRight | kStyleGrowDown, {5, 5, 90, 50}),
         ctl(2, K::PushButton, "Save", kStyleFollowBottom, {5, 60, 30, 14}),
         ctl(3, K::PushButton, "Close", kStyleFollowBottom | kStyleFollowRight, {65, 60, 30, 14}),
         ctl(4, K::Static, "Label", kStyleNone, {5, 2, 20, 8})}};
    t.resizable = true;
    Dialog sized(desktop, t);
    sized.create(kNoWindow);
    auto rects = [&sized] {
        std::vector<std::vector<int>> out;
        for (const Control& c : sized.controls())
            out.push_back({c.rect.x, c.rect.y, c.rect.width, c.rect.height});
        return out;
    };
    sized.resize(150, 100);
    EXPECT_EQ(rects(), (std::vector<std::vector<int>>{
                           {5, 5, 140, 70}, {5, 80, 30, 14}, {115, 80, 30, 14}, {5, 2, 20, 8}}));
    // Never smaller than the template.
    sized.resize(40, 40);
    EXPECT_EQ(sized.width(), 100);
    EXPECT_EQ(rects()[2], (std::vector<int>{65, 60, 30, 14}));
    // A window without a sizing frame keeps its size.
    dialog.resize(150, 100);
    EXPECT_EQ(dialog.width(), 100);
    EXPECT_EQ(dialog.height(), 80);
}

}  // namespace
}  // namespace zlx::ui

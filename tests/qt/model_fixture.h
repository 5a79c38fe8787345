#pragma once
// A window model of hand-made dialogs drawn by the renderer: a manual clock, the headless
// services and pump, and a dialog that records the messages the user's input turns into.

#include <gtest/gtest.h>

#include <QApplication>
#include <optional>
#include <string>
#include <vector>

#include "qt/renderer.h"
#include "ui/dialog.h"
#include "ui/headless.h"
#include "ui/property_sheet.h"

namespace zlx::qt::testing {

inline ui::ControlTemplate control(int id, ui::ControlKind kind, std::string text,
                                   ui::DialogRect rect, std::uint32_t style = ui::kStyleNone) {
    return ui::ControlTemplate{id, kind, std::move(text), 0, rect, style, 0};
}

// One control of each kind, as a dialog template might hold them.
inline ui::DialogTemplate everyKindTemplate() {
    using K = ui::ControlKind;
    return ui::DialogTemplate{
        500,
        "Every Kind",
        200,
        180,
        {
            control(10, K::Static, "Label", {5, 5, 100, 8}),
            control(11, K::PushButton, "Press", {110, 5, 50, 14}, ui::kStyleDefault),
            control(12, K::RadioButton, "First", {5, 20, 80, 10}),
            control(13, K::RadioButton, "Second", {90, 20, 80, 10}),
            control(14, K::GroupBox, "Group", {2, 32, 190, 40}),
            control(15, K::DropDownList, "", {5, 45, 100, 60}, ui::kStyleSorted),
            control(16, K::Edit, "edit text", {110, 45, 80, 12}, ui::kStyleReadOnly),
            control(17, K::Progress, "", {5, 80, 100, 10}),
            ui::ControlTemplate{18, K::Icon, "", 0, {110, 80, 20, 20}, ui::kStyleNone, 161},
            control(19, K::RichText, "", {5, 105, 190, 40}),
            control(20, K::Static, "", {5, 150, 60, 8}, ui::kStyleEllipsis),
            control(21, K::PushButton, "Hidden", {110, 150, 50, 14}, ui::kStyleHidden),
            control(22, K::PushButton, "Off", {110, 165, 50, 14}, ui::kStyleDisabled),
        },
    };
}

// Records what reaches it; optional reactions stand in for a real window's handlers.
class RecordingDialog : public ui::Dialog {
  public:
    RecordingDialog(ui::Desktop& desktop, ui::DialogTemplate t)
        : ui::Dialog(desktop, std::move(t)) {}

    struct Command {
        int id;
        std::uint32_t code;
        int selection;  // the list's selection when the command arrived
        friend bool operator==(const Command&, const Command&) = default;
    };
    std::vector<Command> commands;
    std::vector<int> sysCommands;
    int closes = 0;
    bool busyCursor = false;
    std::function<void(int id)> onClick;

    std::int64_t onMessage(const ui::Message& m) override {
        if (m.id == ui::kWmSetCursor && busyCursor) return 1;
        return ui::Dialog::onMessage(m);
    }

  protected:
    void onCommand(int id, std::uint32_t code) override {
        commands.push_back({id, code, comboGetSel(id)});
        if (onClick && code == ui::kBnClicked) onClick(id);
    }
    void onSysCommand(int id) override { sysCommands.push_back(id); }
    void onClose() override { ++closes; }
};

class RecordingPage : public ui::PropertyPage {
  public:
    RecordingPage(ui::Desktop& desktop, ui::DialogTemplate t)
        : ui::PropertyPage(desktop, std::move(t)) {}
    std::vector<int> sysCommands;
    std::vector<int> clicks;

  protected:
    void onSysCommand(int id) override { sysCommands.push_back(id); }
    void onCommand(int id, std::uint32_t code) override {
        if (code == ui::kBnClicked) clicks.push_back(id);
    }
};

class ModelFixture : public ::testing::Test {
  protected:
    platform::ManualClock clock;
    ui::HeadlessServices services;
    ui::Desktop desktop{clock, services, [](int) -> std::optional<std::string> { return {}; }};
    ui::HeadlessDriver driver{desktop, clock};
    ui::StepInput input;
    Renderer renderer{desktop, QApplication::font()};

    ModelFixture() { driver.setInput(&input); }

    // The widget of control `id` of `window`, as type T.
    template <typename T>
    T* widget(const ui::Dialog& window, int id) {
        WindowView* view = renderer.view(window.handle());
        return view ? qobject_cast<T*>(view->controlWidget(id)) : nullptr;
    }
};

}  // namespace zlx::qt::testing

// What a screen reader finds through Active Accessibility, at every picture of the tour and of
// the Signal History: each window answers with its title, and each shown control with its role,
// a value with its label's name and its value as text, the signal bar and the graph with their
// readings; an edit, a list or the log has its label where Windows looks for it.

// <windows.h> first: the other Windows headers build on it.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "launcher/scripted_run.h"
#include "platform/win32/wide_text.h"
#include "support/picture_scripts.h"
#include "ui/accessible.h"
#include "win32/help_window.h"
#include "win32/loop_driver.h"
#include "win32/renderer.h"
#include "win32/text.h"

namespace zlx::win32 {
namespace {

using platform::win32::fromWide;

// Where a control's name comes from: the model (the control answers for itself), its own text,
// or the static before it in tab order (Windows' standard objects); an icon says nothing.
enum class Naming { Model, OwnText, LabelBefore, None };

// Each kind of control: its role and how it is named. Wine's oleacc knows the edit class alone:
// its standard objects answer ROLE_SYSTEM_CLIENT for the other standard controls, where
// Windows' give the role below, and name a list by its choice; those are read as far as Wine
// answers them, and a list's label is found as Windows finds it.
const struct {
    ui::ControlKind kind;
    LONG role;
    Naming naming;
} kKinds[] = {
    {ui::ControlKind::Static, ROLE_SYSTEM_STATICTEXT, Naming::Model},
    {ui::ControlKind::Progress, ROLE_SYSTEM_PROGRESSBAR, Naming::Model},
    {ui::ControlKind::Graph, ROLE_SYSTEM_CHART, Naming::Model},
    {ui::ControlKind::PushButton, ROLE_SYSTEM_PUSHBUTTON, Naming::OwnText},
    {ui::ControlKind::RadioButton, ROLE_SYSTEM_RADIOBUTTON, Naming::OwnText},
    {ui::ControlKind::GroupBox, ROLE_SYSTEM_GROUPING, Naming::OwnText},
    {ui::ControlKind::Edit, ROLE_SYSTEM_TEXT, Naming::LabelBefore},
    {ui::ControlKind::DropDownList, ROLE_SYSTEM_COMBOBOX, Naming::LabelBefore},
    {ui::ControlKind::RichText, ROLE_SYSTEM_TEXT, Naming::LabelBefore},
    {ui::ControlKind::Icon, ROLE_SYSTEM_GRAPHIC, Naming::None},
};

// What AccessibleObjectFromWindow's object says of a window's client area.
struct Heard {
    bool answered = false;
    LONG role = 0;
    std::wstring name, value;
};

Heard hear(HWND window) {
    Heard heard;
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                                          reinterpret_cast<void**>(&object))) ||
        !object)
        return heard;
    heard.answered = true;
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (object->get_accName(self, &text) == S_OK && text) heard.name = text;
    SysFreeString(text);
    text = nullptr;
    if (object->get_accValue(self, &text) == S_OK && text) heard.value = text;
    SysFreeString(text);
    VARIANT role;
    VariantInit(&role);
    if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) heard.role = role.lVal;
    VariantClear(&role);
    object->Release();
    return heard;
}

// The label Windows' standard objects name a control by: the nearest static before it in tab
// order, unless a control that starts a group of tab stops comes first; without its access
// mark and colon.
std::wstring labelBefore(HWND control) {
    for (HWND h = GetWindow(control, GW_HWNDPREV); h; h = GetWindow(h, GW_HWNDPREV)) {
        wchar_t className[16] = {};
        GetClassNameW(h, className, 16);
        if (_wcsicmp(className, L"Static") == 0) {
            std::wstring label;
            for (wchar_t c : windowText(h))
                if (c != L'&') label += c;
            while (!label.empty() && (label.back() == L':' || label.back() == L' '))
                label.pop_back();
            return label;
        }
        const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
        if ((style & (WS_GROUP | WS_TABSTOP)) == (WS_GROUP | WS_TABSTOP)) break;
    }
    return {};
}

// The pictures' windows as a screen reader hears them: "picture: window/name" -> value, and
// what is wrong.
struct Reading {
    std::set<std::string> shots;
    std::map<std::string, std::string> values;
    std::vector<std::string> faults;
};

// The shown controls of one model window, checked against the table and the model.
void readControls(const ui::Dialog& window, const WindowView& view, const std::string& shot,
                  Reading& reading) {
    const std::string title = shot + ": " + fromWide(windowText(GetAncestor(view.hwnd(), GA_ROOT)));
    // The model's controls, in the order of the windows (a sheet's tabs and pages are none).
    std::vector<HWND> shown;
    for (HWND c = GetWindow(view.hwnd(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (view.controlIdOf(c)) shown.push_back(c);
    const auto& controls = window.controls();
    if (shown.size() != controls.size()) {
        reading.faults.push_back(title + ": " + std::to_string(shown.size()) + " of " +
                                 std::to_string(controls.size()) + " controls");
        return;
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (!IsWindowVisible(shown[i])) continue;
        const ui::Control& control = controls[i];
        const ui::AccessibleText model = ui::accessibleText(window, control);
        const std::string where = title + "/" + window.title() + " control " +
                                  std::to_string(control.id) + " (" + model.name + ")";
        const Heard heard = hear(shown[i]);
        if (!heard.answered) {
            reading.faults.push_back(where + ": no object");
            continue;
        }
        for (const auto& kind : kKinds) {
            if (kind.kind != control.kind) continue;
            const bool standard = kind.naming != Naming::Model;
            if (heard.role != kind.role && !(standard && heard.role == ROLE_SYSTEM_CLIENT))
                reading.faults.push_back(where + ": role " + std::to_string(heard.role));
            const std::wstring name = shownText(model.name);
            switch (kind.naming) {
                case Naming::Model:
                    if (heard.name != name || heard.value != shownText(model.value))
                        reading.faults.push_back(where + ": heard \"" + fromWide(heard.name) +
                                                 "\" = \"" + fromWide(heard.value) + "\"");
                    // A value is named by its label, not by itself.
                    if (!heard.value.empty() && (heard.name.empty() || heard.name == heard.value))
                        reading.faults.push_back(where + ": a value without its label");
                    break;
                case Naming::OwnText:
                    if (heard.name != name)
                        reading.faults.push_back(where + ": named \"" + fromWide(heard.name) +
                                                 "\"");
                    break;
                case Naming::LabelBefore:
                    if (name.empty() || labelBefore(shown[i]) != name)
                        reading.faults.push_back(where + ": labelled \"" +
                                                 fromWide(labelBefore(shown[i])) + "\"");
                    break;
                case Naming::None:
                    break;
            }
            // The first of a name: the signal bar before the word beside it.
            if (!standard && !heard.value.empty())
                reading.values.emplace(title + "/" + fromWide(heard.name), fromWide(heard.value));
        }
    }
}

class ReadingFrontEnd final : public launcher::ScriptFrontEnd {
  public:
    ReadingFrontEnd(launcher::Program& program, Reading& reading)
        : desktop_(program.desktop()),
          renderer_(program.desktop(), GetModuleHandleW(nullptr)),
          help_(GetModuleHandleW(nullptr), renderer_.icons()),
          reading_(reading) {}

    void showHelp(const std::string& path) override { help_.showFor(path); }
    void shot(const std::string&, const std::string& name) override {
        drainWindowMessages();
        reading_.shots.insert(name);
        std::vector<HWND> windows{help_.hwnd()};
        for (WindowView* view : renderer_.topLevelViews()) windows.push_back(view->hwnd());
        for (HWND window : windows) {
            if (!IsWindowVisible(window) || IsIconic(window)) continue;
            const std::wstring title = windowText(window);
            const std::wstring heard = hear(window).name;
            if (title.empty() || heard != title)
                reading_.faults.push_back(name + ": window \"" + fromWide(title) + "\" named \"" +
                                          fromWide(heard) + "\"");
        }
        for (ui::Dialog* window : desktop_.windows()) {
            const WindowView* view = renderer_.view(window->handle());
            if (view && IsWindowVisible(view->hwnd()) && !IsIconic(view->hwnd()))
                readControls(*window, *view, name, reading_);
        }
    }
    void settle() override { drainWindowMessages(); }

  private:
    ui::Desktop& desktop_;
    Renderer renderer_;
    HelpStandIn help_;
    Reading& reading_;
};

// The value heard as `name` ("window/name") at picture `shot`.
std::string valueHeard(const Reading& reading, const std::string& shot, const std::string& name) {
    const auto value = reading.values.find(shot + ": " + name);
    return value == reading.values.end() ? "(not heard)" : value->second;
}

TEST(AccessibilityTest, EveryWindowOfTheTourIsNamedRoledAndValued) {
    Reading reading;
    zlx::testing::runWindowPictureScripts([&reading](launcher::Program& program) {
        return std::make_unique<ReadingFrontEnd>(program, reading);
    });
    EXPECT_EQ(reading.shots.size(), 12u);
    EXPECT_THAT(reading.faults, ::testing::IsEmpty());

    // A few values as the user hears them.
    EXPECT_EQ(valueHeard(reading, "current-status", "ZLX Client Diagnostics/Link Status"),
              "Associated");
    EXPECT_EQ(valueHeard(reading, "current-status", "ZLX Client Diagnostics/Signal Strength"),
              "Good, 60 %");
    EXPECT_EQ(valueHeard(reading, "advanced", "Advanced Status/Network Name (SSID)"), "ZLX-Office");
    EXPECT_EQ(valueHeard(reading, "after-40-s", "Signal History/Signal History"),
              "Strength -42 dBm, Quality 97 %; Receive 130 Mbps, Transmit 144 Mbps; marks: Radio "
              "off, Disconnect, Radio on, Reconnect, Roam");
}

}  // namespace
}  // namespace zlx::win32

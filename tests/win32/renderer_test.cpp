// The Win32 renderer follows the window model and forwards input to it as the model expects.

// <windows.h> first: the other Windows headers build on it.
#include <windows.h>

#include <commctrl.h>
// <commctrl.h> names a function of its own PropertySheet, which is the model's class here.
#undef PropertySheet
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "status/link_status_page.h"
#include "support/program_fixture.h"
#include "troubleshooting/troubleshooting_page.h"
#include "ui/property_sheet.h"
#include "ui/window_menu.h"
#include "win32/renderer.h"
#include "win32/text.h"

namespace zlx::win32 {
namespace {

using zlx::testing::ProgramFixture;

class RendererTest : public ::testing::Test {
  protected:
    ProgramFixture f = ProgramFixture::defaultMachine();
    Renderer renderer{f.desktop(), GetModuleHandleW(nullptr)};

    ui::PropertySheet& sheet() {
        return *static_cast<ui::PropertySheet*>(f.desktop().find(f.context().mainWindow));
    }
    HWND hwndOf(ui::WindowHandle window) {
        WindowView* view = renderer.view(window);
        return view ? view->hwnd() : nullptr;
    }
    // The model's title of the top-level window shown frontmost in the model.
    ui::Dialog* topWindow() { return f.desktop().activeWindow(); }

    // Every control of every model window as Windows shows it: its text, list, check mark,
    // shown and enabled state; every sheet's selected tab.
    void expectWindowsFollowTheModel(const std::string& when) {
        for (ui::Dialog* window : f.desktop().windows()) {
            WindowView* view = renderer.view(window->handle());
            ASSERT_TRUE(view && view->hwnd()) << when << ": " << window->title();
            if (view->topLevel()) {
                EXPECT_EQ(windowText(view->hwnd()), shownText(window->title())) << when;
            }
            if (window->kind() == ui::WindowKind::Sheet) {
                EXPECT_EQ(SendMessageW(view->tabs(), TCM_GETCURSEL, 0, 0),
                          static_cast<ui::PropertySheet*>(window)->activeIndex())
                    << when;
            }
            for (const ui::Control& control : window->controls()) {
                HWND hwnd = view->controlWindow(control.id);
                ASSERT_TRUE(hwnd) << when << ": control " << control.id;
                if (view->controlIdOf(hwnd) != control.id) continue;  // a repeated id
                std::string where =
                    when + ": " + window->title() + " control " + std::to_string(control.id);
                EXPECT_EQ((GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0, control.visible)
                    << where;
                EXPECT_EQ(IsWindowEnabled(hwnd) != FALSE, control.enabled) << where;
                switch (control.kind) {
                    case ui::ControlKind::Static:
                    case ui::ControlKind::PushButton:
                    case ui::ControlKind::GroupBox:
                    case ui::ControlKind::Edit:
                        EXPECT_EQ(windowText(hwnd), shownText(control.text)) << where;
                        break;
                    case ui::ControlKind::RadioButton:
                        EXPECT_EQ(SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED,
                                  control.checked)
                            << where;
                        break;
                    case ui::ControlKind::DropDownList:
                        EXPECT_EQ(SendMessageW(hwnd, CB_GETCOUNT, 0, 0),
                                  static_cast<LRESULT>(control.items.size()))
                            << where;
                        EXPECT_EQ(SendMessageW(hwnd, CB_GETCURSEL, 0, 0), control.selection)
                            << where;
                        break;
                    case ui::ControlKind::RichText: {
                        // The rich edit keeps "\r" line breaks.
                        std::wstring expected;
                        for (wchar_t c : shownText(ui::richGetText(control)))
                            if (c != L'\n') expected += c;
                        EXPECT_EQ(windowText(hwnd), expected) << where;
                        break;
                    }
                    default:
                        break;
                }
            }
        }
    }
};

TEST_F(RendererTest, EveryWindowFollowsTheModelThroughATour) {
    using Step = std::pair<std::string, std::function<void()>>;
    const std::vector<Step> steps = {
        {"start", [] {}},
        {"a refresh", [&] { f.driver().advanceBy(2000); }},
        {"the Troubleshooting page", [&] { sheet().setActivePage(1); }},
        {"the Diagnostics page", [&] { sheet().setActivePage(2); }},
        {"back to the Troubleshooting page", [&] { sheet().setActivePage(1); }},
        {"network mode",
         [&] { renderer.input().click(sheet().page(1).handle(), resources::kIdcNetworkMode); }},
        {"a refresh under way", [&] { f.driver().advanceBy(4000); }},
    };
    for (const Step& step : steps)
        f.then([&] { step.second(); }).then([&] { expectWindowsFollowTheModel(step.first); });
    f.then([&] {
        // The Diagnostics page: all of its controls, one Windows control each.
        WindowView* diagnostics = renderer.view(sheet().page(2).handle());
        int children = 0;
        for (HWND c = GetWindow(diagnostics->hwnd(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            ++children;
        EXPECT_EQ(children, static_cast<int>(sheet().page(2).controls().size()));
        EXPECT_EQ(children, 71);
    });
    f.run();
}

TEST_F(RendererTest, InputReachesTheModelAndModalWindowsTakeItFromTheirOwners) {
    HWND sheetWindow = nullptr;
    f.then([&] {
         sheetWindow = hwndOf(sheet().handle());
         ASSERT_TRUE(IsWindowEnabled(sheetWindow));
         // The tab control's choice: TCN_SELCHANGE from the control.
         HWND tabs = renderer.view(sheet().handle())->tabs();
         SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
         NMHDR changed{tabs, 0x3020, static_cast<UINT>(TCN_SELCHANGE)};
         SendMessageW(sheetWindow, WM_NOTIFY, changed.idFrom, reinterpret_cast<LPARAM>(&changed));
     })
        .then([&] {
            EXPECT_EQ(sheet().activeIndex(), 1);
            // The About item of the real system menu (beside Windows' own items, and Wine's
            // "About Wine").
            std::wstring about;
            for (const ui::WindowMenuEntry& entry :
                 ui::windowMenuEntries(f.desktop(), sheet().handle()))
                if (entry.id == troubleshooting::TroubleshootingPage::kAboutCommand)
                    about = shownText(entry.text);
            HMENU menu = GetSystemMenu(sheetWindow, FALSE);
            ASSERT_TRUE(menu);
            UINT command = 0;
            for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                wchar_t text[64] = {};
                GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
                if (!about.empty() && text == about) command = GetMenuItemID(menu, i);
            }
            ASSERT_NE(command, 0u);
            SendMessageW(sheetWindow, WM_SYSCOMMAND, command, 0);
        })
        .then([&] {
            ASSERT_EQ(f.desktop().modalStack().size(), 2u);
            HWND aboutWindow = hwndOf(topWindow()->handle());
            EXPECT_TRUE(IsWindowVisible(aboutWindow));
            EXPECT_TRUE(IsWindowEnabled(aboutWindow));
            EXPECT_FALSE(IsWindowEnabled(sheetWindow));
            // Its OK button, clicked.
            SendMessageW(GetDlgItem(aboutWindow, IDOK), BM_CLICK, 0, 0);
        })
        .then([&] {
            EXPECT_EQ(f.desktop().modalStack().size(), 1u);
            EXPECT_TRUE(IsWindowEnabled(sheetWindow));
            // The Advanced button of the Current Status page, then the dialog's close box.
            sheet().setActivePage(0);
            HWND page = hwndOf(sheet().page(0).handle());
            SendMessageW(GetDlgItem(page, resources::kIdcAdvanced), BM_CLICK, 0, 0);
        })
        .then([&] {
            ASSERT_EQ(f.desktop().modalStack().size(), 2u);
            EXPECT_EQ(windowText(hwndOf(topWindow()->handle())), L"Advanced Status");
            SendMessageW(hwndOf(topWindow()->handle()), WM_CLOSE, 0, 0);
        })
        .then([&] { EXPECT_EQ(f.desktop().modalStack().size(), 1u); });
    f.run();
}

}  // namespace
}  // namespace zlx::win32

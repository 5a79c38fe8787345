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
#include "sim/scenario.h"
#include "status/link_status_page.h"
#include "support/program_fixture.h"
#include "troubleshooting/troubleshooting_page.h"
#include "ui/property_sheet.h"
#include "ui/screen_scale.h"
#include "ui/window_menu.h"
#include "win32/renderer.h"
#include "win32/text.h"
#include "win32/window_dpi.h"

namespace zlx::win32 {
namespace {

using zlx::testing::ProgramFixture;

// A child window's rectangle in its parent's client pixels.
RECT placeOf(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

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
    static int fontHeightOf(HWND window) {
        LOGFONTW look{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof look,
                   &look);
        return look.lfHeight;
    }
    static int iconWidthOf(HWND window, WPARAM which) {
        ICONINFO info{};
        if (!GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0)),
                         &info))
            return 0;
        BITMAP bitmap{};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return bitmap.bmWidth;
    }
    // The sheet's buttons lie below the tab control's frame, whole inside the client area; the
    // pages made so far fill the page area, in the dialog font at the sheet's scale.
    void expectSheetLaidOutAt(int dpi, const std::string& when) {
        WindowView* view = renderer.view(sheet().handle());
        ASSERT_TRUE(view) << when;
        EXPECT_EQ(view->dpi(), dpi) << when;
        RECT client;
        GetClientRect(view->hwnd(), &client);
        const RECT tabs = placeOf(view->tabs());
        for (int id : {ui::kIdOk, ui::kIdCancel, ui::kIdHelp}) {
            const RECT button = placeOf(view->controlWindow(id));
            EXPECT_GT(button.top, tabs.bottom) << when << ": button " << id;
            EXPECT_LE(button.bottom, client.bottom) << when << ": button " << id;
            EXPECT_LE(button.right, client.right) << when << ": button " << id;
            EXPECT_EQ(fontHeightOf(view->controlWindow(id)), ui::fontHeight(8, dpi)) << when;
        }
        const RECT area = view->pageArea();
        for (int i = 0; i < sheet().pageCount(); ++i) {
            WindowView* page = renderer.view(sheet().page(i).handle());
            if (!page) continue;
            const RECT shown = placeOf(page->hwnd());
            EXPECT_TRUE(EqualRect(&shown, &area)) << when << ": page " << i;
            EXPECT_GT(area.top, tabs.top) << when << ": page " << i;
            EXPECT_LT(area.bottom, tabs.bottom) << when << ": page " << i;
            EXPECT_EQ(page->dpi(), dpi) << when << ": page " << i;
        }
        EXPECT_EQ(iconWidthOf(view->hwnd(), ICON_SMALL), iconSizeAt(ui::IconRole::Small, dpi))
            << when;
        EXPECT_EQ(iconWidthOf(view->hwnd(), ICON_BIG), iconSizeAt(ui::IconRole::Large, dpi))
            << when;
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

TEST_F(RendererTest, TheSheetAndItsPagesAreDrawnAgainAtEachNewScale) {
    // Windows tells a window of a monitor's new scale with the rectangle it suggests; pages
    // made before and after the change follow the sheet.
    const int start = windowDpi(nullptr);
    f.then([&] { expectSheetLaidOutAt(start, "at the start"); });
    for (int dpi : {start * 2, start * 3 / 2, start}) {
        f.then([&, dpi] {
             HWND hwnd = hwndOf(sheet().handle());
             const int from = renderer.view(sheet().handle())->dpi();
             RECT was;
             GetWindowRect(hwnd, &was);
             const RECT suggested{was.left + 10, was.top + 20,
                                  was.left + 10 + (was.right - was.left) * dpi / from,
                                  was.top + 20 + (was.bottom - was.top) * dpi / from};
             SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                          reinterpret_cast<LPARAM>(&suggested));
             // The sheet is of fixed size: where Windows suggests, as large as it needs.
             RECT now;
             GetWindowRect(hwnd, &now);
             EXPECT_EQ(now.left, suggested.left) << dpi;
             EXPECT_EQ(now.top, suggested.top) << dpi;
             expectSheetLaidOutAt(dpi, "after the change to " + std::to_string(dpi));
             sheet().setActivePage((sheet().activeIndex() + 1) % sheet().pageCount());
         }).then([&, dpi] {
            expectSheetLaidOutAt(dpi, "a page later at " + std::to_string(dpi));
            expectWindowsFollowTheModel("at " + std::to_string(dpi));
        });
    }
    f.run();
}

// The ascent of the font `window` draws in, in pixels.
int ascentOf(HWND window, HFONT font) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return metrics.tmAscent;
}

TEST(RendererCountersTest, ShrunkCountersStandOnTheirRowsBaseline) {
    ProgramFixture f(sim::loadScenarioFile(ZLX_SOURCE_DIR "/scenarios/counters-at-maximum.json"));
    Renderer renderer{f.desktop(), GetModuleHandleW(nullptr)};
    // The main window exists once the program runs.
    auto sheet = [&f]() -> ui::PropertySheet& {
        return *static_cast<ui::PropertySheet*>(f.desktop().find(f.context().mainWindow));
    };
    f.then([&] { sheet().setActivePage(2); }).then([&] { f.driver().advanceBy(2000); }).then([&] {
        const ui::Dialog& page = sheet().page(2);
        HWND dialog = renderer.view(page.handle())->hwnd();
        const auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
        const int baseline = ascentOf(dialog, dialogFont);
        int shrunk = 0;
        for (const ui::Control& control : page.controls()) {
            if (!(control.style & ui::kStyleFitWidth)) continue;
            HWND hwnd = renderer.view(page.handle())->controlWindow(control.id);
            const auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
            if (font == dialogFont) continue;
            ++shrunk;
            RECT row{0, control.rect.y, 0, 0};
            MapDialogRect(dialog, &row);
            EXPECT_EQ(placeOf(hwnd).top + ascentOf(hwnd, font), row.top + baseline)
                << "control " << control.id;
        }
        EXPECT_GT(shrunk, 0);
    });
    f.run();
}

}  // namespace
}  // namespace zlx::win32

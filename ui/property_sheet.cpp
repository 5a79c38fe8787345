#include "ui/property_sheet.h"

#include <algorithm>

namespace zlx::ui {

namespace {
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;
// Windows' dialog margin: around the tab control, and between it and the buttons.
constexpr int kMargin = 7;
}  // namespace

PropertyPage::PropertyPage(Desktop& desktop, DialogTemplate tmpl)
    : Dialog(desktop, std::move(tmpl)) {}

PropertySheet::PropertySheet(Desktop& desktop, std::string caption)
    : Dialog(desktop, DialogTemplate{0, std::move(caption), 0, 0, {}}) {}

void PropertySheet::addPage(PropertyPage& page) {
    page.sheet_ = this;
    pages_.push_back(&page);
}

PropertyPage* PropertySheet::activePage() const {
    return active_ >= 0 && active_ < pageCount() ? pages_[active_] : nullptr;
}

void PropertySheet::layout() {
    // The sheet's own template: the page area sized for the largest page inside the tab
    // control's frame, then the buttons.
    int width = 0, height = 0;
    for (const PropertyPage* p : pages_) {
        width = std::max(width, p->dialogTemplate().width);
        height = std::max(height, p->dialogTemplate().height);
    }
    tabControl_ =
        DialogRect{kMargin, kMargin, width + 2 * kFrameInset, kTabHeight + height + kFrameInset};
    pageArea_ = DialogRect{kMargin + kFrameInset, kMargin + kTabHeight, width, height};
    DialogTemplate& t = mutableTemplate();
    t.width = tabControl_.x + tabControl_.width + kMargin;
    const int y = tabControl_.y + tabControl_.height + kMargin;
    t.height = y + kButtonHeight + kMargin;
    // OK, Cancel and Help from the left, aligned to the right edge.
    int x = t.width - kMargin - 3 * kButtonWidth - 2 * kButtonGap;
    const std::pair<int, const char*> buttons[] = {
        {kIdOk, "OK"}, {kIdCancel, "Cancel"}, {kIdHelp, "Help"}};
    t.controls.clear();
    for (auto [id, text] : buttons) {
        t.controls.push_back(ControlTemplate{id, ControlKind::PushButton, text, 0,
                                             DialogRect{x, y, kButtonWidth, kButtonHeight},
                                             id == kIdOk ? kStyleDefault : kStyleNone});
        x += kButtonWidth + kButtonGap;
    }
}

bool PropertySheet::onInitDialog() {
    setActivePage(std::clamp(startPage_, 0, std::max(0, pageCount() - 1)));
    return true;
}

void PropertySheet::setActivePage(int index) {
    if (index < 0 || index >= pageCount() || index == active_) return;
    if (PropertyPage* old = activePage()) {
        old->onKillActive();
        old->setVisible(false);
    }
    active_ = index;
    PropertyPage& page = *pages_[index];
    if (!page.created())
        page.create(handle());
    else
        page.setVisible(true);
    updateHelpButton();
    page.onSetActive();
    desktop().notifyWindow(handle());
}

void PropertySheet::stepPage(int step) {
    if (pageCount() == 0) return;
    int from = active_ < 0 ? 0 : active_;
    setActivePage(((from + (step < 0 ? -1 : 1)) % pageCount() + pageCount()) % pageCount());
}

Dialog::ControlRef PropertySheet::enterTarget() const {
    if (const PropertyPage* page = activePage();
        page && page->created() && desktop().focusWindow() == page->handle()) {
        int pressed = page->enterButton();
        // A page's own default button is no default of the sheet's.
        if (pressed != 0 && pressed == page->focusId()) return {page->handle(), pressed};
    }
    return {handle(), enterButton()};
}

void PropertySheet::updateHelpButton() {
    const PropertyPage* page = activePage();
    showItem(kIdHelp, hasHelp_ && page && page->hasHelp());
}

void PropertySheet::onCommand(int id, std::uint32_t code) {
    if (code == kBnClicked && id == kIdHelp) {
        onHelp();
        return;
    }
    Dialog::onCommand(id, code);
}

void PropertySheet::onClose() {
    if (itemEnabled(kIdCancel)) onCancel();
}

void PropertySheet::onDestroy() {
    // Each page that exists hears that the sheet closes before its window goes.
    for (PropertyPage* p : pages_) {
        if (p->created()) desktop().send(p->handle(), kWmClose);
        p->destroy();
    }
    active_ = -1;
}

}  // namespace zlx::ui

#include "ui/dialog.h"

#include <algorithm>
#include <cctype>

namespace zlx::ui {

Dialog::Dialog(Desktop& desktop, DialogTemplate tmpl)
    : desktop_(desktop), template_(std::move(tmpl)), title_(template_.title) {}

Dialog::~Dialog() {
    destroy();
}

void Dialog::createWindow(WindowHandle owner, WindowHandle parent, bool modal) {
    beforeCreate();
    controls_.clear();
    // Each window starts with a window menu of its own.
    systemMenu_.clear();
    for (const ControlTemplate& t : template_.controls) {
        Control c;
        c.id = t.id;
        c.kind = t.kind;
        c.text = t.text;
        c.rect = t.rect;
        c.style = t.style;
        c.enabled = !(t.style & kStyleDisabled);
        c.visible = !(t.style & kStyleHidden);
        c.iconId = t.iconId;
        controls_.push_back(std::move(c));
    }
    // A page sets dozens of texts a refresh: each finds its control without a walk.
    placeById_.clear();
    for (std::size_t i = 0; i < controls_.size(); ++i) placeById_.emplace_back(controls_[i].id, i);
    std::stable_sort(placeById_.begin(), placeById_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    loadTemplateTexts();
    width_ = template_.width;
    height_ = template_.height;
    owner_ = owner;
    parent_ = parent;
    modal_ = modal;
    ended_ = false;
    result_ = 0;
    minimized_ = false;
    visible_ = true;
    handle_ = desktop_.registerWindow(*this);
    desktop_.notifyCreated(handle_);
    onMessage(Message{handle_, kWmInitDialog, 0, 0, {}, {}});
}

void Dialog::loadTemplateTexts() {
    for (std::size_t i = 0; i < template_.controls.size() && i < controls_.size(); ++i) {
        int textId = template_.controls[i].textId;
        if (textId == 0) continue;
        if (auto text = desktop_.loadString(textId)) controls_[i].text = *text;
    }
}

int Dialog::doModal(WindowHandle owner) {
    if (desktop_.quitting()) return -1;
    createWindow(owner, kNoWindow, true);
    int result = ended_ ? result_ : desktop_.runModalLoop(*this);
    destroy();
    return result;
}

void Dialog::create(WindowHandle parent) {
    createWindow(kNoWindow, parent, false);
}

void Dialog::endDialog(int result) {
    ended_ = true;
    result_ = result;
    // As on Windows, the dialog disappears at once, even while a nested loop keeps its own
    // loop from returning.
    if (handle_ != kNoWindow && modal_) setVisible(false);
}

void Dialog::destroy() {
    if (handle_ == kNoWindow) return;
    WindowHandle handle = handle_;
    onMessage(Message{handle, kWmDestroy, 0, 0, {}, {}});
    desktop_.unregisterWindow(handle);
    handle_ = kNoWindow;
    desktop_.notifyDestroyed(handle);
}

void Dialog::setTitle(std::string_view title) {
    title_ = title;
    desktop_.notifyWindow(handle_);
}

void Dialog::resize(int width, int height) {
    if (!template_.resizable) return;
    width = std::max(width, template_.width);
    height = std::max(height, template_.height);
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    const int dx = width - template_.width, dy = height - template_.height;
    for (std::size_t i = 0; i < controls_.size() && i < template_.controls.size(); ++i) {
        const ControlTemplate& t = template_.controls[i];
        DialogRect r = t.rect;
        if (t.style & kStyleFollowRight) r.x += dx;
        if (t.style & kStyleFollowBottom) r.y += dy;
        if (t.style & kStyleGrowRight) r.width += dx;
        if (t.style & kStyleGrowDown) r.height += dy;
        Control& c = controls_[i];
        if (c.rect.x == r.x && c.rect.y == r.y && c.rect.width == r.width &&
            c.rect.height == r.height)
            continue;
        c.rect = r;
        desktop_.notifyControl(handle_, c.id);
    }
    desktop_.notifyWindow(handle_);
}

void Dialog::setMinimized(bool minimized) {
    minimized_ = minimized;
    desktop_.notifyWindow(handle_);
}

void Dialog::setVisible(bool visible) {
    visible_ = visible;
    desktop_.notifyWindow(handle_);
}

void Dialog::appendSystemMenuItem(int id, std::string text, Shortcut shortcut) {
    systemMenu_.push_back(MenuItem{id, std::move(text), true, shortcut});
    desktop_.notifyWindow(handle_);
}

void Dialog::enableSystemMenuItem(int id, bool enabled) {
    for (MenuItem& item : systemMenu_)
        if (item.id == id) item.enabled = enabled;
    desktop_.notifyWindow(handle_);
}

void Dialog::setIcon(int iconId) {
    iconId_ = iconId;
    desktop_.notifyWindow(handle_);
}

void Dialog::setFocus(int controlId) {
    focusId_ = controlId;
    desktop_.setFocusWindow(handle_);
    desktop_.notifyWindow(handle_);
}

std::int64_t Dialog::onMessage(const Message& m) {
    switch (m.id) {
        case kWmInitDialog:
            return onInitDialog() ? 1 : 0;
        case kWmCommand:
            onCommand(commandId(m.wParam), commandCode(m.wParam));
            return 0;
        case kWmTimer:
            onTimer(static_cast<unsigned>(m.wParam));
            return 0;
        case kWmClose:
            onClose();
            return 0;
        case kWmSysCommand:
            onSysCommand(static_cast<int>(m.wParam));
            return 0;
        case kWmDestroy:
            onDestroy();
            return 0;
        default:
            return 0;
    }
}

void Dialog::onCommand(int id, std::uint32_t code) {
    if (code != kBnClicked) return;
    if (id == kIdOk)
        onOk();
    else if (id == kIdCancel)
        onCancel();
}

// ---- controls

const Control* Dialog::control(int id) const {
    auto at = std::lower_bound(placeById_.begin(), placeById_.end(), id,
                               [](const auto& place, int key) { return place.first < key; });
    if (at == placeById_.end() || at->first != id) return nullptr;
    return &controls_[at->second];
}

Control* Dialog::control(int id) {
    return const_cast<Control*>(std::as_const(*this).control(id));
}

void Dialog::setItemText(int id, std::string_view text) {
    if (Control* c = control(id)) {
        if (c->kind == ControlKind::RichText) {
            ::zlx::ui::richSetText(*c, text);
        } else {
            // A refresh that reads what is shown changes nothing a renderer draws or a screen
            // reader announces.
            if (c->text == text) return;
            c->text = text;
        }
        desktop_.notifyControl(handle_, id);
    }
}

std::string Dialog::itemText(int id) const {
    const Control* c = control(id);
    if (!c) return {};
    if (c->kind == ControlKind::RichText) return richGetText(*c);
    if (c->kind == ControlKind::DropDownList)
        return c->selection >= 0 ? c->items[c->selection] : std::string();
    return c->text;
}

void Dialog::enableItem(int id, bool enabled) {
    if (Control* c = control(id); c && c->enabled != enabled) {
        c->enabled = enabled;
        desktop_.notifyControl(handle_, id);
    }
}

bool Dialog::itemEnabled(int id) const {
    const Control* c = control(id);
    return c && c->enabled;
}

void Dialog::showItem(int id, bool visible) {
    if (Control* c = control(id); c && c->visible != visible) {
        c->visible = visible;
        desktop_.notifyControl(handle_, id);
    }
}

void Dialog::checkItem(int id, bool checked) {
    if (Control* c = control(id); c && c->checked != checked) {
        c->checked = checked;
        desktop_.notifyControl(handle_, id);
    }
}

bool Dialog::itemChecked(int id) const {
    const Control* c = control(id);
    return c && c->checked;
}

namespace {

bool reachable(const Control& c) {
    return c.enabled && c.visible;
}

bool takesTab(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::DropDownList ||
           kind == ControlKind::Edit || kind == ControlKind::RichText;
}

}  // namespace

std::pair<std::size_t, std::size_t> Dialog::radioGroupOf(int id) const {
    std::size_t at = 0;
    while (at < controls_.size() && controls_[at].id != id) ++at;
    if (at == controls_.size() || controls_[at].kind != ControlKind::RadioButton) return {0, 0};
    std::size_t first = at, last = at + 1;
    while (first > 0 && controls_[first - 1].kind == ControlKind::RadioButton) --first;
    while (last < controls_.size() && controls_[last].kind == ControlKind::RadioButton) ++last;
    return {first, last};
}

void Dialog::autoCheckRadio(int id) {
    auto [first, last] = radioGroupOf(id);
    if (first == last) return;
    for (std::size_t i = first; i < last; ++i)
        if (controls_[i].id != id) checkItem(controls_[i].id, false);
    checkItem(id, true);
}

bool Dialog::isTabStop(int id) const {
    const Control* c = control(id);
    if (!c || !reachable(*c)) return false;
    if (takesTab(c->kind)) return true;
    if (c->kind != ControlKind::RadioButton) return false;
    auto [first, last] = radioGroupOf(id);
    const Control* stop = nullptr;
    for (std::size_t i = first; i < last; ++i) {
        const Control& r = controls_[i];
        if (!reachable(r)) continue;
        if (r.checked) return r.id == id;
        if (!stop) stop = &r;
    }
    return stop == c;
}

int Dialog::radioStep(int id, int step) const {
    auto [first, last] = radioGroupOf(id);
    if (first == last) return id;
    const auto size = static_cast<std::ptrdiff_t>(last - first);
    std::ptrdiff_t at = 0;
    while (controls_[first + at].id != id) ++at;
    for (std::ptrdiff_t n = 1; n < size; ++n) {
        std::ptrdiff_t i = ((at + n * (step < 0 ? -1 : 1)) % size + size) % size;
        if (reachable(controls_[first + i])) return controls_[first + i].id;
    }
    return id;
}

int Dialog::enterButton() const {
    if (desktop_.focusWindow() == handle_ && handle_ != kNoWindow)
        if (const Control* focused = control(focusId_);
            focused && focused->kind == ControlKind::PushButton && reachable(*focused))
            return focused->id;
    for (const Control& c : controls_)
        if (c.kind == ControlKind::PushButton && (c.style & kStyleDefault))
            return reachable(c) ? c.id : 0;
    return 0;
}

Dialog::AccessKeyTarget Dialog::accessKey(char key) const {
    const char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(key)));
    const std::size_t count = controls_.size();
    std::size_t focus = 0;
    while (focus < count && controls_[focus].id != focusId_) ++focus;
    for (std::size_t n = 1; n <= count; ++n) {
        const Control& c = controls_[(focus + n) % count];
        if (wanted == '\0' || accessMark(c.text) != wanted || !c.visible) continue;
        switch (c.kind) {
            case ControlKind::PushButton:
                return c.enabled ? AccessKeyTarget{0, c.id} : AccessKeyTarget{};
            case ControlKind::RadioButton:
                return c.enabled ? AccessKeyTarget{c.id, c.id} : AccessKeyTarget{};
            case ControlKind::Static:
            case ControlKind::GroupBox: {
                const std::size_t at = (focus + n) % count;
                for (std::size_t k = at + 1; k < count; ++k)
                    if (isTabStop(controls_[k].id)) return AccessKeyTarget{controls_[k].id, 0};
                return AccessKeyTarget{};
            }
            default:
                break;
        }
    }
    return AccessKeyTarget{};
}

int Dialog::comboAdd(int id, std::string_view text) {
    Control* c = control(id);
    if (!c) return kCbErr;
    int index = comboAddString(*c, text);
    desktop_.notifyControl(handle_, id);
    return index;
}

void Dialog::comboAddAll(int id, std::vector<std::string> texts) {
    if (Control* c = control(id)) {
        comboAddStrings(*c, std::move(texts));
        desktop_.notifyControl(handle_, id);
    }
}

void Dialog::comboReset(int id) {
    if (Control* c = control(id)) {
        comboResetContent(*c);
        desktop_.notifyControl(handle_, id);
    }
}

int Dialog::comboSetSel(int id, int index) {
    Control* c = control(id);
    if (!c) return kCbErr;
    int result = comboSetCurSel(*c, index);
    desktop_.notifyControl(handle_, id);
    return result;
}

int Dialog::comboGetSel(int id) const {
    const Control* c = control(id);
    return c ? c->selection : kCbErr;
}

int Dialog::comboCount(int id) const {
    const Control* c = control(id);
    return c ? static_cast<int>(c->items.size()) : 0;
}

std::string Dialog::comboText(int id, int index) const {
    const Control* c = control(id);
    if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return {};
    return c->items[index];
}

int Dialog::comboFindExact(int id, std::string_view text) const {
    const Control* c = control(id);
    return c ? comboFindStringExact(*c, text) : kCbErr;
}

void Dialog::progressSetRange(int id, int low, int high) {
    if (Control* c = control(id)) {
        c->rangeMin = low;
        c->rangeMax = high;
        desktop_.notifyControl(handle_, id);
    }
}

void Dialog::progressSetPos(int id, int position) {
    if (Control* c = control(id)) {
        c->position = position < c->rangeMin   ? c->rangeMin
                      : position > c->rangeMax ? c->rangeMax
                                               : position;
        desktop_.notifyControl(handle_, id);
    }
}

void Dialog::graphSet(int id, Graph graph) {
    Control* c = control(id);
    if (!c || c->graph == graph) return;
    c->graph = std::move(graph);
    desktop_.notifyControl(handle_, id);
}

void Dialog::richSetText(int id, std::string_view text) {
    setItemText(id, text);
}

void Dialog::richAppend(int id, std::string_view text, const CharFormat& format) {
    if (Control* c = control(id)) {
        ::zlx::ui::richAppend(*c, text, format);
        desktop_.notifyControl(handle_, id);
    }
}

void Dialog::richAppendPlain(int id, std::string_view text) {
    if (Control* c = control(id)) {
        ::zlx::ui::richAppendPlain(*c, text);
        desktop_.notifyControl(handle_, id);
    }
}

bool Dialog::richEmpty(int id) const {
    const Control* c = control(id);
    return !c || c->runs.empty();
}

std::string Dialog::richText(int id) const {
    return itemText(id);
}

void Dialog::richScrollToEnd(int id) {
    if (Control* c = control(id)) {
        c->scrolledToEnd = true;
        desktop_.notifyControl(handle_, id);
    }
}

}  // namespace zlx::ui

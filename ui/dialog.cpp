#include "ui/dialog.h"

namespace zlx::ui {

Dialog::Dialog(Desktop& desktop, DialogTemplate tmpl)
    : desktop_(desktop), template_(std::move(tmpl)), title_(template_.title) {}

Dialog::~Dialog() {
    destroy();
}

void Dialog::createWindow(WindowHandle owner, WindowHandle parent, bool modal) {
    beforeCreate();
    controls_.clear();
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
    loadTemplateTexts();
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

void Dialog::setMinimized(bool minimized) {
    minimized_ = minimized;
    desktop_.notifyWindow(handle_);
}

void Dialog::setVisible(bool visible) {
    visible_ = visible;
    desktop_.notifyWindow(handle_);
}

void Dialog::appendSystemMenuItem(int id, std::string text) {
    systemMenu_.push_back(MenuItem{id, std::move(text)});
    desktop_.notifyWindow(handle_);
}

void Dialog::setIcon(int iconId) {
    iconId_ = iconId;
    desktop_.notifyWindow(handle_);
}

void Dialog::setFocus(int controlId) {
    focusId_ = controlId;
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

Control* Dialog::control(int id) {
    for (Control& c : controls_)
        if (c.id == id) return &c;
    return nullptr;
}

const Control* Dialog::control(int id) const {
    for (const Control& c : controls_)
        if (c.id == id) return &c;
    return nullptr;
}

void Dialog::setItemText(int id, std::string_view text) {
    if (Control* c = control(id)) {
        if (c->kind == ControlKind::RichText)
            ::zlx::ui::richSetText(*c, text);
        else
            c->text = text;
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

void Dialog::autoCheckRadio(int id) {
    const Control* clicked = control(id);
    if (!clicked || clicked->kind != ControlKind::RadioButton) return;
    for (const Control& other : controls_)
        if (other.kind == ControlKind::RadioButton && other.id != id) checkItem(other.id, false);
    checkItem(id, true);
}

int Dialog::comboAdd(int id, std::string_view text) {
    Control* c = control(id);
    if (!c) return kCbErr;
    int index = comboAddString(*c, text);
    desktop_.notifyControl(handle_, id);
    return index;
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

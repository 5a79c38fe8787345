#include "ui/model_input.h"

#include "ui/dialog.h"
#include "ui/property_sheet.h"

namespace zlx::ui {

class ModelInput::Scope {
  public:
    explicit Scope(int& depth) : depth_(depth) { ++depth_; }
    ~Scope() { --depth_; }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

  private:
    int& depth_;
};

namespace {
// A control the user can reach: it exists and is shown and enabled in the model.
const Control* reachable(const Dialog* window, int controlId) {
    if (!window) return nullptr;
    const Control* control = window->control(controlId);
    return control && control->enabled && control->visible ? control : nullptr;
}
}  // namespace

void ModelInput::click(WindowHandle window, int controlId) {
    Dialog* dialog = desktop_.find(window);
    const Control* control = reachable(dialog, controlId);
    if (!control) return;
    Scope scope(depth_);
    if (control->kind == ControlKind::RadioButton) dialog->autoCheckRadio(controlId);
    desktop_.send(window, kWmCommand, makeCommandParam(controlId, kBnClicked));
}

void ModelInput::select(WindowHandle window, int controlId, int index) {
    Dialog* dialog = desktop_.find(window);
    if (!reachable(dialog, controlId)) return;
    Scope scope(depth_);
    dialog->comboSetSel(controlId, index);
    desktop_.send(window, kWmCommand, makeCommandParam(controlId, kCbnSelChange));
}

void ModelInput::close(WindowHandle window) {
    if (!desktop_.isWindow(window)) return;
    Scope scope(depth_);
    desktop_.send(window, kWmClose);
}

void ModelInput::sysCommand(WindowHandle window, int itemId) {
    if (!desktop_.isWindow(window)) return;
    Scope scope(depth_);
    desktop_.send(window, kWmSysCommand, static_cast<std::uint64_t>(itemId));
}

void ModelInput::activatePage(WindowHandle sheet, int index) {
    Dialog* dialog = desktop_.find(sheet);
    if (!dialog || dialog->kind() != WindowKind::Sheet) return;
    Scope scope(depth_);
    static_cast<PropertySheet*>(dialog)->setActivePage(index);
}

void ModelInput::setMinimized(WindowHandle window, bool minimized) {
    Dialog* dialog = desktop_.find(window);
    if (!dialog || dialog->minimized() == minimized) return;
    Scope scope(depth_);
    desktop_.showWindow(window, minimized ? ShowCommand::Minimize : ShowCommand::Restore);
}

Cursor ModelInput::cursorOver(WindowHandle window) {
    if (!desktop_.isWindow(window)) return Cursor::Arrow;
    Scope scope(depth_);
    return desktop_.cursorFor(window);
}

void ModelInput::focus(WindowHandle window, int controlId) {
    Dialog* dialog = desktop_.find(window);
    if (!dialog) return;
    if (desktop_.focusWindow() == window && dialog->focusId() == controlId) return;
    Scope scope(depth_);
    dialog->setFocus(controlId);
}

void ModelInput::enter(WindowHandle window) {
    const Dialog* dialog = desktop_.find(window);
    if (!dialog) return;
    Dialog::ControlRef pressed = dialog->enterTarget();
    if (pressed.id != 0) click(pressed.window, pressed.id);
}

void ModelInput::radioArrow(WindowHandle window, int controlId, int step) {
    Dialog* dialog = desktop_.find(window);
    if (!dialog) return;
    int next = dialog->radioStep(controlId, step);
    if (next == controlId) return;
    Scope scope(depth_);
    dialog->setFocus(next);
    click(window, next);
}

void ModelInput::accessKey(WindowHandle window, char key) {
    Dialog* dialog = desktop_.find(window);
    if (!dialog) return;
    Dialog::AccessKeyTarget target = dialog->accessKey(key);
    Scope scope(depth_);
    if (target.focusId != 0) dialog->setFocus(target.focusId);
    if (target.clickId != 0) click(window, target.clickId);
}

void ModelInput::stepPage(WindowHandle sheet, int step) {
    Dialog* dialog = desktop_.find(sheet);
    if (!dialog || dialog->kind() != WindowKind::Sheet) return;
    Scope scope(depth_);
    static_cast<PropertySheet*>(dialog)->stepPage(step);
}

void ModelInput::resize(WindowHandle window, int width, int height) {
    Dialog* dialog = desktop_.find(window);
    if (!dialog) return;
    Scope scope(depth_);
    dialog->resize(width, height);
}

}  // namespace zlx::ui

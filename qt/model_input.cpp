#include "qt/model_input.h"

#include "ui/dialog.h"
#include "ui/property_sheet.h"

namespace zlx::qt {

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
const ui::Control* reachable(const ui::Dialog* window, int controlId) {
    if (!window) return nullptr;
    const ui::Control* control = window->control(controlId);
    return control && control->enabled && control->visible ? control : nullptr;
}
}  // namespace

void ModelInput::click(ui::WindowHandle window, int controlId) {
    ui::Dialog* dialog = desktop_.find(window);
    const ui::Control* control = reachable(dialog, controlId);
    if (!control) return;
    Scope scope(depth_);
    if (control->kind == ui::ControlKind::RadioButton) dialog->autoCheckRadio(controlId);
    desktop_.send(window, ui::kWmCommand, ui::makeCommandParam(controlId, ui::kBnClicked));
}

void ModelInput::select(ui::WindowHandle window, int controlId, int index) {
    ui::Dialog* dialog = desktop_.find(window);
    if (!reachable(dialog, controlId)) return;
    Scope scope(depth_);
    dialog->comboSetSel(controlId, index);
    desktop_.send(window, ui::kWmCommand, ui::makeCommandParam(controlId, ui::kCbnSelChange));
}

void ModelInput::close(ui::WindowHandle window) {
    if (!desktop_.isWindow(window)) return;
    Scope scope(depth_);
    desktop_.send(window, ui::kWmClose);
}

void ModelInput::sysCommand(ui::WindowHandle window, int itemId) {
    if (!desktop_.isWindow(window)) return;
    Scope scope(depth_);
    desktop_.send(window, ui::kWmSysCommand, static_cast<std::uint64_t>(itemId));
}

void ModelInput::activatePage(ui::WindowHandle sheet, int index) {
    ui::Dialog* dialog = desktop_.find(sheet);
    if (!dialog || dialog->kind() != ui::WindowKind::Sheet) return;
    Scope scope(depth_);
    static_cast<ui::PropertySheet*>(dialog)->setActivePage(index);
}

void ModelInput::setMinimized(ui::WindowHandle window, bool minimized) {
    ui::Dialog* dialog = desktop_.find(window);
    if (!dialog || dialog->minimized() == minimized) return;
    Scope scope(depth_);
    desktop_.showWindow(window, minimized ? ui::ShowCommand::Minimize : ui::ShowCommand::Restore);
}

ui::Cursor ModelInput::cursorOver(ui::WindowHandle window) {
    if (!desktop_.isWindow(window)) return ui::Cursor::Arrow;
    Scope scope(depth_);
    return desktop_.cursorFor(window);
}

void ModelInput::focus(ui::WindowHandle window, int controlId) {
    ui::Dialog* dialog = desktop_.find(window);
    if (!dialog) return;
    if (desktop_.focusWindow() == window && dialog->focusId() == controlId) return;
    Scope scope(depth_);
    dialog->setFocus(controlId);
}

void ModelInput::enter(ui::WindowHandle window) {
    const ui::Dialog* dialog = desktop_.find(window);
    if (!dialog) return;
    ui::Dialog::ControlRef pressed = dialog->enterTarget();
    if (pressed.id != 0) click(pressed.window, pressed.id);
}

void ModelInput::radioArrow(ui::WindowHandle window, int controlId, int step) {
    ui::Dialog* dialog = desktop_.find(window);
    if (!dialog) return;
    int next = dialog->radioStep(controlId, step);
    if (next == controlId) return;
    Scope scope(depth_);
    dialog->setFocus(next);
    click(window, next);
}

void ModelInput::accessKey(ui::WindowHandle window, char key) {
    ui::Dialog* dialog = desktop_.find(window);
    if (!dialog) return;
    ui::Dialog::AccessKeyTarget target = dialog->accessKey(key);
    Scope scope(depth_);
    if (target.focusId != 0) dialog->setFocus(target.focusId);
    if (target.clickId != 0) click(window, target.clickId);
}

void ModelInput::stepPage(ui::WindowHandle sheet, int step) {
    ui::Dialog* dialog = desktop_.find(sheet);
    if (!dialog || dialog->kind() != ui::WindowKind::Sheet) return;
    Scope scope(depth_);
    static_cast<ui::PropertySheet*>(dialog)->stepPage(step);
}

void ModelInput::resize(ui::WindowHandle window, int width, int height) {
    ui::Dialog* dialog = desktop_.find(window);
    if (!dialog) return;
    Scope scope(depth_);
    dialog->resize(width, height);
}

}  // namespace zlx::qt

#pragma once
// A window built from a dialog template: modal dialogs, property sheets and their pages. The
// handlers are virtual, as in the Windows frameworks the system was designed on; the model
// calls them on the user-interface thread.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/control.h"
#include "ui/desktop.h"
#include "ui/dialog_template.h"

namespace zlx::ui {

enum class WindowKind { Dialog, Sheet, Page };

class Dialog {
  public:
    Dialog(Desktop& desktop, DialogTemplate tmpl);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Creates the window, initialises it and runs it modally; the window is destroyed when
    // the loop ends. Returns the endDialog() result, or -1 when the desktop quits.
    int doModal(WindowHandle owner = kNoWindow);
    // Creates the window without a loop of its own (pages of a sheet).
    void create(WindowHandle parent);
    void endDialog(int result);
    void destroy();

    Desktop& desktop() const { return desktop_; }
    WindowHandle handle() const { return handle_; }
    bool created() const { return handle_ != kNoWindow; }
    const DialogTemplate& dialogTemplate() const { return template_; }
    virtual WindowKind kind() const { return WindowKind::Dialog; }
    WindowHandle owner() const { return owner_; }
    WindowHandle parent() const { return parent_; }
    bool isModal() const { return modal_; }

    // The client area in dialog units: the template's size until a resizable window is resized.
    int width() const { return width_; }
    int height() const { return height_; }
    // The user sized the window (WM_SIZE): a resizable window takes the size, never below the
    // template's, and its controls follow it as their styles say. Others keep their size.
    void resize(int width, int height);

    const std::string& title() const { return title_; }
    void setTitle(std::string_view title);
    bool minimized() const { return minimized_; }
    bool visible() const { return visible_; }
    int iconId() const { return iconId_; }
    void setIcon(int iconId);
    int focusId() const { return focusId_; }
    // Moves the input focus to the control (SetFocus); the desktop then knows this window holds it.
    void setFocus(int controlId);

    // Controls.
    const std::vector<Control>& controls() const { return controls_; }
    Control* control(int id);
    const Control* control(int id) const;
    void setItemText(int id, std::string_view text);
    std::string itemText(int id) const;
    void enableItem(int id, bool enabled);
    bool itemEnabled(int id) const;
    void showItem(int id, bool visible);
    void checkItem(int id, bool checked);
    bool itemChecked(int id) const;
    // A click on an automatic radio button: checks it and clears the dialog's other radio
    // buttons, as BS_AUTORADIOBUTTON does before the owner hears of the click.
    void autoCheckRadio(int id);
    // Drop-down lists.
    int comboAdd(int id, std::string_view text);
    // Many texts, as many comboAdd calls would add them, with one change told to the renderer.
    void comboAddAll(int id, std::vector<std::string> texts);
    void comboReset(int id);
    int comboSetSel(int id, int index);
    int comboGetSel(int id) const;
    int comboCount(int id) const;
    std::string comboText(int id, int index) const;
    int comboFindExact(int id, std::string_view text) const;
    // Progress bars.
    void progressSetRange(int id, int low, int high);
    void progressSetPos(int id, int position);
    // Rich text.
    void richSetText(int id, std::string_view text);
    void richAppend(int id, std::string_view text, const CharFormat& format);
    void richAppendPlain(int id, std::string_view text);
    bool richEmpty(int id) const;
    std::string richText(int id) const;
    void richScrollToEnd(int id);
    // Graphs.
    void graphSet(int id, Graph graph);

    // The keyboard of a dialog, as the Windows dialog manager decides it. A radio group is a
    // run of radio buttons next to each other in the template.
    //
    // Whether Tab stops at the control: a push button, list, edit or rich text the user can
    // reach, and of a radio group only the checked button (the first reachable one while none
    // is checked).
    bool isTabStop(int id) const;
    // The radio button an arrow key moves to from radio button `id`: the next (`step` 1) or
    // previous (-1) reachable button of its group, around the end; `id` when there is none.
    int radioStep(int id, int step) const;
    // The push button Enter presses while this window holds the focus: the focused push button,
    // which Windows makes the default while it has the focus, else the default push button.
    // 0 when that cannot be pressed.
    int enterButton() const;
    // The same for the whole window, whose focus may be in one of its pages: the window and
    // the button Enter presses there (id 0 when none).
    struct ControlRef {
        WindowHandle window = kNoWindow;
        int id = 0;
        friend bool operator==(const ControlRef&, const ControlRef&) = default;
    };
    virtual ControlRef enterTarget() const { return {handle_, enterButton()}; }
    // What Alt with `key` does: the first control after the focused one (around the end) whose
    // text marks `key` with "&" (ignoring case). A push button is clicked, a radio button
    // focused and clicked; a label or group box passes the focus to the next tab stop after it.
    struct AccessKeyTarget {
        int focusId = 0;
        int clickId = 0;
        friend bool operator==(const AccessKeyTarget&, const AccessKeyTarget&) = default;
    };
    AccessKeyTarget accessKey(char key) const;

    // The window menu (system menu). The renderer offers its items; choosing one sends
    // WM_SYSCOMMAND with the item's id, and so does the item's shortcut key.
    // A window menu item chosen by a key with Ctrl, whichever control has the focus.
    enum class Shortcut { None, CtrlC, CtrlH };
    struct MenuItem {
        int id;
        std::string text;
        bool enabled = true;
        Shortcut shortcut = Shortcut::None;
    };
    bool hasSystemMenu() const { return true; }
    void appendSystemMenuItem(int id, std::string text, Shortcut shortcut = Shortcut::None);
    // EnableMenuItem: a disabled item is shown greyed and its shortcut does nothing.
    void enableSystemMenuItem(int id, bool enabled);
    const std::vector<MenuItem>& systemMenu() const { return systemMenu_; }

    // Message entry point; dispatches to the handlers below.
    virtual std::int64_t onMessage(const Message& message);

    // Window state set by the desktop (ShowWindow).
    void setMinimized(bool minimized);
    void setVisible(bool visible);

  protected:
    virtual bool onInitDialog() { return true; }
    virtual void onCommand(int id, std::uint32_t code);
    virtual void onOk() { endDialog(kIdOk); }
    virtual void onCancel() { endDialog(kIdCancel); }
    virtual void onTimer(unsigned id) { (void)id; }
    virtual void onSysCommand(int id) { (void)id; }
    // WM_CLOSE; the default acts as the Cancel button of a dialog.
    virtual void onClose() { onCancel(); }
    virtual void onDestroy() {}
    // Loads the template's string numbers; a string that does not load leaves the text.
    void loadTemplateTexts();
    // Runs just before the window and its controls are made from the template.
    virtual void beforeCreate() {}
    DialogTemplate& mutableTemplate() { return template_; }

  private:
    void createWindow(WindowHandle owner, WindowHandle parent, bool modal);
    // The positions [first, last) of the radio group of control `id`; empty for another kind.
    std::pair<std::size_t, std::size_t> radioGroupOf(int id) const;

    Desktop& desktop_;
    DialogTemplate template_;
    std::vector<Control> controls_;
    // Each id's place in controls_, sorted by id; of controls sharing an id, the first.
    std::vector<std::pair<int, std::size_t>> placeById_;
    WindowHandle handle_ = kNoWindow;
    WindowHandle owner_ = kNoWindow;
    WindowHandle parent_ = kNoWindow;
    std::string title_;
    int width_ = 0, height_ = 0;
    bool modal_ = false;
    bool ended_ = false;
    int result_ = 0;
    bool minimized_ = false;
    bool visible_ = false;
    int iconId_ = 0;
    int focusId_ = 0;
    std::vector<MenuItem> systemMenu_;

    friend class Desktop;
};

}  // namespace zlx::ui

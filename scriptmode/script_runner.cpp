#include "scriptmode/script_runner.h"

#include <charconv>
#include <sstream>

#include "platform/local_files.h"
#include "platform/text.h"
#include "scriptmode/dump.h"
#include "ui/dialog.h"
#include "ui/property_sheet.h"

namespace zlx::scriptmode {

namespace {

std::string answerName(int answer) {
    switch (answer) {
        case ui::kIdOk:
            return "ok";
        case ui::kIdCancel:
            return "cancel";
        case ui::kIdYes:
            return "yes";
        case ui::kIdNo:
            return "no";
        default:
            return std::to_string(answer);
    }
}

// Beyond any span a scenario's events or a test need.
constexpr long long kMaxAdvance = 400LL * 24 * 60 * 60 * 1000;

bool parseInt(const std::string& text, long long& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

ScriptRunner::ScriptRunner(std::vector<Command> commands, ui::Desktop& desktop,
                           ui::HeadlessDriver& driver, ui::HeadlessServices& services,
                           ScriptHooks hooks, std::ostream& out)
    : commands_(std::move(commands)),
      desktop_(desktop),
      driver_(driver),
      services_(services),
      hooks_(std::move(hooks)),
      out_(out) {
    services_.onMessageBox = [this](const ui::HeadlessServices::MessageBoxRecord& r) {
        std::string owner =
            r.request.owner == ui::kNoWindow ? "(none)" : quoted(r.request.ownerTitle);
        print("messagebox owner=" + owner + " caption=" + quoted(r.request.caption) +
              " text=" + quoted(r.request.text) + " answer=" + answerName(r.answer) +
              (r.defaulted ? " (no answer queued)" : ""));
    };
    services_.onSaveDialog = [this](const ui::HeadlessServices::SaveDialogRecord& r) {
        std::string filters;
        for (const auto& [description, pattern] : r.request.filters)
            filters += description + "|" + pattern + "|";
        print("save-dialog title=" + quoted(r.request.title) +
              " name=" + quoted(r.request.initialName) + " filters=" + quoted(filters) +
              (r.request.overwritePrompt ? " replace=ask" : " replace=silently") +
              " answer=" + (r.answer ? quoted(*r.answer) : std::string("cancel")) +
              (r.defaulted ? " (no answer queued)" : ""));
    };
    services_.onClipboard = [this](const std::string& text) { print("clipboard " + quoted(text)); };
}

ScriptRunner::~ScriptRunner() {
    services_.onMessageBox = nullptr;
    services_.onSaveDialog = nullptr;
    services_.onClipboard = nullptr;
}

void ScriptRunner::print(const std::string& text) {
    // Values already come quoted; this also keeps the multi-line reports (details) and echoed
    // commands from carrying a control character to the terminal.
    std::string safe = platform::escapeControls(text, platform::Escape::No, platform::Escape::No);
    std::lock_guard lock(outMutex_);
    out_ << safe << "\n";
    out_.flush();
}

void ScriptRunner::fail(const Command& command, const std::string& what) {
    throw ScriptError("script line " + std::to_string(command.line) + ": " + what);
}

bool ScriptRunner::runNext() {
    if (next_ >= commands_.size()) return false;
    const Command& command = commands_[next_++];
    print(echo(command));
    execute(command);
    return true;
}

void ScriptRunner::execute(const Command& c) {
    const std::string& name = c.name;
    if (name == "tab") return tab(c);
    if (name == "click") return click(c);
    if (name == "select") return select(c);
    if (name == "sysmenu") return sysmenu(c);
    if (name == "answer") {
        const std::string& a = c.args[0];
        int answer = a == "ok"       ? ui::kIdOk
                     : a == "yes"    ? ui::kIdYes
                     : a == "no"     ? ui::kIdNo
                     : a == "cancel" ? ui::kIdCancel
                                     : 0;
        if (!answer) fail(c, "answer must be ok, yes, no or cancel");
        services_.queueAnswer(answer);
        return;
    }
    if (name == "save-as") {
        if (c.args[0] == "cancel")
            services_.queueSaveAnswer(std::nullopt);
        else
            services_.queueSaveAnswer(c.args[0]);
        return;
    }
    if (name == "advance") {
        long long ms = 0;
        if (!parseInt(c.args[0], ms) || ms < 0 || ms > kMaxAdvance)
            fail(c, "advance takes milliseconds, at most " + std::to_string(kMaxAdvance) +
                        " (400 days)");
        if (!driver_.advanceBy(ms, hooks_.scheduledTail))
            fail(c, "advance would take the clock past its last reading");
        return;
    }
    if (name == "idle") return;  // the driver brings the program to rest before every command
    if (name == "dump") {
        if (!c.args.empty() && c.args[0] != "top") fail(c, "dump takes nothing or \"top\"");
        std::string text = c.args.empty() ? dumpWindows(desktop_) : dumpActiveWindow(desktop_);
        if (!text.empty() && text.back() == '\n') text.pop_back();
        return print(text);
    }
    if (name == "calls") {
        if (!c.args.empty() && c.args[0] != "clear") fail(c, "calls takes nothing or \"clear\"");
        if (!hooks_.takeCalls) return;
        auto calls = hooks_.takeCalls();
        if (c.args.empty())
            for (const std::string& call : calls) print("  " + call);
        return;
    }
    if (name == "details") {
        std::string text = hooks_.details ? hooks_.details() : std::string();
        if (text.empty()) fail(c, "no adapter details are available");
        if (text.back() == '\n') text.pop_back();
        return print(text);
    }
    if (name == "show-file") {
        platform::LocalFileRead file = platform::readLocalFile(c.args[0]);
        if (file.status != platform::LocalFileRead::Status::Read)
            return print("  (no file " + quoted(c.args[0]) + ")");
        return print("  " + quoted(file.bytes));
    }
    if (name == "shot") {
        if (hooks_.shot) hooks_.shot(c.args[0]);
        return;
    }
    ui::Dialog* active = desktop_.activeWindow();
    if (!active) fail(c, "no window is open");
    if (name == "resize") {
        long long width = 0, height = 0;
        if (!parseInt(c.args[0], width) || !parseInt(c.args[1], height) || width < 0 ||
            height < 0 || width > 100000 || height > 100000)
            fail(c, "resize takes a width and a height in dialog units");
        if (!active->dialogTemplate().resizable)
            return print("  (ignored: the window cannot be resized)");
        active->resize(static_cast<int>(width), static_cast<int>(height));
    } else if (name == "close") {
        desktop_.send(active->handle(), ui::kWmClose);
    } else if (name == "minimize" || name == "restore") {
        ui::Dialog* main = desktop_.modalStack().front();
        desktop_.showWindow(main->handle(), name == "minimize" ? ui::ShowCommand::Minimize
                                                               : ui::ShowCommand::Restore);
    }
}

namespace {

// The dialog whose control `id` is: the active window's own, or its active page's.
ui::Dialog* ownerOf(ui::Dialog& active, int id) {
    if (active.control(id)) return &active;
    if (auto* sheet = dynamic_cast<ui::PropertySheet*>(&active))
        if (ui::PropertyPage* page = sheet->activePage(); page && page->control(id)) return page;
    return nullptr;
}

}  // namespace

void ScriptRunner::click(const Command& c) {
    long long id = 0;
    if (!parseInt(c.args[0], id)) fail(c, "click takes a control id");
    ui::Dialog* active = desktop_.activeWindow();
    if (!active) fail(c, "no window is open");
    ui::Dialog* owner = ownerOf(*active, static_cast<int>(id));
    if (!owner) fail(c, "no control " + c.args[0] + " in the active window");
    ui::Control& control = *owner->control(static_cast<int>(id));
    if (control.kind != ui::ControlKind::PushButton && control.kind != ui::ControlKind::RadioButton)
        fail(c, "control " + c.args[0] + " is not a button");
    if (!control.enabled || !control.visible) {
        print(std::string("  (ignored: control ") + c.args[0] +
              (control.enabled ? " is hidden)" : " is disabled)"));
        return;
    }
    owner->autoCheckRadio(control.id);
    desktop_.send(owner->handle(), ui::kWmCommand,
                  ui::makeCommandParam(control.id, ui::kBnClicked));
}

void ScriptRunner::select(const Command& c) {
    long long id = 0, index = 0;
    if (!parseInt(c.args[0], id) || !parseInt(c.args[1], index))
        fail(c, "select takes a control id and an index");
    ui::Dialog* active = desktop_.activeWindow();
    if (!active) fail(c, "no window is open");
    ui::Dialog* owner = ownerOf(*active, static_cast<int>(id));
    if (!owner) fail(c, "no control " + c.args[0] + " in the active window");
    const ui::Control& control = *owner->control(static_cast<int>(id));
    if (control.kind != ui::ControlKind::DropDownList)
        fail(c, "control " + c.args[0] + " is not a list");
    if (index < 0 || index >= static_cast<long long>(control.items.size()))
        fail(c, "list " + c.args[0] + " has no entry " + c.args[1]);
    if (!control.enabled || !control.visible) {
        print("  (ignored: list " + c.args[0] + " is disabled)");
        return;
    }
    owner->comboSetSel(control.id, static_cast<int>(index));
    desktop_.send(owner->handle(), ui::kWmCommand,
                  ui::makeCommandParam(control.id, ui::kCbnSelChange));
}

void ScriptRunner::tab(const Command& c) {
    long long index = 0;
    if (!parseInt(c.args[0], index)) fail(c, "tab takes a page number");
    auto* sheet = dynamic_cast<ui::PropertySheet*>(desktop_.activeWindow());
    if (!sheet) fail(c, "the active window has no tabs");
    if (index < 0 || index >= sheet->pageCount()) fail(c, "no page " + c.args[0]);
    sheet->setActivePage(static_cast<int>(index));
}

void ScriptRunner::sysmenu(const Command& c) {
    long long id = 0;
    if (!parseInt(c.args[0], id)) fail(c, "sysmenu takes a menu item id");
    ui::Dialog* active = desktop_.activeWindow();
    if (!active) fail(c, "no window is open");
    // A sheet's window menu carries the items its active page added, then its own.
    std::vector<ui::Dialog*> targets;
    if (auto* sheet = dynamic_cast<ui::PropertySheet*>(active); sheet && sheet->activePage())
        targets.push_back(sheet->activePage());
    targets.push_back(active);
    for (ui::Dialog* target : targets) {
        for (const auto& item : target->systemMenu()) {
            if (item.id != id) continue;
            if (!item.enabled) return print("  (ignored: menu item " + c.args[0] + " is disabled)");
            desktop_.send(target->handle(), ui::kWmSysCommand, static_cast<std::uint64_t>(id));
            return;
        }
    }
    fail(c, "the window menu has no item " + c.args[0]);
}

}  // namespace zlx::scriptmode

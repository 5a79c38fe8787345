#pragma once
// Runs a script as the user's input to the headless desktop and writes the transcript.

#include <functional>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "scriptmode/script.h"
#include "ui/headless.h"

namespace zlx::scriptmode {

struct ScriptHooks {
    // The calls recorded at the platform boundary since the last time.
    std::function<std::vector<std::string>()> takeCalls;
    // The adapter details snapshot as "name: value" lines; empty when not available.
    std::function<std::string()> details;
    // Writes pictures of the visible windows named after the argument; empty when the run has
    // no screen (a headless run ignores "shot").
    std::function<void(const std::string&)> shot;
    // Of an advance longer than this, the program is scheduled for this last part only (see
    // ui::HeadlessDriver::advanceBy); without it, for the whole of every advance.
    std::optional<platform::Millis> scheduledTail;
};

class ScriptRunner final : public ui::InputSource {
  public:
    ScriptRunner(std::vector<Command> commands, ui::Desktop& desktop, ui::HeadlessDriver& driver,
                 ui::HeadlessServices& services, ScriptHooks hooks, std::ostream& out);
    ~ScriptRunner() override;

    bool runNext() override;

    std::size_t commandCount() const { return commands_.size(); }
    // The commands the program never asked for, because it ended before them.
    std::size_t unrunCount() const { return commands_.size() - next_; }
    // The line of the first of them; only meaningful while unrunCount() is not 0.
    int firstUnrunLine() const { return commands_[next_].line; }

  private:
    void execute(const Command& command);
    void click(const Command& command);
    void select(const Command& command);
    void tab(const Command& command);
    void sysmenu(const Command& command);
    void print(const std::string& text);
    [[noreturn]] void fail(const Command& command, const std::string& what);

    std::vector<Command> commands_;
    std::size_t next_ = 0;
    ui::Desktop& desktop_;
    ui::HeadlessDriver& driver_;
    ui::HeadlessServices& services_;
    ScriptHooks hooks_;
    std::ostream& out_;
    std::mutex outMutex_;
};

}  // namespace zlx::scriptmode

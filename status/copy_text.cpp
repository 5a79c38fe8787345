#include "status/copy_text.h"

#include "resources/string_table.h"

namespace zlx::status {

std::string labelValueLines(const ui::Dialog& window) {
    const auto& controls = window.controls();
    std::string lines;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ui::Control& label = controls[i];
        if (label.kind != ui::ControlKind::Static || !label.visible || label.text.empty() ||
            label.text.back() != ':')
            continue;
        // A bar may stand between a label and its value; the value is the next static.
        std::size_t v = i + 1;
        while (v < controls.size() && controls[v].kind != ui::ControlKind::Static) ++v;
        if (v == controls.size() || controls[v].rect.y != label.rect.y ||
            controls[v].rect.x <= label.rect.x)
            continue;
        // As the statics draw them.
        lines += ui::withoutAccessMarks(label.text);
        if (!controls[v].text.empty()) lines += " " + ui::withoutAccessMarks(controls[v].text);
        lines += "\r\n";
    }
    return lines;
}

void addCopyMenuItem(ui::Dialog& window) {
    window.appendSystemMenuItem(kCopyCommand,
                                resources::stringOr(resources::kIdsCopyMenuItem, "&Copy"),
                                ui::Dialog::Shortcut::CtrlC);
}

}  // namespace zlx::status

#include "ui/drawn_text.h"

#include "platform/text.h"

namespace zlx::ui {

using platform::misleadsReader;

std::u16string drawnText(std::string_view text) {
    std::u16string wide = platform::utf8ToUtf16(text);
    std::u16string out;
    out.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char16_t c = wide[i];
        if (c == u'\r') {
            if (i + 1 < wide.size() && wide[i + 1] == u'\n') ++i;
            c = u'\n';
        }
        const bool kept = c == u'\n' || c == u'\t';
        out += !kept && misleadsReader(c) ? u'\uFFFD' : c;
    }
    return out;
}

RichTextFollower::Update RichTextFollower::follow(const Control& control) {
    const std::vector<TextRun>& runs = control.runs;
    Update update;
    bool grownOnly = control.richRewrites == shownRewrites_ && runs.size() >= shownRuns_ &&
                     (shownRuns_ == 0 || runs[shownRuns_ - 1].text.size() >= shownLastSize_);
    if (!grownOnly) {
        update.restart = true;
        shownRewrites_ = control.richRewrites;
        shownRuns_ = 0;
        shownLastSize_ = 0;
    }
    if (shownRuns_ > 0 && runs[shownRuns_ - 1].text.size() > shownLastSize_)
        update.pieces.emplace_back(shownRuns_ - 1, shownLastSize_);
    for (std::size_t i = shownRuns_; i < runs.size(); ++i) update.pieces.emplace_back(i, 0);
    shownRuns_ = runs.size();
    shownLastSize_ = runs.empty() ? 0 : runs.back().text.size();
    return update;
}

}  // namespace zlx::ui

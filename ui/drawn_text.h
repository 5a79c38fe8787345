#pragma once
// Model text as a renderer draws it, and how a renderer follows a rich text control.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/control.h"

namespace zlx::ui {

// The model holds UTF-8; a renderer draws UTF-16 with "\n" line breaks ("\r\n" and a lone "\r"
// become "\n"). Control characters and bidirectional controls, which only names from outside
// (profiles, SSIDs, descriptions) can carry, are drawn as U+FFFD, so no name can hide or reorder
// the text around it; so is invalid UTF-8.
std::u16string drawnText(std::string_view text);

// What a view of a rich text control still has to show. Between two of the model's rewrites
// its runs only grow at the end, so finding the addition costs the addition, not the log.
class RichTextFollower {
  public:
    struct Update {
        bool restart = false;  // clear the view first: the model replaced its runs
        // What to append: run index and the byte offset into its text where the new part starts.
        std::vector<std::pair<std::size_t, std::size_t>> pieces;
    };
    Update follow(const Control& control);

  private:
    std::uint64_t shownRewrites_ = 0;
    std::size_t shownRuns_ = 0;
    std::size_t shownLastSize_ = 0;
};

}  // namespace zlx::ui

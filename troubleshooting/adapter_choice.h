#pragma once
// Where the Troubleshooting page's adapter selection goes when the machine's wireless
// interfaces change (an adapter plugged in or pulled out, a card after sleep and resume), and
// what the page then tells the user.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zlx::troubleshooting {

struct AdapterChoice {
    std::optional<std::size_t> index;  // the entry to select; none when the list is empty
    bool vanished = false;             // the adapter selected before is no longer listed
};

// The adapter `selectedGuidText` stays selected while it is listed; otherwise the first entry
// is. Nothing selected before (an empty text) has not vanished.
AdapterChoice chooseAfterChange(const std::string& selectedGuidText,
                                const std::vector<std::string>& guidTexts);

// The message for an adapter that vanished: its name, then the one selected instead or, when
// none is, `whyNone` (why the list is empty). Names are shown as they are safe to show.
std::string adapterGoneText(const std::string& goneName, const std::optional<std::string>& nowName,
                            const std::string& whyNone);

}  // namespace zlx::troubleshooting

#pragma once
// What the value control of each row of the status pages (resources/status_rows.h) shows from
// a refresh's snapshot. The pages fill their controls from it and the command line's status
// prints it, so a value is bound to its row once.

#include <cstddef>
#include <string>

#include "resources/status_rows.h"
#include "status/status_snapshot.h"

namespace zlx::status {

// A Current Status or Advanced Status value: a text of the snapshot, or a fixed text.
struct LinkValue {
    enum class Shows { Field, None, Nothing };
    int valueControl;
    Shows shows;
    std::string LinkSnapshot::*field = nullptr;
    // "none" where the snapshot's text is empty: the value did not arrive.
    bool noneWhenEmpty = false;
    // A name from outside (a network, a profile, an access point), printed as it is; the
    // program's own words are printed as the page draws them.
    bool outsideName = false;
};

// A Diagnostics page text.
struct DiagnosticsValue {
    int valueControl;
    std::string DiagnosticsSnapshot::*field;
    // A name from outside, shown through platform::displaySafeName.
    bool outsideName = false;
    // "none" where the snapshot's text is empty: the value did not arrive.
    bool noneWhenEmpty = true;
};

// A Diagnostics page counter: its slot of the statistics display block and its JSON key.
struct CounterValue {
    int valueControl;
    std::size_t slot;
    const char* key;
};

// The binding of value control `valueControl`, or nothing when it shows no value.
const LinkValue* linkValueOf(int valueControl);
const DiagnosticsValue* diagnosticsValueOf(int valueControl);
const CounterValue* counterValueOf(int valueControl);

// The text a Current Status or Advanced Status value control shows; empty for a control
// without a binding.
std::string linkText(const LinkSnapshot& snapshot, int valueControl);
// The text a Diagnostics page text control shows.
std::string diagnosticsText(const DiagnosticsSnapshot& snapshot, int valueControl);

// Each counter row of the Diagnostics page's transmit and receive groups that has a counter, with
// its binding, in the order of the template.
template <typename Visit>
void forEachCounter(Visit visit) {
    auto each = [&](const auto& rows) {
        for (const resources::StatusRow& row : rows)
            if (const CounterValue* counter = counterValueOf(row.valueControl))
                visit(row, *counter);
    };
    each(resources::kTransmitRows);
    each(resources::kReceiveRows);
}

}  // namespace zlx::status

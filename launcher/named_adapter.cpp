#include "launcher/named_adapter.h"

#include "platform/text.h"

namespace zlx::launcher {

std::optional<clientsuite::ReportAdapter> namedAdapter(Program& program,
                                                       const LaunchOptions& options,
                                                       std::ostream& err) {
    auto adapter = clientsuite::chooseReportAdapter(program.context(), options.reportAdapter);
    if (adapter) return adapter;
    std::string choices = clientsuite::interfaceChoices(program.context());
    err << platform::escapeControls(
        "zlxdiag: --adapter " + *options.reportAdapter +
            ": no wireless interface has this description or GUID; " +
            (choices.empty() ? "the machine has none\n" : "there are:\n" + choices),
        platform::Escape::No, platform::Escape::No);
    return std::nullopt;
}

}  // namespace zlx::launcher

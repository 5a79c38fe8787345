#include "status/signal_history_window.h"

#include <algorithm>
#include <cmath>

#include "resources/dialogs.h"
#include "resources/string_table.h"
#include "status/status_format.h"
#include "status/status_sheet.h"
#include "status/status_text.h"

namespace zlx::status {

namespace {

std::string text(int id) {
    return resources::stringOr(id, "");
}

// "%s" in `format` replaced by the arguments in turn.
std::string fill(const std::string& format, std::initializer_list<std::string> args) {
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' &&
            next != args.end()) {
            out += *next++;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

// Colours that stay apart for readers who confuse red and green: blue and orange for the
// plots, and a distinct colour per kind of mark.
constexpr std::uint32_t kBlue = 0x1F5FBF;
constexpr std::uint32_t kOrange = 0xD9730D;
constexpr std::uint32_t kMarkColors[] = {0xC0392B, 0x1E8449, 0x7D3C98, 0x6E2C00,
                                         0xB7950B, 0x5D6D7E, 0x2E86C1};

constexpr double kSignalFloorDbm = -100, kSignalCeilingDbm = -20;
constexpr double kRateStepMbps = 50;
// One sample a refresh.
constexpr int kSecondsPerSample = static_cast<int>(kRefreshPeriod / 1000);
constexpr std::size_t kShortestSpanSamples = 60 / kSecondsPerSample + 1;

}  // namespace

ui::Graph graphOf(const LinkHistory& history) {
    const auto& samples = history.samples();
    // The time axis spans the samples there are, from one minute up to the ring's ten.
    const std::size_t capacity =
        std::clamp(samples.size(), kShortestSpanSamples, samples.capacity());
    const std::size_t offset = capacity - samples.size();
    using Values = std::vector<std::optional<double>>;
    Values strength(capacity), quality(capacity), rx(capacity), tx(capacity);
    double fastest = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const LinkSample& s = samples[i];
        if (!s.link) continue;
        const LinkReadings& v = *s.link;
        if (v.signalDbm) strength[offset + i] = *v.signalDbm;
        if (v.qualityPercent) quality[offset + i] = *v.qualityPercent;
        if (v.rxRateMbps) rx[offset + i] = *v.rxRateMbps;
        if (v.txRateMbps) tx[offset + i] = *v.txRateMbps;
        fastest = std::max({fastest, v.rxRateMbps.value_or(0), v.txRateMbps.value_or(0)});
    }
    ui::Graph g;
    g.capacity = capacity;
    g.secondsPerSample = kSecondsPerSample;
    g.timeUnit = text(resources::kIdsUnitMinutes);
    ui::GraphPanel signal;
    signal.title = text(resources::kIdsGraphSignal);
    signal.left = {text(resources::kIdsUnitDbm), kSignalFloorDbm, kSignalCeilingDbm};
    signal.right = ui::GraphAxis{text(resources::kIdsUnitPercent), 0, 100};
    signal.plots.push_back({text(resources::kIdsGraphStrength), kBlue, false, std::move(strength)});
    signal.plots.push_back({text(resources::kIdsGraphQuality), kOrange, true, std::move(quality)});
    ui::GraphPanel rate;
    rate.title = text(resources::kIdsGraphRate);
    // A round top above the fastest rate seen, so the axis does not move with every sample.
    const double top = std::max(kRateStepMbps, std::ceil(fastest / kRateStepMbps) * kRateStepMbps);
    rate.left = {text(resources::kIdsUnitMbps), 0, top};
    rate.plots.push_back({text(resources::kIdsGraphReceive), kBlue, false, std::move(rx)});
    rate.plots.push_back({text(resources::kIdsGraphTransmit), kOrange, false, std::move(tx)});
    g.panels.push_back(std::move(signal));
    g.panels.push_back(std::move(rate));

    const std::uint64_t first = history.added() - samples.size();
    const auto& events = history.events();
    for (std::size_t e = 0; e < events.size(); ++e) {
        const LinkEvent& event = events[e];
        if (event.sample < first) continue;
        const auto kind = static_cast<std::size_t>(event.kind);
        g.marks.push_back({offset + static_cast<std::size_t>(event.sample - first),
                           text(resources::kIdsEventFirst + static_cast<int>(kind)),
                           kMarkColors[kind % std::size(kMarkColors)]});
    }
    return g;
}

std::string currentValuesText(const LinkHistory& history) {
    const auto& samples = history.samples();
    const LinkSample* last = nullptr;
    for (std::size_t i = samples.size(); i-- > 0 && !last;)
        if (samples[i].link) last = &samples[i];
    const std::string none = noneText();
    return fill(text(resources::kIdsCurrentSignalValues),
                {last ? last->signalText : none, last ? last->qualityText : none,
                 last ? last->rxText : none, last ? last->txText : none});
}

std::string statusLineText(const LinkHistory& history) {
    const auto& samples = history.samples();
    for (std::size_t i = 0; i < samples.size(); ++i)
        if (!samples[i].link) return text(resources::kIdsHistoryGaps);
    return std::string();
}

SignalHistoryWindow::SignalHistoryWindow(context::AppContext& context, const LinkHistory& history)
    : ui::Dialog(context.desktop, resources::dialogTemplate(resources::kDialogSignalHistory)),
      ctx_(context),
      history_(history) {}

bool SignalHistoryWindow::onInitDialog() {
    setTitle(text(resources::kIdsSignalHistoryTitle));
    setIcon(resources::kIconProgram);
    update();
    return true;
}

void SignalHistoryWindow::update() {
    if (!created()) return;
    graphSet(resources::kIdcSignalGraph, graphOf(history_));
    setItemText(resources::kIdcSignalValues, currentValuesText(history_));
    setItemText(resources::kIdcSignalStatusLine, statusLineText(history_));
}

void SignalHistoryWindow::onCommand(int id, std::uint32_t code) {
    if (id == resources::kIdcSaveAsCsv && code == ui::kBnClicked) {
        saveCsv();
        return;
    }
    ui::Dialog::onCommand(id, code);
}

void SignalHistoryWindow::saveCsv() {
    ui::SaveFileRequest request;
    request.owner = handle();
    request.title = text(resources::kIdsSaveHistoryTitle);
    request.initialName = "signal-history.csv";
    request.defaultExtension = "csv";
    request.filters = {{text(resources::kIdsCsvFilesFilter), "*.csv"},
                       {text(resources::kIdsAllFilesFilter), "*.*"}};
    request.overwritePrompt = true;
    auto path = desktop().services().saveFileDialog(request);
    if (!path) return;
    std::string reason;
    if (ctx_.platform.savedFiles.replaceFile(*path, historyCsv(history_), reason)) return;
    ui::MessageBoxRequest box;
    box.owner = handle();
    box.ownerTitle = title();
    box.caption = title();
    box.text = fill(text(resources::kIdsHistoryNotSaved), {*path, reason});
    desktop().services().messageBox(box);
}

}  // namespace zlx::status

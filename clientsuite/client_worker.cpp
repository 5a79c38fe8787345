#include "clientsuite/client_worker.h"

#include "clientsuite/check_suite.h"
#include "context/user_messages.h"

namespace zlx::clientsuite {

namespace {
constexpr platform::Millis kWindowLookInterval = 1000;
}

TestWindowSink::TestWindowSink(context::AppContext& context, platform::StopSignal& stop)
    : ctx_(context), stop_(stop) {}

void TestWindowSink::line(std::uint32_t kind, const std::string& text) {
    ctx_.desktop.post(window_, context::kWmAddTestLine, kind, 0, text);
}

bool TestWindowSink::waitForWindow() {
    while (window_ == ui::kNoWindow) {
        window_ = ctx_.testWindowHandle.load();
        if (window_ != ui::kNoWindow) break;
        if (!stop_.sleepFor(ctx_.desktop.clock(), kWindowLookInterval)) return false;
    }
    return true;
}

void TestWindowSink::busy(bool on) {
    ctx_.desktop.post(ctx_.troubleshootingPage, context::kWmNetworkTestBusy, 0, on ? 1 : 0);
}

void TestWindowSink::complete() {
    ctx_.desktop.post(window_, context::kWmShowTestsComplete);
}

ClientTestWorker::ClientTestWorker(context::AppContext& context, context::WlanSelection selection)
    : ctx_(context), selection_(std::move(selection)) {
    // Counted from here, so a manual clock never finds the program at rest before the thread
    // has begun.
    ctx_.desktop.clock().beginActivity();
    thread_ = std::thread([this] {
        run();
        finished_ = true;
        ctx_.desktop.clock().endActivity();
    });
}

ClientTestWorker::~ClientTestWorker() {
    stop_.requestStop();
    thread_.join();
}

void ClientTestWorker::run() {
    TestSuite suite;
    ctx_.desktop.post(ctx_.troubleshootingPage, context::kWmOpenTestWindow, 0, 0);
    adapterinfo::AdapterDetails details = adapterinfo::buildAdapterDetails(
        adapterinfo::gatherContextOf(ctx_), selection_, selection_.selectedAdapterDescription);
    TestWindowSink sink(ctx_, stop_);
    TestRunEnvironment env{ctx_.platform, ctx_.desktop.clock(), stop_, selection_.selectedInterface,
                           sink,          &adapterRemoved_};
    if (runClientTests(suite, details, env)) sink.complete();
}

}  // namespace zlx::clientsuite

#include "clientsuite/check_suite.h"

#include "clientsuite/connection_checks.h"
#include "clientsuite/hardware_checks.h"
#include "clientsuite/network_check.h"
#include "resources/string_table.h"
#include "wlan/failure_text.h"

namespace zlx::clientsuite {

TestSuite::TestSuite() {
    tests_.push_back(std::make_unique<DriverTest>());
    tests_.push_back(std::make_unique<CardInsertTest>());
    tests_.push_back(std::make_unique<CardEnableTest>());
    tests_.push_back(std::make_unique<AssociationTest>());
    tests_.push_back(std::make_unique<AuthenticationTest>());
    tests_.push_back(std::make_unique<NetworkTest>());
    for (auto& test : tests_) test->reset();
}

bool runClientTests(const TestSuite& suite, adapterinfo::AdapterDetails& details,
                    TestRunEnvironment& env) {
    // Without the wireless service every test would judge values it never read: each says
    // the true cause instead, after waiting for somewhere to report as the driver test does.
    const bool noService = wlan::serviceUnavailable(details.serviceResult);
    if (noService && !env.sink.waitForWindow()) return false;
    for (const auto& test : suite.tests()) {
        if (env.stop.stopRequested()) return false;
        if (noService)
            test->failForService(details.serviceResult, env.sink);
        else if (env.adapterRemoved && env.adapterRemoved->load())
            // What is left would judge an adapter that is gone: each says so instead.
            test->failWith(resources::stringOr(resources::kIdsRunAdapterRemoved, ""),
                           resources::stringOr(resources::kIdsInsertAdapterAgain, ""), env.sink);
        else
            test->run(details, env);
        if (!env.stop.sleepFor(env.clock, kPauseBetweenTests)) return false;
    }
    return true;
}

}  // namespace zlx::clientsuite

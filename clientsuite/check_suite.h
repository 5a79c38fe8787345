#pragma once
// TestSuite: the six client-managed tests in their fixed order, and one run of them against
// one adapter details snapshot.

#include <memory>
#include <vector>

#include "clientsuite/generic_check.h"

namespace zlx::clientsuite {

inline constexpr platform::Millis kPauseBetweenTests = 100;

class TestSuite {
  public:
    // Creates and resets the six tests.
    TestSuite();
    const std::vector<std::unique_ptr<GenericTest>>& tests() const { return tests_; }

  private:
    std::vector<std::unique_ptr<GenericTest>> tests_;
};

// Runs every test in order, whatever the outcome of the ones before, with a pause after each.
// Only the program's end (the run's stop signal) cuts it short: false then. Once the adapter
// is gone, each test left fails with that cause.
bool runClientTests(const TestSuite& suite, adapterinfo::AdapterDetails& details,
                    TestRunEnvironment& env);

}  // namespace zlx::clientsuite

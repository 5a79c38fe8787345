#pragma once
// The first three tests look at the adapter from the outside in: is its driver installed, is it
// present, is its radio on.

#include "clientsuite/generic_check.h"

namespace zlx::clientsuite {

class DriverTest final : public GenericTest {
  public:
    const char* id() const override { return "driver"; }
    void reset() override;
    void run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env) override;

  private:
    // The system's own driver file when the snapshot names none; empty when there is none.
    std::string fallbackDriverPath(platform::Platform& platform);
};

class CardInsertTest final : public GenericTest {
  public:
    const char* id() const override { return "cardInsertion"; }
    void reset() override;
    void run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env) override;
};

class CardEnableTest final : public GenericTest {
  public:
    const char* id() const override { return "cardEnable"; }
    void reset() override;
    void run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env) override;
};

// The driver file's name as the details show it: the part of `driverPath` after its last
// backslash and before its last period, in upper case; empty without such a period.
std::string driverNameOf(const std::string& driverPath);

// Whether `path` names a file of more than zero bytes, looked up with file-system redirection
// off where the machine has it.
bool driverFilePresent(platform::FileSystem& files, const std::string& path);

}  // namespace zlx::clientsuite

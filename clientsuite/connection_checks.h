#pragma once
// The fourth and fifth tests ask the wireless service about the selected interface: is it
// associated, and is the connection authenticated.

#include <cstdint>
#include <string>

#include "clientsuite/generic_check.h"

namespace zlx::clientsuite {

class AssociationTest final : public GenericTest {
  public:
    const char* id() const override { return "association"; }
    void reset() override;
    void run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env) override;
};

class AuthenticationTest final : public GenericTest {
  public:
    const char* id() const override { return "authentication"; }
    void reset() override;
    void run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env) override;
};

// What the authentication test concludes from the adapter and the current connection.
struct AuthenticationJudgement {
    TestStatus status = TestStatus::Failed;
    int linkStatusStringId = 0;  // 0: no details lines
};

struct ConnectionFacts {
    bool hasAdapterName = false;
    bool connectionRead = false;  // the current-connection query answered
    std::uint32_t securityEnabled = 0;
    std::uint32_t authAlgorithm = 0;
    std::uint32_t interfaceState = 0;
};

AuthenticationJudgement judgeAuthentication(const ConnectionFacts& facts);

// The SSID of association attributes in their wire layout: as many octets as its length says
// (at most 32, zero octets included), as text (wlan::networkNameText).
std::string ssidTextOf(platform::CodePages& codePages, const std::uint8_t* attributes,
                       std::size_t size);

}  // namespace zlx::clientsuite

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sim/scenario.h"

namespace zlx::sim {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

struct MalformedCase {
    const char* file;
    const char* place;    // what follows "<path>: "
    const char* problem;  // part of the message after the place
};

void PrintTo(const MalformedCase& c, std::ostream* os) {
    *os << c.file;
}

std::string dataPath(const std::string& file) {
    return std::string(SIM_TEST_DATA_DIR) + "/" + file;
}

class MalformedScenarioTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedScenarioTest, NamesTheFileThePlaceAndTheProblem) {
    const MalformedCase& c = GetParam();
    std::string path = dataPath(c.file);
    try {
        loadScenarioFile(path);
        FAIL() << c.file << " was accepted";
    } catch (const ScenarioError& e) {
        std::string message = e.what();
        EXPECT_THAT(message, StartsWith(path + ": " + c.place + ": "));
        EXPECT_THAT(message, HasSubstr(c.problem));
    }
}

INSTANTIATE_TEST_SUITE_P(
    DataFiles, MalformedScenarioTest,
    ::testing::Values(
        MalformedCase{"syntax-error.json", "line 4, column 18",
                      "syntax error while parsing object"},
        MalformedCase{"wrong-type.json", "/wlan/openResult",
                      "expected a whole number or a \"0x...\" hex string, got \"zero\""},
        MalformedCase{"bad-guid.json", "/wlan/interfaces/0/guid", "not a GUID: \"abc\""},
        MalformedCase{"unknown-key.json", "/machine/langaugeId", "unknown key (known here: "},
        MalformedCase{"unknown-state.json", "/wlan/interfaces/1/state",
                      "unknown name \"online\" (expected one of not_ready, connected,"},
        MalformedCase{"bad-payload.json", "/wlan/interfaces/0/ihvService/onLeave/0/payload",
                      "not hex bytes: \"0x7\""},
        MalformedCase{"event-and-payload.json", "/wlan/interfaces/0/ihvService/onEnter/0",
                      "either \"event\""},
        MalformedCase{"duplicate-registry-key.json", "/registry/1/key",
                      "key listed twice (also at /registry/0)"},
        MalformedCase{"registry-without-root.json", "/registry/0/key",
                      "expected a key path \"HKLM\\\\Some\\\\Key\""},
        MalformedCase{"registry-two-forms.json", "/registry/0/values/InstallPath",
                      "expected exactly one of"},
        MalformedCase{"bad-local-time.json", "/files/0/lastWrite",
                      "expected a local time \"YYYY-MM-DD HH:MM:SS\", got \"2026-02-30 10:00:00\""},
        MalformedCase{"out-of-range.json", "/wlan/interfaces/0/driver/txRate",
                      "expected a number from 0 to 255, got 300"},
        MalformedCase{"future-version.json", "/formatVersion", "format version 2 is not known"},
        MalformedCase{"not-an-object.json", "/", "expected an object, got [\"machine\"]"},
        MalformedCase{"missing-guid.json", "/wlan/interfaces/0", "missing key \"guid\""},
        MalformedCase{"bad-file-version.json", "/files/0/version",
                      "expected a file version \"a.b.c.d\""},
        MalformedCase{"relative-file-path.json", "/files/0/path", "expected a full Windows path"},
        MalformedCase{"duplicate-guid.json", "/wlan/interfaces/1/guid",
                      "GUID used twice (also at /wlan/interfaces/0)"},
        MalformedCase{"negative-number.json", "/wlan/negotiatedVersion",
                      "expected a number from 0 to 4294967295, got -1"},
        MalformedCase{"long-ssid.json", "/wlan/interfaces/0/connection/ssid", "at most 32 octets"},
        MalformedCase{"product-lower-case.json", "/product/vendorPciPrefix",
                      "expected the form \"PCI\\VEN_1B7A\" (upper-case hexadecimal digits), "
                      "got \"PCI\\VEN_1b7a\""},
        MalformedCase{"product-three-subsystems.json", "/product/excludedSubsystems",
                      "expected a list of four subsystem fragments"},
        MalformedCase{"product-short-oui.json", "/product/networkVendorOui",
                      "expected three octets"},
        MalformedCase{"product-unknown-key.json", "/product/vendorName", "unknown key"},
        MalformedCase{"unknown-device-property.json", "/devices/0/missingProperties/1",
                      "unknown name \"location\" (expected one of description, service,"},
        MalformedCase{"size-query-unknown-table.json", "/network/sizeQueryFailures/ipNetTable",
                      "unknown key"},
        MalformedCase{"nic-mutex-negative.json", "/machine/nicMutexHeldMs",
                      "expected a number from 0 to 86400000, got -5"},
        MalformedCase{"code-page-not-simulated.json", "/machine/oemCodePage",
                      "code page 1251 is not simulated (65001, 1252, 437, 850)"},
        MalformedCase{"service-unknown.json", "/wlan/service",
                      "expected \"running\", \"stopped\" or \"absent\", got \"paused\""},
        MalformedCase{"service-and-open-result.json", "/wlan/service",
                      "give either \"service\" or \"openResult\""},
        MalformedCase{"call-result-unknown-call.json", "/wlan/callResults/WlanConnect",
                      "unknown key (known here: WlanEnumInterfaces, WlanGetProfile,"},
        MalformedCase{"call-result-not-a-number.json", "/wlan/callResults/WlanIhvControl",
                      "expected a whole number or a \"0x...\" hex string, got \"denied\""}),
    [](const auto& info) {
        std::string name = info.param.file;
        name = name.substr(0, name.find('.'));
        std::erase(name, '-');
        return name;
    });

TEST(ScenarioFile, MissingFileSaysItCannotBeRead) {
    std::string path = dataPath("no-such-file.json");
    try {
        loadScenarioFile(path);
        FAIL();
    } catch (const ScenarioError& e) {
        EXPECT_THAT(e.what(), StartsWith(path + ": cannot be read"));
    }
}

TEST(ScenarioText, ErrorsUseTheGivenName) {
    try {
        parseScenario(R"({"wlan": {"interfaces": {}}})", "inline scenario");
        FAIL();
    } catch (const ScenarioError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "inline scenario: /wlan/interfaces: expected a list, got {}");
    }
}

TEST(ScenarioText, KeysWithSlashesAreEscapedInThePlace) {
    try {
        parseScenario(R"({"registry": [{"key": "HKLM\\A", "values": {"a/b~c": []}}]})", "s");
        FAIL();
    } catch (const ScenarioError& e) {
        EXPECT_THAT(e.what(), StartsWith("s: /registry/0/values/a~1b~0c: "));
    }
}

}  // namespace
}  // namespace zlx::sim

#include "clientsuite/hardware_tests.h"

#include "platform/text.h"
#include "resources/string_table.h"

namespace zlx::clientsuite {

namespace {

constexpr int kStrDriverTestName = 103;
constexpr int kStrDriverTestDescription = 104;
constexpr int kStrDriverInstalled = 105;
constexpr int kStrDriverNotInstalled = 106;
constexpr int kStrReinstallDriver = 107;
constexpr int kStrCardInsertDescription = 108;
constexpr int kStrCardInsertName = 109;
constexpr int kStrCardNotInserted = 110;
constexpr int kStrCardInserted = 111;
constexpr int kStrCardEnableName = 112;
constexpr int kStrCardEnableDescription = 113;
constexpr int kStrCardEnabled = 114;
constexpr int kStrCardNotEnabled = 115;
constexpr int kStrEnableCard = 116;
constexpr int kStrInsertCard = 117;
constexpr int kStrRegistryKeysOk = 168;
constexpr int kStrNicName = 169;
constexpr int kStrDriverName = 170;
constexpr int kStrDriverPath = 171;
constexpr int kStrDriverVersion = 172;
constexpr int kStrNotFound = 173;
constexpr int kStrActiveProfileName = 174;
constexpr int kStrDriverFile32 = 17;
constexpr int kStrDriverFile64 = 32;

bool adapterIdentified(const adapterinfo::AdapterDetails& details) {
    return details.hasAdapterName == 1 && !adapterinfo::driverInstanceOf(details).empty();
}

}  // namespace

std::string driverNameOf(const std::string& driverPath) {
    auto backslash = driverPath.rfind('\\');
    std::size_t start = backslash == std::string::npos ? 0 : backslash + 1;
    auto period = driverPath.rfind('.');
    if (period == std::string::npos || period < start) return {};
    std::string name = driverPath.substr(start, period - start);
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return name;
}

bool driverFilePresent(platform::FileSystem& files, const std::string& path) {
    bool redirectionOff = files.disableRedirection() == platform::kErrorSuccess;
    platform::FindData data;
    platform::Win32Error found = files.findFile(path, data);
    if (redirectionOff) files.revertRedirection();
    return found == platform::kErrorSuccess && data.size > 0;
}

void DriverTest::reset() {
    GenericTest::reset();
    loadTexts(kStrDriverTestName, kStrDriverTestDescription);
}

std::string DriverTest::fallbackDriverPath(platform::Platform& platform) {
    platform::OsVersionInfo version;
    if (!platform.system.versionBasic(version) || version.major < 6) return {};
    std::string systemDirectory;
    platform.folders.systemDirectory(systemDirectory);
    std::uint16_t architecture = platform.system.processorArchitecture();
    bool wide = architecture == platform::kProcessorArchitectureAmd64 ||
                architecture == platform::kProcessorArchitectureIa64;
    return systemDirectory + resources::stringOr(wide ? kStrDriverFile64 : kStrDriverFile32, "");
}

void DriverTest::run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env) {
    status_ = TestStatus::Failed;
    if (!env.sink.waitForWindow()) return;
    bool identified = adapterIdentified(details);
    std::string file;
    if (identified) {
        appendDetail(resources::stringOr(kStrRegistryKeysOk, ""));
        if (!details.driverPath.empty()) {
            file = details.driverPath;
            appendLabelled(kStrNicName, platform::displaySafeName(details.adapterName));
            appendLabelled(kStrDriverName, driverNameOf(details.driverPath));
            appendLabelled(kStrDriverPath, details.driverPath);
            appendLabelled(kStrDriverVersion, details.driverFileVersion);
            appendLabelled(kStrActiveProfileName,
                           details.profileName.empty()
                               ? resources::stringOr(kStrNotFound, "")
                               : platform::displaySafeName(details.profileName));
        }
    }
    if (!identified || details.driverPath.empty()) {
        file = fallbackDriverPath(env.platform);
        if (!file.empty()) appendLabelled(kStrDriverPath, file);
    }
    if (!file.empty() && driverFilePresent(env.platform.files, file)) {
        status_ = TestStatus::Passed;
        if (identified) resultText_ = resources::stringOr(kStrDriverInstalled, "");
        advice_.clear();
    } else if (!identified) {
        resultText_ = resources::stringOr(kStrCardNotInserted, "");
        advice_ = resources::stringOr(kStrInsertCard, "");
    } else {
        resultText_ = resources::stringOr(kStrDriverNotInstalled, "");
        advice_ = resources::stringOr(kStrReinstallDriver, "");
    }
    postTestBlock(env.sink);
}

void CardInsertTest::reset() {
    GenericTest::reset();
    loadTexts(kStrCardInsertName, kStrCardInsertDescription);
}

void CardInsertTest::run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env) {
    bool present = details.hasAdapterName == 1;
    status_ = present ? TestStatus::Passed : TestStatus::Failed;
    resultText_ = resources::stringOr(present ? kStrCardInserted : kStrCardNotInserted, "");
    advice_ = present ? std::string() : resources::stringOr(kStrInsertCard, "");
    postTestBlock(env.sink);
}

void CardEnableTest::reset() {
    GenericTest::reset();
    loadTexts(kStrCardEnableName, kStrCardEnableDescription);
}

void CardEnableTest::run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env) {
    bool on = details.radioOn == 1;
    status_ = on ? TestStatus::Passed : TestStatus::Failed;
    resultText_ = resources::stringOr(on ? kStrCardEnabled : kStrCardNotEnabled, "");
    advice_ = on ? std::string() : resources::stringOr(kStrEnableCard, "");
    postTestBlock(env.sink);
}

}  // namespace zlx::clientsuite

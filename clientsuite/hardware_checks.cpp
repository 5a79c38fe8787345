#include "clientsuite/hardware_checks.h"

#include "platform/text.h"
#include "resources/string_table.h"

namespace zlx::clientsuite {

namespace {

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
    for (char& c : name) c = platform::upperAscii(c);
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
    loadTexts(resources::kIdsDriverTestName, resources::kIdsDriverTestDescription);
}

std::string DriverTest::fallbackDriverPath(platform::Platform& platform) {
    platform::OsVersionInfo version;
    if (!platform.system.versionBasic(version) || version.major < 6) return {};
    std::string systemDirectory;
    platform.folders.systemDirectory(systemDirectory);
    std::uint16_t architecture = platform.system.processorArchitecture();
    bool wide = architecture == platform::kProcessorArchitectureAmd64 ||
                architecture == platform::kProcessorArchitectureIa64;
    return systemDirectory +
           resources::stringOr(wide ? resources::kIdsDriverFile64 : resources::kIdsDriverFile32,
                               "");
}

void DriverTest::run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env) {
    status_ = TestStatus::Failed;
    if (!env.sink.waitForWindow()) return;
    bool identified = adapterIdentified(details);
    std::string file;
    if (identified) {
        appendDetail(resources::stringOr(resources::kIdsRegistryKeysOk, ""));
        if (!details.driverPath.empty()) {
            file = details.driverPath;
            appendLabelled(resources::kIdsNicName, platform::displaySafeName(details.adapterName));
            appendLabelled(resources::kIdsDriverName, driverNameOf(details.driverPath));
            appendLabelled(resources::kIdsDriverPath, details.driverPath);
            appendLabelled(resources::kIdsDriverVersion, details.driverFileVersion);
            appendLabelled(resources::kIdsActiveProfileName,
                           details.profileName.empty()
                               ? resources::stringOr(resources::kIdsNotFound, "")
                               : platform::displaySafeName(details.profileName));
        }
    }
    if (!identified || details.driverPath.empty()) {
        file = fallbackDriverPath(env.platform);
        if (!file.empty()) appendLabelled(resources::kIdsDriverPath, file);
    }
    if (!file.empty() && driverFilePresent(env.platform.files, file)) {
        status_ = TestStatus::Passed;
        if (identified) resultText_ = resources::stringOr(resources::kIdsDriverInstalled, "");
        advice_.clear();
    } else if (!identified) {
        resultText_ = resources::stringOr(resources::kIdsCardNotInserted, "");
        advice_ = resources::stringOr(resources::kIdsInsertCard, "");
    } else {
        resultText_ = resources::stringOr(resources::kIdsDriverNotInstalled, "");
        advice_ = resources::stringOr(resources::kIdsReinstallDriver, "");
    }
    postTestBlock(env.sink);
}

void CardInsertTest::reset() {
    GenericTest::reset();
    loadTexts(resources::kIdsCardInsertName, resources::kIdsCardInsertDescription);
}

void CardInsertTest::run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env) {
    bool present = details.hasAdapterName == 1;
    status_ = present ? TestStatus::Passed : TestStatus::Failed;
    resultText_ = resources::stringOr(
        present ? resources::kIdsCardInserted : resources::kIdsCardNotInserted, "");
    advice_ = present ? std::string() : resources::stringOr(resources::kIdsInsertCard, "");
    postTestBlock(env.sink);
}

void CardEnableTest::reset() {
    GenericTest::reset();
    loadTexts(resources::kIdsCardEnableName, resources::kIdsCardEnableDescription);
}

void CardEnableTest::run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env) {
    bool on = details.radioOn == 1;
    status_ = on ? TestStatus::Passed : TestStatus::Failed;
    resultText_ =
        resources::stringOr(on ? resources::kIdsCardEnabled : resources::kIdsCardNotEnabled, "");
    advice_ = on ? std::string() : resources::stringOr(resources::kIdsEnableCard, "");
    postTestBlock(env.sink);
}

}  // namespace zlx::clientsuite

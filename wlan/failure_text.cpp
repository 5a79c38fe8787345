#include "wlan/failure_text.h"

#include "resources/string_table.h"

namespace zlx::wlan {

namespace {

std::string withCode(int id, platform::Win32Error result) {
    std::string text = resources::stringOr(id, "%s");
    auto at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, std::to_string(result));
    return text;
}

}  // namespace

bool serviceUnavailable(platform::Win32Error openResult) {
    return openResult == platform::kErrorServiceNotActive ||
           openResult == platform::kErrorModNotFound;
}

bool interfaceUnknown(platform::Win32Error result) {
    return result == platform::kErrorInvalidParameter || result == platform::kErrorNotFound;
}

std::string wlanFailureText(platform::Win32Error result) {
    switch (result) {
        case platform::kErrorSuccess:
            return {};
        case platform::kErrorServiceNotActive:
            return withCode(resources::kIdsServiceNotRunning, result);
        case platform::kErrorModNotFound:
            return withCode(resources::kIdsServiceNotInstalled, result);
        case platform::kErrorAccessDenied:
            return withCode(resources::kIdsAccessDenied, result);
        default:
            return withCode(resources::kIdsServiceFailed, result);
    }
}

std::string wlanFailureAdvice(platform::Win32Error result) {
    switch (result) {
        case platform::kErrorServiceNotActive:
            return resources::stringOr(resources::kIdsStartService, "");
        case platform::kErrorModNotFound:
            return resources::stringOr(resources::kIdsInstallService, "");
        case platform::kErrorAccessDenied:
            return resources::stringOr(resources::kIdsRunAsAdministrator, "");
        default:
            return {};
    }
}

}  // namespace zlx::wlan

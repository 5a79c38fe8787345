#include "troubleshooting/adapter_choice.h"

#include <algorithm>

#include "platform/text.h"
#include "resources/string_table.h"

namespace zlx::troubleshooting {

namespace {

std::string withName(int stringId, const std::string& name) {
    std::string text = resources::stringOr(stringId, "%s");
    if (auto at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, platform::displaySafeName(name));
    return text;
}

}  // namespace

AdapterChoice chooseAfterChange(const std::string& selectedGuidText,
                                const std::vector<std::string>& guidTexts) {
    AdapterChoice choice;
    auto kept = std::find(guidTexts.begin(), guidTexts.end(), selectedGuidText);
    if (!selectedGuidText.empty() && kept != guidTexts.end()) {
        choice.index = static_cast<std::size_t>(kept - guidTexts.begin());
        return choice;
    }
    choice.vanished = !selectedGuidText.empty();
    if (!guidTexts.empty()) choice.index = 0;
    return choice;
}

std::string adapterGoneText(const std::string& goneName, const std::optional<std::string>& nowName,
                            const std::string& whyNone) {
    return withName(resources::kIdsAdapterRemoved, goneName) + "\n\n" +
           (nowName ? withName(resources::kIdsAdapterSelectedInstead, *nowName) : whyNone);
}

}  // namespace zlx::troubleshooting

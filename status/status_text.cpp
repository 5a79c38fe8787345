#include "status/status_text.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "platform/text.h"
#include "resources/string_table.h"

namespace zlx::status {

namespace {

std::string text(int id) {
    return std::string(resources::loadString(id).value_or(""));
}

std::string none() {
    return text(resources::kStrNone);
}

// One number put into the format of string `id` ("%d dBm", "%.1f Mbps"...).
template <typename Number>
std::string formatted(int id, Number value) {
    std::array<char, 64> buffer{};
    std::string format = text(id);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    std::snprintf(buffer.data(), buffer.size(), format.c_str(), value);
#pragma GCC diagnostic pop
    return buffer.data();
}

// The first row whose key matches, or nothing.
template <typename Key>
std::optional<int> lookup(std::initializer_list<std::pair<Key, int>> rows, Key key) {
    for (const auto& [k, id] : rows)
        if (k == key) return id;
    return std::nullopt;
}

std::string twoDigits(std::uint64_t value) {
    std::array<char, 24> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%02llu", static_cast<unsigned long long>(value));
    return buffer.data();
}

bool allSet(std::uint32_t bits, std::uint32_t mask) {
    return (bits & mask) == mask;
}

}  // namespace

int radioClassOf(const std::optional<std::vector<platform::WlanPhyRadioState>>& phys) {
    if (!phys || phys->empty()) return 0;
    bool software = phys->front().software == platform::kDot11RadioStateOn;
    bool hardware = phys->front().hardware == platform::kDot11RadioStateOn;
    if (software) return hardware ? 0 : 2;
    return hardware ? 1 : 3;
}

std::string radioStatusText(int radioClass) {
    return text(lookup<int>({{0, 126}, {1, 124}, {2, 123}, {3, 125}}, radioClass).value_or(126));
}

std::string linkStatusText(std::optional<std::uint32_t> state) {
    if (!state) return none();
    return text(lookup<std::uint32_t>({{1, 53}, {2, 53}, {5, 42}, {7, 42}}, *state).value_or(52));
}

std::string authenticationText(bool valid, std::uint32_t securityEnabled, std::uint32_t authClass) {
    if (!valid || securityEnabled != 1) return none();
    return text(lookup<std::uint32_t>(
                    {{1, 34}, {2, 35}, {4, 36}, {5, 44}, {6, 56}, {7, 58}, {8, 59}}, authClass)
                    .value_or(66));
}

std::string cipherText(bool valid, std::uint32_t securityEnabled, std::uint32_t cipherClass) {
    if (!valid || securityEnabled != 1) return none();
    return text(lookup<std::uint32_t>(
                    {{0, 62}, {1, 57}, {2, 63}, {3, 63}, {4, 60}, {7, 60}, {5, 61}}, cipherClass)
                    .value_or(resources::kStrNone));
}

std::string networkTypeText(std::uint32_t networkType) {
    return text(lookup<std::uint32_t>({{1, 54}, {0, 55}}, networkType).value_or(16));
}

std::string wirelessModeText(std::uint32_t bits) {
    const bool b80 = bits & 0x80, b100 = bits & 0x100;
    const bool wide = bits & (0x20000 | 0x40000), narrow = bits & 0x10000;
    // Later rows win.
    const std::pair<bool, int> rows[] = {
        {allSet(bits, 0x140), 19}, {allSet(bits, 0x480) || allSet(bits, 0xC0), 20},
        {allSet(bits, 0xA0), 21},  {allSet(bits, 0x150), 67},
        {allSet(bits, 0xD0), 37},  {narrow && b80, 5301},
        {wide && b80, 5299},       {narrow && b100, 5302},
        {wide && b100, 5300},
    };
    int id = resources::kStrNone;
    for (const auto& [matches, rowId] : rows)
        if (matches) id = rowId;
    return text(id);
}

std::string signalQualityWord(bool valid, bool radioOn, std::uint32_t qualityClass) {
    if (!valid || !radioOn) return none();
    // The lowest class of each word.
    constexpr std::pair<std::uint32_t, int> kWords[] = {{80, 30}, {60, 29}, {30, 28}, {1, 27}};
    for (const auto& [lowest, id] : kWords)
        if (qualityClass >= lowest) return text(id);
    return text(26);
}

double rateMbps(std::uint32_t rate) {
    constexpr std::uint32_t kKbps = 0x80000000u;
    if (rate & kKbps) return static_cast<double>(rate & ~kKbps) / 1000.0;
    // The 802.11b rate of 5.5 Mbps arrives as 5.
    return rate == 5 ? 5.5 : static_cast<double>(rate);
}

std::string rateText(bool valid, bool radioOn, std::uint32_t rate) {
    if (!valid || !radioOn) return none();
    constexpr std::uint32_t kKbps = 0x80000000u;
    if (rate & kKbps) return formatted(25, static_cast<int>(rate & ~kKbps));
    return formatted(23, rateMbps(rate));
}

std::string signalStrengthText(bool valid, std::int32_t dbm) {
    if (!valid) return none();
    return formatted(164, dbm);
}

std::string signalQualityPercentText(bool qualityValid, bool radioOn, std::uint32_t percent) {
    if (!qualityValid) return none();
    return formatted(165, radioOn ? static_cast<int>(percent) : 0);
}

std::string channelText(bool answered, std::uint32_t channel) {
    if (!answered) return none();
    return std::to_string(static_cast<int>(channel));
}

std::string frequencyText(bool valid, bool radioOn, std::uint32_t megahertz) {
    if (!valid || !radioOn) return none();
    return formatted(5186, megahertz / 1000.0);
}

std::string channelSetText(bool answered, const std::array<std::uint8_t, 3>& countryCode) {
    if (!answered) return none();
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
    std::string out;
    // The code is ASCII letters: each byte is one character, and one outside printable ASCII
    // stands for nothing the driver meant, so it is not decoded as part of a longer sequence.
    for (std::size_t i = 0; i < 2 && countryCode[i] != 0; ++i) {
        const std::uint8_t byte = countryCode[i];
        if (byte >= 0x20 && byte < 0x7F)
            out += static_cast<char>(byte);
        else
            out += kReplacement;
    }
    return out;
}

std::string upTimeText(bool upTimeValid, bool radioOn, std::uint64_t milliseconds) {
    if (!upTimeValid || !radioOn) return none();
    constexpr std::uint64_t kDayMs = 86'400'000;
    const std::uint64_t seconds = milliseconds / 1000;
    const std::uint64_t days = seconds / 86400;
    std::string clock = twoDigits(seconds / 3600 - days * 24) + ":" +
                        twoDigits(seconds / 60 - (seconds / 3600) * 60) + ":" +
                        twoDigits(seconds % 60);
    if (milliseconds >= kDayMs) return std::to_string(days) + ", " + clock;
    return clock;
}

std::string apMacText(bool valid, bool radioOn, const std::array<std::uint8_t, 6>& mac) {
    if (!valid || !radioOn) return none();
    std::array<char, 24> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1],
                  mac[2], mac[3], mac[4], mac[5]);
    std::string shown = buffer.data();
    return shown == "FF-FF-FF-FF-FF-FF" ? none() : shown;
}

std::string powerSaveText(bool answered, std::uint32_t level) {
    if (!answered) return none();
    return text(lookup<std::uint32_t>({{0, 4107}, {1, 4108}, {2, 4109}}, level)
                    .value_or(resources::kStrNone));
}

namespace {

// Codes in half-dBm steps, each level rounded as the string table words it.
struct PowerLevel {
    std::uint32_t code;
    int textId;
    int milliwatts;
};
constexpr PowerLevel kPowerLevels[] = {
    {0, 5288, 1},   {6, 5287, 2},   {10, 5286, 3},  {12, 5285, 4},  {14, 5284, 5},  {16, 5283, 6},
    {17, 5282, 7},  {18, 5281, 8},  {19, 5280, 9},  {20, 4120, 10}, {22, 4119, 13}, {26, 4118, 20},
    {28, 4117, 25}, {30, 4116, 32}, {32, 4115, 40}, {34, 4114, 50}, {36, 4113, 63}, {40, 4112, 100},
};

const PowerLevel* powerLevelOf(std::uint32_t code) {
    for (const PowerLevel& level : kPowerLevels)
        if (level.code == code) return &level;
    return nullptr;
}

}  // namespace

std::string powerLevelText(bool txPowerValid, bool radioOn, std::uint32_t code) {
    if (!txPowerValid || !radioOn) return none();
    // A level the table has no words for is not shown as some other level.
    const PowerLevel* level = powerLevelOf(code);
    return text(level ? level->textId : resources::kStrNone);
}

std::optional<int> powerLevelMilliwatts(bool txPowerValid, bool radioOn, std::uint32_t code) {
    const PowerLevel* level = txPowerValid && radioOn ? powerLevelOf(code) : nullptr;
    if (!level) return std::nullopt;
    return level->milliwatts;
}

std::string preambleText(bool answered, std::uint8_t shortPreamble) {
    if (!answered) return none();
    return text(shortPreamble ? 166 : 167);
}

std::string qosText(std::uint32_t wmm, bool wmmValid, bool radioOn) {
    if (!wmmValid) return none();
    return text(wmm && radioOn ? 159 : 62);
}

std::string mfpText(bool answered, std::uint8_t mfp) {
    if (!answered) return none();
    return text(mfp ? 2373 : 2374);
}

std::string availablePowerLevelsAText(bool answered, std::uint32_t bits) {
    if (!answered) return none();
    return bits & (0x0001 | 0x0002) ? text(127) : std::string();
}

std::string availablePowerLevelsBgText(bool answered, std::uint32_t bits) {
    if (!answered) return none();
    return bits & (0x0004 | 0x0008 | 0x0010) ? text(129) : std::string();
}

std::string serverAuthText(std::int32_t eapMethod) {
    return text(lookup<std::int32_t>({{17, 4100},
                                      {6, 4101},
                                      {29, 4102},
                                      {25, 4102},
                                      {13, 4103},
                                      {21, 4104},
                                      {4, 4105},
                                      {47, 4106},
                                      {43, 4900},
                                      {18, 4125}},
                                     eapMethod)
                    .value_or(4099));
}

std::string ssidOctets(const std::array<std::uint8_t, 32>& ssid, std::uint32_t length) {
    return std::string(ssid.begin(), ssid.begin() + std::min<std::size_t>(length, ssid.size()));
}

std::string ssidText(bool valid, bool radioOn, std::string_view converted) {
    if (!valid || !radioOn) return none();
    return platform::displaySafeName(converted);
}

std::string noneText() {
    return none();
}

}  // namespace zlx::status

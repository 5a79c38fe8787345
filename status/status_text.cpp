#include "status/status_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <type_traits>
#include <utility>

#include "platform/text.h"
#include "resources/string_table.h"

namespace zlx::status {

namespace {

std::string text(int id) {
    return std::string(resources::loadString(id).value_or(""));
}

std::string none() {
    return text(resources::kIdsNone);
}

// `format` with `value` written at its one conversion, "%d" or "%.<digits>f", and "%%" read as
// "%": what snprintf writes in the C locale, whichever locale the process runs in (a toolkit
// may set the user's). Nothing for a format with any other conversion.
template <typename Number>
std::optional<std::string> formatNumber(std::string_view format, Number value) {
    std::string out;
    bool converted = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (++i == format.size()) return std::nullopt;
        if (format[i] == '%') {
            out += '%';
            continue;
        }
        if (converted) return std::nullopt;
        converted = true;
        std::array<char, 64> digits{};
        std::to_chars_result written{};
        if (format[i] == '.') {
            int precision = 0;
            while (++i < format.size() && format[i] >= '0' && format[i] <= '9' && precision < 100)
                precision = precision * 10 + (format[i] - '0');
            if (i == format.size() || format[i] != 'f') return std::nullopt;
            const double number = static_cast<double>(value);
            if (number == std::trunc(number) && std::fabs(number) < 1e15 &&
                !(number == 0 && std::signbit(number))) {
                // A whole number, as most rates are: its digits, then the precision's zeros.
                written = std::to_chars(digits.data(), digits.data() + digits.size(),
                                        static_cast<long long>(number));
                out.append(digits.data(), written.ptr);
                if (precision > 0)
                    out.append(1, '.').append(static_cast<std::size_t>(precision), '0');
                continue;
            }
            written = std::to_chars(digits.data(), digits.data() + digits.size(), number,
                                    std::chars_format::fixed, precision);
        } else if (format[i] == 'd' && std::is_integral_v<Number>) {
            written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
        } else {
            return std::nullopt;
        }
        if (written.ec != std::errc()) return std::nullopt;
        out.append(digits.data(), written.ptr);
    }
    return out;
}

// One number put into the format of string `id` ("%d dBm", "%.1f Mbps"...).
template <typename Number>
std::string formatted(int id, Number value) {
    const std::string format(resources::loadString(id).value_or(""));
    if (auto text = formatNumber(format, value)) return *text;
    std::array<char, 64> buffer{};
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
    std::string text;
    platform::appendZeroPadded(text, static_cast<long long>(value), 2);
    return text;
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
    return text(lookup<int>({{0, resources::kIdsRadioOn},
                             {1, resources::kIdsRadioSoftwareDisabled},
                             {2, resources::kIdsRadioHardwareDisabled},
                             {3, resources::kIdsRadioBothDisabled}},
                            radioClass)
                    .value_or(resources::kIdsRadioOn));
}

std::string linkStatusText(std::optional<std::uint32_t> state) {
    if (!state) return none();
    return text(lookup<std::uint32_t>({{1, resources::kIdsAssociated},
                                       {2, resources::kIdsAssociated},
                                       {5, resources::kIdsAuthenticating},
                                       {7, resources::kIdsAuthenticating}},
                                      *state)
                    .value_or(resources::kIdsNotAssociated));
}

std::string authenticationText(bool valid, std::uint32_t securityEnabled, std::uint32_t authClass) {
    if (!valid || securityEnabled != 1) return none();
    return text(lookup<std::uint32_t>({{1, resources::kIdsAuthOpen},
                                       {2, resources::kIdsAuthShared},
                                       {4, resources::kIdsAuthWpa},
                                       {5, resources::kIdsAuthWpaPsk},
                                       {6, resources::kIdsAuthWpaNone},
                                       {7, resources::kIdsAuthWpa2},
                                       {8, resources::kIdsAuthWpa2Psk}},
                                      authClass)
                    .value_or(resources::kIdsAuthAuto));
}

std::string cipherText(bool valid, std::uint32_t securityEnabled, std::uint32_t cipherClass) {
    if (!valid || securityEnabled != 1) return none();
    return text(lookup<std::uint32_t>({{0, resources::kIdsNoneSetting},
                                       {1, resources::kIdsCipherWep},
                                       {2, resources::kIdsCipherAes},
                                       {3, resources::kIdsCipherAes},
                                       {4, resources::kIdsCipherCkip},
                                       {7, resources::kIdsCipherCkip},
                                       {5, resources::kIdsCipherTkip}},
                                      cipherClass)
                    .value_or(resources::kIdsNone));
}

std::string networkTypeText(std::uint32_t networkType) {
    return text(lookup<std::uint32_t>(
                    {{1, resources::kIdsInfrastructure}, {0, resources::kIdsAdHoc}}, networkType)
                    .value_or(resources::kIdsUnknown));
}

std::string wirelessModeText(std::uint32_t bits) {
    const bool b80 = bits & 0x80, b100 = bits & 0x100;
    const bool wide = bits & (0x20000 | 0x40000), narrow = bits & 0x10000;
    // Later rows win.
    const std::pair<bool, int> rows[] = {
        {allSet(bits, 0x140), resources::kIdsMode5GHz54},
        {allSet(bits, 0x480) || allSet(bits, 0xC0), resources::kIdsMode24GHz54},
        {allSet(bits, 0xA0), resources::kIdsMode24GHz11},
        {allSet(bits, 0x150), resources::kIdsMode5GHz108},
        {allSet(bits, 0xD0), resources::kIdsMode24GHz108},
        {narrow && b80, resources::kIdsMode24GHz130},
        {wide && b80, resources::kIdsMode24GHz300},
        {narrow && b100, resources::kIdsMode5GHz130},
        {wide && b100, resources::kIdsMode5GHz300},
    };
    int id = resources::kIdsNone;
    for (const auto& [matches, rowId] : rows)
        if (matches) id = rowId;
    return text(id);
}

std::string signalQualityWord(bool valid, bool radioOn, std::uint32_t qualityClass) {
    if (!valid || !radioOn) return none();
    // The lowest class of each word.
    constexpr std::pair<std::uint32_t, int> kWords[] = {{80, resources::kIdsSignalExcellent},
                                                        {60, resources::kIdsSignalGood},
                                                        {30, resources::kIdsSignalFair},
                                                        {1, resources::kIdsSignalPoor}};
    for (const auto& [lowest, id] : kWords)
        if (qualityClass >= lowest) return text(id);
    return text(resources::kIdsSignalNoLink);
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
    if (rate & kKbps)
        return formatted(resources::kIdsRateKbpsFormat, static_cast<int>(rate & ~kKbps));
    return formatted(resources::kIdsRateMbpsFormat, rateMbps(rate));
}

std::string signalStrengthText(bool valid, std::int32_t dbm) {
    if (!valid) return none();
    return formatted(resources::kIdsSignalDbmFormat, dbm);
}

std::string signalQualityPercentText(bool qualityValid, bool radioOn, std::uint32_t percent) {
    if (!qualityValid) return none();
    return formatted(resources::kIdsPercentFormat, radioOn ? static_cast<int>(percent) : 0);
}

std::string channelText(bool answered, std::uint32_t channel) {
    if (!answered) return none();
    return std::to_string(static_cast<int>(channel));
}

std::string frequencyText(bool valid, bool radioOn, std::uint32_t megahertz) {
    if (!valid || !radioOn) return none();
    return formatted(resources::kIdsFrequencyGhzFormat, megahertz / 1000.0);
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
    if (std::all_of(mac.begin(), mac.end(), [](std::uint8_t b) { return b == 0xFF; }))
        return none();
    std::string shown;
    platform::appendHexBytes(shown, mac, '-');
    return shown;
}

std::string powerSaveText(bool answered, std::uint32_t level) {
    if (!answered) return none();
    return text(lookup<std::uint32_t>({{0, resources::kIdsPowerSaveOff},
                                       {1, resources::kIdsPowerSaveMaximum},
                                       {2, resources::kIdsPowerSaveNormal}},
                                      level)
                    .value_or(resources::kIdsNone));
}

namespace {

// Codes in half-dBm steps, each level rounded as the string table words it.
struct PowerLevel {
    std::uint32_t code;
    int textId;
    int milliwatts;
};
constexpr PowerLevel kPowerLevels[] = {
    {0, resources::kIdsPower1mW, 1},    {6, resources::kIdsPower2mW, 2},
    {10, resources::kIdsPower3mW, 3},   {12, resources::kIdsPower4mW, 4},
    {14, resources::kIdsPower5mW, 5},   {16, resources::kIdsPower6mW, 6},
    {17, resources::kIdsPower7mW, 7},   {18, resources::kIdsPower8mW, 8},
    {19, resources::kIdsPower9mW, 9},   {20, resources::kIdsPower10mW, 10},
    {22, resources::kIdsPower13mW, 13}, {26, resources::kIdsPower20mW, 20},
    {28, resources::kIdsPower25mW, 25}, {30, resources::kIdsPower32mW, 32},
    {32, resources::kIdsPower40mW, 40}, {34, resources::kIdsPower50mW, 50},
    {36, resources::kIdsPower63mW, 63}, {40, resources::kIdsPower100mW, 100},
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
    return text(level ? level->textId : resources::kIdsNone);
}

std::optional<int> powerLevelMilliwatts(bool txPowerValid, bool radioOn, std::uint32_t code) {
    const PowerLevel* level = txPowerValid && radioOn ? powerLevelOf(code) : nullptr;
    if (!level) return std::nullopt;
    return level->milliwatts;
}

std::string preambleText(bool answered, std::uint8_t shortPreamble) {
    if (!answered) return none();
    return text(shortPreamble ? resources::kIdsPreambleShortAndLong
                              : resources::kIdsPreambleLongOnly);
}

std::string qosText(std::uint32_t wmm, bool wmmValid, bool radioOn) {
    if (!wmmValid) return none();
    return text(wmm && radioOn ? resources::kIdsQosWmm : resources::kIdsNoneSetting);
}

std::string mfpText(bool answered, std::uint8_t mfp) {
    if (!answered) return none();
    return text(mfp ? resources::kIdsMfpOn : resources::kIdsMfpOff);
}

std::string availablePowerLevelsAText(bool answered, std::uint32_t bits) {
    if (!answered) return none();
    return bits & (0x0001 | 0x0002) ? text(resources::kIdsPowerLevelsA) : std::string();
}

std::string availablePowerLevelsBgText(bool answered, std::uint32_t bits) {
    if (!answered) return none();
    return bits & (0x0004 | 0x0008 | 0x0010) ? text(resources::kIdsPowerLevelsBg) : std::string();
}

std::string serverAuthText(std::int32_t eapMethod) {
    return text(lookup<std::int32_t>({{17, resources::kIdsEapLeap},
                                      {6, resources::kIdsEapPeapGtc},
                                      {29, resources::kIdsEapPeapMschapV2},
                                      {25, resources::kIdsEapPeapMschapV2},
                                      {13, resources::kIdsEapTls},
                                      {21, resources::kIdsEapTtls},
                                      {4, resources::kIdsEapMd5},
                                      {47, resources::kIdsEapPsk},
                                      {43, resources::kIdsEapFast},
                                      {18, resources::kIdsEapSim}},
                                     eapMethod)
                    .value_or(resources::kIdsEapNone));
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

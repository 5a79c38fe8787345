#pragma once
// The text of every status value, as the string table words it. Each routine is a pure
// mapping of the values it is given; the gates (radio on, whether the value's source answered
// on the last refresh) are passed in, and a gate that is not met gives "none".

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/wlan_types.h"

namespace zlx::status {

// 0 radio on; 1 off in software; 2 off in hardware; 3 off in both. A failed query or no PHY
// counts as on.
int radioClassOf(const std::optional<std::vector<platform::WlanPhyRadioState>>& phys);
std::string radioStatusText(int radioClass);
// Nothing when the interface state query failed.
std::string linkStatusText(std::optional<std::uint32_t> interfaceState);
std::string authenticationText(bool valid, std::uint32_t securityEnabled, std::uint32_t authClass);
std::string cipherText(bool valid, std::uint32_t securityEnabled, std::uint32_t cipherClass);
std::string networkTypeText(std::uint32_t networkType);
std::string wirelessModeText(std::uint32_t modeBits);
std::string signalQualityWord(bool valid, bool radioOn, std::uint32_t qualityClass);
// Mbps with one decimal (5 is 5.5), or kbps when bit 31 is set.
std::string rateText(bool valid, bool radioOn, std::uint32_t rate);
// The same rate as a number of Mbps.
double rateMbps(std::uint32_t rate);
std::string signalStrengthText(bool valid, std::int32_t dbm);
std::string signalQualityPercentText(bool qualityValid, bool radioOn, std::uint32_t percent);
std::string channelText(bool answered, std::uint32_t channel);
std::string frequencyText(bool valid, bool radioOn, std::uint32_t megahertz);
std::string channelSetText(bool answered, const std::array<std::uint8_t, 3>& countryCode);
std::string upTimeText(bool upTimeValid, bool radioOn, std::uint64_t milliseconds);
std::string apMacText(bool valid, bool radioOn, const std::array<std::uint8_t, 6>& mac);
std::string powerSaveText(bool answered, std::uint32_t level);
std::string powerLevelText(bool txPowerValid, bool radioOn, std::uint32_t code);
// The level powerLevelText names, in mW; nothing where it shows "none".
std::optional<int> powerLevelMilliwatts(bool txPowerValid, bool radioOn, std::uint32_t code);
std::string preambleText(bool answered, std::uint8_t shortPreamble);
std::string qosText(std::uint32_t wmm, bool wmmValid, bool radioOn);
std::string mfpText(bool answered, std::uint8_t mfp);
// Empty when the adapter has no PHY of the band.
std::string availablePowerLevelsAText(bool answered, std::uint32_t phyCapabilityBits);
std::string availablePowerLevelsBgText(bool answered, std::uint32_t phyCapabilityBits);
std::string serverAuthText(std::int32_t eapMethod);
// The SSID's first `length` octets (at most 32), zero octets included.
std::string ssidOctets(const std::array<std::uint8_t, 32>& ssid, std::uint32_t length);
// The SSID as converted from the code page, made safe to show; "none" behind the gates.
std::string ssidText(bool valid, bool radioOn, std::string_view converted);
// What the sources that are never filled show.
std::string noneText();

}  // namespace zlx::status

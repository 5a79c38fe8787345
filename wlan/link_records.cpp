#include "wlan/link_records.h"

namespace zlx::wlan {

std::uint32_t networkTypeOf(std::uint32_t bssType) {
    switch (bssType) {
        case 1:
            return 1;
        case 2:
            return 0;
        default:
            return 2;
    }
}

std::uint32_t cipherClassOf(std::uint32_t cipherAlgorithm) {
    switch (cipherAlgorithm) {
        case 1:      // WEP-40
        case 5:      // WEP-104
        case 0x101:  // WEP
            return 1;
        case 2:  // TKIP
            return 5;
        case 4:  // CCMP
            return 3;
        default:
            return 0;
    }
}

std::uint32_t authClassOf(std::uint32_t authAlgorithm) {
    switch (authAlgorithm) {
        case 1:  // open
            return 1;
        case 2:  // shared key
            return 2;
        case 3:  // WPA
            return 4;
        case 4:  // WPA-PSK
            return 5;
        case 5:  // WPA-None
            return 6;
        case 6:  // RSNA
            return 7;
        case 7:  // RSNA-PSK
            return 8;
        default:
            return 3;
    }
}

std::uint32_t powerSaveLevelOf(std::uint32_t driverLevel) {
    switch (driverLevel) {
        case 8:
            return 2;
        case 16:
            return 1;
        default:
            return 0;
    }
}

}  // namespace zlx::wlan

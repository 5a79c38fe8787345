#include "wlan/client_handle.h"

namespace zlx::wlan {

ClientHandle::ClientHandle(platform::WlanApi& wlan) : wlan_(wlan) {
    result_ = wlan_.openHandle(kWlanClientVersion, negotiated_, handle_);
    if (result_ != platform::kErrorSuccess) close();
}

void ClientHandle::close() {
    if (handle_ != platform::kNoWlanHandle) wlan_.closeHandle(handle_);
    handle_ = platform::kNoWlanHandle;
}

}  // namespace zlx::wlan

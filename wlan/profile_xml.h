#pragma once
// Reading wireless profile documents: element paths are matched by local name (namespaces do
// not matter), and a node's text is its concatenated character content. A document that does
// not parse has no elements. Document type declarations are skipped and entities are never
// expanded, so a hostile profile costs no more than its own size.

#include <optional>
#include <string>
#include <string_view>

namespace zlx::wlan {

// The text of the first element (in document order) on `path`, an absolute path of element
// names such as "/WLANProfile/IHV/connectivity/ZLX"; nothing when there is none.
std::optional<std::string> profileElementText(std::string_view xml, std::string_view path);

// The ZLX extension element's text: a profile is eligible for diagnostics exactly when it has
// one.
std::optional<std::string> zlxElementText(std::string_view profileXml);

// The EAP method type of an 802.1X profile, or 0.
std::int32_t profileEapMethod(std::string_view profileXml);

}  // namespace zlx::wlan

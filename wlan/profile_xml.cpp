#include "wlan/profile_xml.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <pugixml.hpp>
#include <vector>

namespace zlx::wlan {

namespace {

std::string_view localName(const char* name) {
    std::string_view n(name);
    auto colon = n.find(':');
    return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

std::vector<std::string_view> splitPath(std::string_view path) {
    std::vector<std::string_view> steps;
    while (!path.empty()) {
        if (path.front() == '/') {
            path.remove_prefix(1);
            continue;
        }
        auto slash = path.find('/');
        steps.push_back(path.substr(0, slash));
        path.remove_prefix(slash == std::string_view::npos ? path.size() : slash);
    }
    return steps;
}

// Depth-first in document order: the first element that completes the path.
pugi::xml_node findOnPath(pugi::xml_node node, const std::vector<std::string_view>& steps,
                          std::size_t depth) {
    if (depth == steps.size()) return node;
    for (pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element || localName(child.name()) != steps[depth]) continue;
        if (pugi::xml_node found = findOnPath(child, steps, depth + 1)) return found;
    }
    return {};
}

// The text of every descendant in document order. A walk, not a recursion: a profile's
// elements may be nested as deep as its author likes, the stack may not.
void appendText(pugi::xml_node root, std::string& out) {
    pugi::xml_node node = root.first_child();
    while (node) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            out += node.value();
        if (node.type() == pugi::node_element && node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node != root && !node.next_sibling()) node = node.parent();
        if (node == root) return;
        node = node.next_sibling();
    }
}

// Profiles of the wireless service are small; anything far larger is not one.
constexpr std::size_t kMaxProfileBytes = 1 << 20;

struct Document {
    pugi::xml_document doc;
    bool loaded = false;
    explicit Document(std::string_view xml) {
        if (xml.size() > kMaxProfileBytes) return;
        // parse_default leaves out the document type declaration and expands only the
        // predefined and character entities.
        loaded = doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    }
};

std::optional<std::string> elementText(const Document& d, std::string_view path) {
    if (!d.loaded) return std::nullopt;
    pugi::xml_node node = findOnPath(d.doc, splitPath(path), 0);
    if (!node) return std::nullopt;
    std::string text;
    appendText(node, text);
    return text;
}

}  // namespace

std::optional<std::string> profileElementText(std::string_view xml, std::string_view path) {
    return elementText(Document(xml), path);
}

std::optional<std::string> zlxElementText(std::string_view profileXml) {
    return profileElementText(profileXml, "/WLANProfile/IHV/connectivity/ZLX");
}

std::int32_t profileEapMethod(std::string_view profileXml) {
    if (profileXml.empty()) return 0;
    Document d(profileXml);
    auto useOneX = elementText(d, "/WLANProfile/MSM/security/authEncryption/useOneX");
    if (!useOneX || *useOneX != "true") return 0;
    if (!elementText(d, "/WLANProfile/MSM/security/OneX")) return 0;
    auto type =
        elementText(d, "/WLANProfile/MSM/security/OneX/EAPConfig/EapHostConfig/EapMethod/Type");
    if (!type) return 0;
    // As strtol: leading blanks and a sign, then digits up to the first other character.
    long value = std::strtol(type->c_str(), nullptr, 10);
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

}  // namespace zlx::wlan

#include "context/product_data.h"

#include <cctype>

#include <nlohmann/json.hpp>

#include "platform/text.h"

namespace zlx::context {

namespace {

using Json = nlohmann::json;

constexpr std::string_view kPciForm = "PCI\\VEN_hhhh";
constexpr std::string_view kUsbForm = "USB\\VID_hhhh";
constexpr std::string_view kSubsystemForm = "SUBSYS_hhhhhhh";
constexpr std::string_view kPartnerForm = "USB\\VID_hhhh&PID_hhhh";

std::string formProblem(const std::string& text, std::string_view form) {
    return "expected the form \"" + std::string(form) +
           "\" (h: an upper-case hexadecimal digit), got \"" + text + "\"";
}

std::string identifier(const Json& value, const std::string& pointer, std::string_view form) {
    if (!value.is_string()) throw ProductDataError(pointer, "expected a string");
    std::string text = value.get<std::string>();
    if (!platform::matchesHexForm(text, form))
        throw ProductDataError(pointer, formProblem(text, form));
    return text;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

Oui oui(const Json& value, const std::string& pointer) {
    std::string text = value.is_string() ? value.get<std::string>() : std::string();
    Oui out{};
    bool ok = text.size() == 8 && text[2] == '-' && text[5] == '-';
    for (std::size_t i = 0; ok && i < 3; ++i) {
        int high = hexValue(text[i * 3]), low = hexValue(text[i * 3 + 1]);
        ok = high >= 0 && low >= 0;
        if (ok) out[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    if (!ok) throw ProductDataError(pointer, "expected three octets such as \"02-5A-58\"");
    return out;
}

void applyOverride(const Json& document, ProductData& product) {
    if (!document.is_object()) throw ProductDataError("", "expected an object");
    for (const auto& [key, value] : document.items()) {
        std::string pointer = "/" + key;
        if (key == "vendorPciPrefix") {
            product.vendorPciPrefix = identifier(value, pointer, kPciForm);
        } else if (key == "vendorUsbPrefix") {
            product.vendorUsbPrefix = identifier(value, pointer, kUsbForm);
        } else if (key == "excludedSubsystems") {
            if (!value.is_array() || value.size() != 4)
                throw ProductDataError(pointer, "expected a list of four subsystem fragments");
            for (std::size_t i = 0; i < 4; ++i) {
                product.excludedSubsystems[i] =
                    identifier(value[i], pointer + "/" + std::to_string(i), kSubsystemForm);
            }
        } else if (key == "partnerUsbId") {
            product.partnerUsbId = identifier(value, pointer, kPartnerForm);
        } else if (key == "networkVendorOui") {
            product.networkVendorOui = oui(value, pointer);
        } else {
            throw ProductDataError(pointer, "unknown key");
        }
    }
}

}  // namespace

ProductData productDataFor(std::string_view overrideJson) {
    ProductData product;
    if (overrideJson.empty()) return product;
    Json document = Json::parse(overrideJson, nullptr, /*allow_exceptions=*/false);
    if (document.is_discarded()) throw ProductDataError("", "not JSON text");
    applyOverride(document, product);
    return product;
}

std::string productDataProblem(const ProductData& product) {
    auto check = [](const std::string& text, std::string_view form, const std::string& where) {
        return platform::matchesHexForm(text, form) ? std::string()
                                                    : where + ": " + formProblem(text, form);
    };
    std::string problem = check(product.vendorPciPrefix, kPciForm, "/vendorPciPrefix");
    if (problem.empty()) problem = check(product.vendorUsbPrefix, kUsbForm, "/vendorUsbPrefix");
    for (std::size_t i = 0; problem.empty() && i < 4; ++i) {
        problem = check(product.excludedSubsystems[i], kSubsystemForm,
                        "/excludedSubsystems/" + std::to_string(i));
    }
    if (problem.empty()) problem = check(product.partnerUsbId, kPartnerForm, "/partnerUsbId");
    return problem;
}

}  // namespace zlx::context

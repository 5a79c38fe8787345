#pragma once
// The product data: the built-in values of resources/product.json, and a machine's own values
// in their place (a scenario's "product" section).

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "context/product_defaults.h"  // generated from resources/product.json

namespace zlx::context {

// An organisationally unique identifier: three octets.
using Oui = std::array<std::uint8_t, 3>;

// Facts of the product that are not the system's decisions. The defaults come from
// resources/product.json; productDataFor() applies a machine's own values.
struct ProductData {
    // The network vendor's identifier at the start of every service control message. A locally
    // administered value, so it can never be mistaken for a registered vendor.
    Oui networkVendorOui = defaults::kNetworkVendorOui;
    // The hardware identifiers, in upper case, by which the vendor's adapters are told from
    // others': its PCI and USB vendor prefixes ("PCI\VEN_xxxx", "USB\VID_xxxx"), four boards
    // of other makers built on its chips ("SUBSYS_" and seven hex digits) and one partner's USB
    // adapter ("USB\VID_xxxx&PID_xxxx").
    std::string vendorPciPrefix = defaults::kVendorPciPrefix;
    std::string vendorUsbPrefix = defaults::kVendorUsbPrefix;
    std::array<std::string, 4> excludedSubsystems{
        defaults::kExcludedSubsystems[0], defaults::kExcludedSubsystems[1],
        defaults::kExcludedSubsystems[2], defaults::kExcludedSubsystems[3]};
    std::string partnerUsbId = defaults::kPartnerUsbId;
};

// Product data that cannot be used; pointer() is the place in the JSON text ("/partnerUsbId").
class ProductDataError : public std::runtime_error {
  public:
    ProductDataError(std::string pointer, const std::string& problem)
        : std::runtime_error(problem), pointer_(std::move(pointer)) {}
    const std::string& pointer() const { return pointer_; }

  private:
    std::string pointer_;
};

// The built-in product data with the values of `overrideJson` put in their place: a JSON object
// with some of the keys of resources/product.json ("vendorPciPrefix", "vendorUsbPrefix",
// "excludedSubsystems", "partnerUsbId", "networkVendorOui"). Empty text: the built-in data.
// Throws ProductDataError for text that is not such an object.
ProductData productDataFor(std::string_view overrideJson);

// What is wrong with `product`, the first problem as "/key: problem"; empty when every value
// has its form.
std::string productDataProblem(const ProductData& product);

}  // namespace zlx::context

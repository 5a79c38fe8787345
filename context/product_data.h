#pragma once
// The product data: the built-in values of resources/product.json, and a machine's own values
// in their place (a scenario's "product" section).

#include <stdexcept>
#include <string>
#include <string_view>

#include "context/app_context.h"

namespace zlx::context {

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

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "context/product_data.h"

namespace zlx::context {
namespace {

using ::testing::HasSubstr;

TEST(ProductData, TheBuiltInValuesAreThoseOfTheProductFile) {
    std::ifstream in(std::string(ZLX_SOURCE_DIR) + "/resources/product.json");
    auto file = nlohmann::json::parse(in);
    context::ProductData builtIn;
    EXPECT_EQ(builtIn.vendorPciPrefix, file["vendorPciPrefix"]);
    EXPECT_EQ(builtIn.vendorUsbPrefix, file["vendorUsbPrefix"]);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(builtIn.excludedSubsystems[i], file["excludedSubsystems"][i]);
    EXPECT_EQ(builtIn.partnerUsbId, file["partnerUsbId"]);
    EXPECT_EQ(file["networkVendorOui"], "02-5A-58");
    EXPECT_EQ(builtIn.networkVendorOui, (Oui{0x02, 0x5A, 0x58}));
    EXPECT_EQ(productDataProblem(builtIn), "");
}

TEST(ProductData, AnOverrideReplacesOnlyTheValuesItNames) {
    context::ProductData product =
        productDataFor(R"({"vendorPciPrefix": "PCI\\VEN_ABCD", "networkVendorOui": "0A-0B-0c"})");
    EXPECT_EQ(product.vendorPciPrefix, "PCI\\VEN_ABCD");
    EXPECT_EQ(product.networkVendorOui, (Oui{0x0A, 0x0B, 0x0C}));
    EXPECT_EQ(product.vendorUsbPrefix, context::ProductData{}.vendorUsbPrefix);
    EXPECT_EQ(product.excludedSubsystems, context::ProductData{}.excludedSubsystems);
    EXPECT_EQ(productDataFor("").vendorPciPrefix, context::ProductData{}.vendorPciPrefix);
    EXPECT_EQ(productDataFor("{}").partnerUsbId, context::ProductData{}.partnerUsbId);
}

TEST(ProductData, UnusableOverridesNameThePlace) {
    struct Case {
        const char* json;
        const char* pointer;
        const char* problem;
    } cases[] = {
        {"[1]", "", "expected an object"},
        {"{", "", "not JSON"},
        {R"({"vendorPciPrefix": "PCI\\VEN_1b7a"})", "/vendorPciPrefix", "expected the form"},
        {R"({"vendorPciPrefix": 7})", "/vendorPciPrefix", "expected a string"},
        {R"({"vendorUsbPrefix": "USB\\PID_1B7A"})", "/vendorUsbPrefix", "expected the form"},
        {R"({"excludedSubsystems": ["SUBSYS_1111111"]})", "/excludedSubsystems", "four"},
        {R"({"excludedSubsystems": ["SUBSYS_1111111", "SUBSYS_2222222", "SUBSYS_333333",
            "SUBSYS_4444444"]})",
         "/excludedSubsystems/2", "expected the form"},
        {R"({"partnerUsbId": "USB\\VID_1234"})", "/partnerUsbId", "expected the form"},
        {R"({"networkVendorOui": "02-5A"})", "/networkVendorOui", "three octets"},
        {R"({"networkVendorOui": "02-5A-XY"})", "/networkVendorOui", "three octets"},
        {R"({"vendorName": "Norvane"})", "/vendorName", "unknown key"},
    };
    for (const auto& c : cases) {
        try {
            productDataFor(c.json);
            ADD_FAILURE() << c.json << " was accepted";
        } catch (const ProductDataError& e) {
            EXPECT_EQ(e.pointer(), c.pointer) << c.json;
            EXPECT_THAT(e.what(), HasSubstr(c.problem)) << c.json;
        }
    }
}

TEST(ProductData, ProblemsOfHandMadeData) {
    context::ProductData product;
    product.excludedSubsystems[1] = "subsys_00431c4";
    EXPECT_THAT(productDataProblem(product), HasSubstr("/excludedSubsystems/1: expected the form"));
    product = context::ProductData{};
    product.vendorUsbPrefix.clear();
    EXPECT_THAT(productDataProblem(product), HasSubstr("/vendorUsbPrefix"));
}

}  // namespace
}  // namespace zlx::context

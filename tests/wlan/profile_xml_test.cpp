#include "wlan/profile_xml.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zlx::wlan {
namespace {

std::string dataFile(const std::string& name) {
    std::ifstream in(std::string(ZLX_SOURCE_DIR) + "/tests/wlan/data/" + name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST(ProfileXmlTest, EligibleExactlyWithTheZlxElement) {
    struct Case {
        const char* name;
        std::string xml;
        bool eligible;
    };
    const Case cases[] = {
        {"with text",
         "<WLANProfile><IHV><connectivity><ZLX>on</ZLX></connectivity></IHV></WLANProfile>", true},
        {"empty element",
         "<WLANProfile><IHV><connectivity><ZLX/></connectivity></IHV></WLANProfile>", true},
        {"default namespace",
         R"(<WLANProfile xmlns="http://www.microsoft.com/networking/WLAN/profile/v1"><IHV><connectivity><ZLX>1</ZLX></connectivity></IHV></WLANProfile>)",
         true},
        {"prefixed names",
         R"(<p:WLANProfile xmlns:p="urn:x"><p:IHV><p:connectivity><p:ZLX>1</p:ZLX></p:connectivity></p:IHV></p:WLANProfile>)",
         true},
        {"second IHV section has it",
         "<WLANProfile><IHV><other/></IHV><IHV><connectivity><ZLX>1</ZLX></connectivity></IHV></"
         "WLANProfile>",
         true},
        {"no IHV section", "<WLANProfile><MSM/></WLANProfile>", false},
        {"IHV without ZLX",
         "<WLANProfile><IHV><connectivity><Other/></connectivity></IHV></WLANProfile>", false},
        {"wrong case",
         "<WLANProfile><IHV><connectivity><zlx>1</zlx></connectivity></IHV></WLANProfile>", false},
        {"not at the root",
         "<Wrapper><WLANProfile><IHV><connectivity><ZLX/></connectivity></IHV></WLANProfile></"
         "Wrapper>",
         false},
        {"does not parse", dataFile("not-closed.xml"), false},
        {"empty text", "", false},
    };
    for (const Case& c : cases) EXPECT_EQ(zlxElementText(c.xml).has_value(), c.eligible) << c.name;
}

TEST(ProfileXmlTest, TextIsTheConcatenatedCharacterContent) {
    auto text = zlxElementText(
        "<WLANProfile><IHV><connectivity><ZLX>a<b>b</b><![CDATA[c]]>d</ZLX></connectivity></IHV></"
        "WLANProfile>");
    EXPECT_EQ(text, "abcd");
    // Siblings after a nested element, and nesting far deeper than any stack allows.
    EXPECT_EQ(zlxElementText("<WLANProfile><IHV><connectivity><ZLX><a><b>1</b>2</a><c/>3</ZLX>"
                             "<ZLX>not this</ZLX></connectivity></IHV></WLANProfile>"),
              "123");
    constexpr int kDepth = 140000;  // still within the size a profile may have
    std::string deep = "<WLANProfile><IHV><connectivity><ZLX>";
    for (int i = 0; i < kDepth; ++i) deep += "<a>";
    deep += "1";
    for (int i = 0; i < kDepth; ++i) deep += "</a>";
    deep += "</ZLX></connectivity></IHV></WLANProfile>";
    EXPECT_EQ(zlxElementText(deep), "1");
}

TEST(ProfileXmlTest, EntitiesAreNeverExpanded) {
    // A few hundred bytes that would expand to gigabytes, and a reference to a local file.
    for (const char* file : {"billion-laughs.xml", "external-entity.xml"}) {
        auto text = zlxElementText(dataFile(file));
        ASSERT_TRUE(text.has_value()) << file;
        EXPECT_LT(text->size(), 64u) << file;
        EXPECT_EQ(text->find("root:"), std::string::npos) << file;
    }
}

std::string eapProfile(const std::string& useOneX, const std::string& oneX) {
    return "<WLANProfile><MSM><security><authEncryption><useOneX>" + useOneX +
           "</useOneX></authEncryption>" + oneX + "</security></MSM></WLANProfile>";
}

TEST(ProfileXmlTest, EapMethod) {
    const std::string peap =
        "<OneX><EAPConfig><EapHostConfig><EapMethod><Type>25</Type></EapMethod></EapHostConfig></"
        "EAPConfig></OneX>";
    auto withType = [](const std::string& type) {
        return "<OneX><EAPConfig><EapHostConfig><EapMethod><Type>" + type +
               "</Type></EapMethod></EapHostConfig></EAPConfig></OneX>";
    };
    struct Case {
        std::string xml;
        std::int32_t method;
    };
    const Case cases[] = {
        {eapProfile("true", peap), 25},
        {eapProfile("false", peap), 0},
        {eapProfile("TRUE", peap), 0},
        {eapProfile("true", ""), 0},
        {eapProfile("true", "<OneX/>"), 0},
        {eapProfile("true", withType(" 13abc")), 13},
        {eapProfile("true", withType("-4")), -4},
        {eapProfile("true", withType("none")), 0},
        {"<WLANProfile/>", 0},
        {"", 0},
        {"<WLANProfile", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(profileEapMethod(c.xml), c.method) << c.xml;
}

}  // namespace
}  // namespace zlx::wlan

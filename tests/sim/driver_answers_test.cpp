#include <gtest/gtest.h>

#include "sim/driver_requests.h"
#include "test_support.h"

namespace zlx::sim {
namespace {

using testing::driverRequest;
using testing::scenarioFrom;

constexpr std::uint8_t kUntouched = 0xEE;

DriverScenario driverFrom(const std::string& driverJson) {
    auto s =
        scenarioFrom(R"({"wlan": {"interfaces": [{"guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c",
                                                         "driver": )" +
                     driverJson + "}]}}");
    return s.wlan.interfaces.at(0).driver;
}

DriverScenario sampleDriver() {
    return driverFrom(R"({
        "vendorDescription": "Norvane ZLX",
        "txRate": 54, "rxRate": 48,
        "channel": {"frequencyMhz": 5180, "number": 36, "modeBits": "0x8000000E"},
        "countryCode": "DE", "countryExtra": "0x49",
        "txPower": 34,
        "powerSaveLevel": 16,
        "linkStatus": {"bssid": "00:1b:2c:3d:4e:5f", "txPowerCode": "0x11223344", "channel": 149,
                       "frequencyMhz": 5745, "rawQuality": "0xA1B2C3D4", "qualityPercent": 77,
                       "mfp": true, "wmm": 2, "shortPreamble": false,
                       "upTimeMs": "0x0102030405060708", "phyCapabilities": [13, 9, 4]},
        "statistics": {"encryptionErrors": 1, "rtsFrames": 2, "ctsFrames": 3, "noCtsFrames": 4,
                       "retriedRtsFrames": 5, "framesRetried": 6, "beaconsReceived": 7,
                       "framesReceivedWithErrors": 8, "crcErrors": 9, "apMismatches": 10,
                       "dataRateMismatches": 11, "authenticationTimeouts": 12,
                       "authenticationRejects": 13, "associationTimeouts": 14,
                       "associationRejects": 15, "standardMicOk": 16, "standardMicErrors": 17,
                       "ckipMicOk": 18, "ckipMicErrors": "0xFFFFFFFFFFFFFFFF"}
    })");
}

struct Field {
    std::size_t offset;
    std::size_t width;
    std::uint64_t value;
};

struct RequestCase {
    const char* name;
    std::uint32_t code;
    std::size_t requestSize;
    std::uint32_t lengthValue;
    std::size_t answerSize;
    std::vector<Field> fields;
};

std::uint64_t readField(std::span<const std::uint8_t> bytes, const Field& f) {
    switch (f.width) {
        case 1:
            return bytes[f.offset];
        case 2:
            return loadLe<std::uint16_t>(bytes, f.offset);
        case 4:
            return loadLe<std::uint32_t>(bytes, f.offset);
        default:
            return loadLe<std::uint64_t>(bytes, f.offset);
    }
}

class DriverRequestTest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(DriverRequestTest, AnswersEveryFieldAtItsOffset) {
    const RequestCase& c = GetParam();
    auto request = driverRequest(c.code, c.requestSize, c.lengthValue);
    std::vector<std::uint8_t> answer(c.answerSize, 0);
    DriverReply reply = answerDriverRequest(sampleDriver(), request, answer);

    EXPECT_EQ(reply.result, kErrorSuccess);
    EXPECT_EQ(reply.bytesReturned, c.answerSize);
    EXPECT_TRUE(std::equal(request.begin(), request.begin() + 32, answer.begin()))
        << "the header comes back as sent";
    for (const Field& f : c.fields) {
        EXPECT_EQ(readField(answer, f), f.value) << "offset " << f.offset;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Codes, DriverRequestTest,
    ::testing::Values(RequestCase{"TxRate", kReqTxRate, 36, 36, 36, {{32, 1, 54}, {33, 1, 0}}},
                      RequestCase{"RxRate", kReqRxRate, 36, 36, 36, {{32, 1, 48}}},
                      RequestCase{"ChannelInfo",
                                  kReqChannelInfo,
                                  40,
                                  40,
                                  40,
                                  {{32, 2, 5180}, {34, 1, 36}, {35, 1, 0}, {36, 4, 0x8000000E}}},
                      RequestCase{"CountryCode",
                                  kReqCountryCode,
                                  36,
                                  36,
                                  36,
                                  {{32, 1, 'D'}, {33, 1, 'E'}, {34, 1, 0x49}, {35, 1, 0}}},
                      RequestCase{"TxPower", kReqTxPower, 36, 36, 36, {{32, 1, 34}}},
                      RequestCase{"PowerSave", kReqPowerSave, 36, 36, 36, {{32, 1, 16}}},
                      RequestCase{"LinkStatus",
                                  kReqLinkStatus,
                                  360,
                                  227,
                                  360,
                                  {{32, 1, 0x00},
                                   {37, 1, 0x5F},
                                   {38, 4, 0x11223344},
                                   {42, 1, 149},
                                   {43, 4, 5745},
                                   {47, 4, 0},
                                   {51, 4, 0xA1B2C3D4},
                                   {55, 4, 77},
                                   {59, 1, 1},
                                   {60, 1, 2},
                                   {61, 1, 0},
                                   {62, 8, 0x0102030405060708},
                                   {70, 4, 0},
                                   {74, 4, 13},
                                   {78, 4, 9},
                                   {82, 4, 4},
                                   {86, 4, 0},
                                   {126, 4, 0}}},
                      RequestCase{"Statistics",
                                  kReqStatistics,
                                  360,
                                  328,
                                  360,
                                  {{32, 8, 1},   {40, 8, 0},   {72, 8, 0},
                                   {80, 8, 2},   {88, 8, 3},   {96, 8, 4},
                                   {104, 8, 5},  {112, 8, 6},  {120, 8, 7},
                                   {128, 8, 8},  {136, 8, 9},  {144, 8, 10},
                                   {152, 8, 11}, {160, 8, 12}, {168, 8, 13},
                                   {176, 8, 14}, {184, 8, 15}, {192, 8, 16},
                                   {200, 8, 17}, {208, 8, 18}, {216, 8, 0xFFFFFFFFFFFFFFFF},
                                   {224, 8, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VendorDescription, IsNulTerminatedTextAndReturnsItsLength) {
    auto request = driverRequest(kOidVendorDescription, 40, 0);
    std::vector<std::uint8_t> answer(128, kUntouched);
    DriverReply reply = answerDriverRequest(sampleDriver(), request, answer);
    EXPECT_EQ(reply.result, kErrorSuccess);
    EXPECT_EQ(reply.bytesReturned, 32u + 11 + 1);
    EXPECT_EQ(std::string(answer.begin() + 32, answer.begin() + 43), "Norvane ZLX");
    EXPECT_EQ(answer[43], 0);
    EXPECT_EQ(answer[44], kUntouched);
}

TEST(VendorDescription, TooLongForTheBufferIsCutWithoutNul) {
    DriverScenario driver;
    driver.vendorDescription = std::string(100, 'N');
    auto request = driverRequest(kOidVendorDescription, 40, 0);
    std::vector<std::uint8_t> buffer(200, kUntouched);
    std::span<std::uint8_t> answer(buffer.data(), 128);
    DriverReply reply = answerDriverRequest(driver, request, answer);
    EXPECT_EQ(reply.bytesReturned, 128u);
    EXPECT_EQ(buffer[127], 'N');
    EXPECT_EQ(buffer[128], kUntouched);
}

TEST(VendorDescription, EmptyTextIsJustTheNul) {
    std::vector<std::uint8_t> answer(128);
    auto reply =
        answerDriverRequest(DriverScenario{}, driverRequest(kOidVendorDescription, 40, 0), answer);
    EXPECT_EQ(reply.bytesReturned, 33u);
}

TEST(DriverAnswer, NeverWritesBeyondTheOfferedBuffer) {
    auto request = driverRequest(kReqLinkStatus, 360, 227);
    std::vector<std::uint8_t> buffer(360, kUntouched);
    DriverReply reply =
        answerDriverRequest(sampleDriver(), request, std::span<std::uint8_t>(buffer.data(), 53));
    EXPECT_EQ(reply.result, kErrorSuccess);
    EXPECT_EQ(reply.bytesReturned, 53u);
    EXPECT_EQ(loadLe<std::uint32_t>(buffer, 43), 5745u);
    EXPECT_EQ(buffer[51], 0xD4) << "the raw quality is cut after its first two bytes";
    EXPECT_EQ(buffer[52], 0xC3);
    EXPECT_EQ(buffer[53], kUntouched);
}

TEST(DriverAnswer, NoAnswerBufferReturnsNothing) {
    DriverReply reply = answerDriverRequest(sampleDriver(), driverRequest(kReqTxRate, 36, 36), {});
    EXPECT_EQ(reply.result, kErrorSuccess);
    EXPECT_EQ(reply.bytesReturned, 0u);
}

TEST(DriverAnswer, UnknownCodeIsNotSupported) {
    std::vector<std::uint8_t> answer(36, kUntouched);
    DriverReply reply =
        answerDriverRequest(sampleDriver(), driverRequest(0xFF000099, 36, 36), answer);
    EXPECT_EQ(reply.result, kErrorNotSupported);
    EXPECT_EQ(reply.bytesReturned, 0u);
    EXPECT_EQ(answer[0], kUntouched);
}

TEST(DriverAnswer, ListedUnsupportedCodesAreRefusedOthersStillAnswered) {
    DriverScenario driver = driverFrom(R"({"unsupportedCodes": ["0xFF000013", 4278190111]})");
    std::vector<std::uint8_t> answer(40);
    EXPECT_EQ(answerDriverRequest(driver, driverRequest(kReqChannelInfo, 40, 40), answer).result,
              kErrorNotSupported);
    EXPECT_EQ(answerDriverRequest(driver, driverRequest(kReqCountryCode, 36, 36), answer).result,
              kErrorNotSupported);
    EXPECT_EQ(answerDriverRequest(driver, driverRequest(kReqTxRate, 36, 36), answer).result,
              kErrorSuccess);
}

TEST(DriverAnswer, RefuseAllRefusesEvenTheVendorDescription) {
    DriverScenario driver = driverFrom(R"({"refuseAll": true, "vendorDescription": "Norvane"})");
    std::vector<std::uint8_t> answer(128);
    DriverReply reply =
        answerDriverRequest(driver, driverRequest(kOidVendorDescription, 40, 0), answer);
    EXPECT_EQ(reply.result, kErrorNotSupported);
    EXPECT_EQ(reply.bytesReturned, 0u);
}

TEST(DriverAnswer, OverrideWithHeaderOnlyAndFailureLeavesThePayloadAlone) {
    DriverScenario driver = sampleDriver();
    driver.overrides.push_back({kReqTxRate, kErrorGenFailure, 32});
    auto request = driverRequest(kReqTxRate, 36, 36);
    std::vector<std::uint8_t> answer(36, kUntouched);
    DriverReply reply = answerDriverRequest(driver, request, answer);
    EXPECT_EQ(reply.result, kErrorGenFailure);
    EXPECT_EQ(reply.bytesReturned, 32u);
    EXPECT_EQ(loadLe<std::uint32_t>(answer, 4), kReqTxRate);
    EXPECT_EQ(answer[32], kUntouched);
}

TEST(DriverAnswer, OverrideWithFullAnswerAndFailureStillFillsThePayload) {
    DriverScenario driver = sampleDriver();
    driver.overrides.push_back({kReqRxRate, kErrorGenFailure, 36});
    std::vector<std::uint8_t> answer(36, kUntouched);
    DriverReply reply = answerDriverRequest(driver, driverRequest(kReqRxRate, 36, 36), answer);
    EXPECT_EQ(reply.result, kErrorGenFailure);
    EXPECT_EQ(reply.bytesReturned, 36u);
    EXPECT_EQ(answer[32], 48);
    EXPECT_EQ(answer[33], 0);
}

TEST(DriverAnswer, OverrideCountIsCappedByTheBuffer) {
    DriverScenario driver;
    driver.overrides.push_back({kReqTxRate, kErrorSuccess, 1000});
    std::vector<std::uint8_t> answer(36);
    EXPECT_EQ(answerDriverRequest(driver, driverRequest(kReqTxRate, 36, 36), answer).bytesReturned,
              36u);
}

TEST(DriverAnswer, OverrideTakesPrecedenceOverUnsupported) {
    DriverScenario driver;
    driver.unsupportedCodes.push_back(kReqPowerSave);
    driver.overrides.push_back({kReqPowerSave, kErrorSuccess, 33});
    std::vector<std::uint8_t> answer(36);
    DriverReply reply = answerDriverRequest(driver, driverRequest(kReqPowerSave, 36, 36), answer);
    EXPECT_EQ(reply.result, kErrorSuccess);
    EXPECT_EQ(reply.bytesReturned, 33u);
}

TEST(DriverAnswer, RequestTooShortForItsCodeIsInvalid) {
    std::vector<std::uint8_t> answer(36);
    EXPECT_EQ(answerDriverRequest(sampleDriver(), std::vector<std::uint8_t>(7), answer).result,
              kErrorInvalidParameter);
}

}  // namespace
}  // namespace zlx::sim

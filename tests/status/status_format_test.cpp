// What leaves the program as CSV: text cells a spreadsheet would run as formulas are
// neutralised, numbers stay numbers, rows end in CR LF; the text block writes the pages' words as
// their statics draw them.

#include <gtest/gtest.h>

#include "status/status_format.h"

namespace zlx::status {
namespace {

LinkSample sampleWithSsid(const std::string& ssid) {
    LinkSample s;
    s.link.emplace();
    s.link->ssid = ssid;
    s.link->signalDbm = -51;
    s.link->rxRateMbps = 5.5;
    s.linkStatus = "Associated";
    return s;
}

// The sixth cell of a row, the SSID, as written: quotes and all.
std::string ssidCell(const std::string& row) {
    std::size_t cell = 0, start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (row[i] == '"') quoted = !quoted;
        if (quoted || row[i] != ',') continue;
        if (cell++ == 5) return row.substr(start, i - start);
        start = i + 1;
    }
    return std::string();
}

TEST(StatusCsv, FormulaCellsAreNeutralisedAndNumbersStayNumbers) {
    const struct {
        std::string ssid, cell;
    } cases[] = {
        {"ZLX-Office", "ZLX-Office"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"=HYPERLINK(\"http://x\",\"a,b\")", "\"'=HYPERLINK(\"\"http://x\"\",\"\"a,b\"\")\""},
        {"+1", "\"'+1\""},
        {"-5", "\"'-5\""},
        {"@SUM(A1)", "\"'@SUM(A1)\""},
        {"\tcmd", "\"'\tcmd\""},
        {"\rcmd", "\"'\rcmd\""},
        {"a=b", "a=b"},
    };
    for (const auto& c : cases) {
        const std::string row = csvSampleRow(sampleWithSsid(c.ssid));
        EXPECT_EQ(ssidCell(row), c.cell) << c.ssid;
        // The signal in dBm and the rate are numbers, never prefixed.
        EXPECT_NE(row.find(",-51,,5.5,"), std::string::npos) << row;
    }
    LinkEvent event;
    event.detail = "-hardware";
    EXPECT_NE(csvEventRow(event).find(",disconnect,\"'-hardware\","), std::string::npos);
}

TEST(StatusCsv, EveryRowEndsInCrLf) {
    LinkHistory history;
    LinkSample off = sampleWithSsid("a\nb");
    off.link->radioOn = true;
    history.add(off);
    off.link->radioOn = false;
    history.add(off);
    const std::string csv = historyCsv(history);
    std::size_t rows = 0;
    for (std::size_t at = csv.find('\n'); at != std::string::npos; at = csv.find('\n', at + 1)) {
        // The one line break inside the quoted SSID is the SSID's own.
        if (csv.compare(at - 1, 3, "a\nb") == 0) continue;
        EXPECT_EQ(csv[at - 1], '\r') << at;
        ++rows;
    }
    EXPECT_EQ(rows, 4u);  // the header, two samples, the radio going off
    EXPECT_TRUE(csvHeader().ends_with("framesDropped\r\n"));
}

TEST(StatusText, TheAdapterDescriptionIsEscapedLikeEveryValue) {
    StatusSnapshot s;
    s.adapterDescription = "Norvane\nSSID : fake\x1b[2J\xff";
    EXPECT_TRUE(formatStatusText(s).starts_with("Norvane\\nSSID : fake\\x1b[2J\\xff\n\n"))
        << formatStatusText(s);
}

}  // namespace
}  // namespace zlx::status

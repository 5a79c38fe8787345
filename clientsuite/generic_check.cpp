#include "clientsuite/generic_check.h"

#include "resources/string_table.h"
#include "testwindow/line_format.h"
#include "wlan/failure_text.h"

namespace zlx::clientsuite {

std::optional<std::string> detailLabel(const DetailLine& line) {
    if (line.labelId == 0) return std::nullopt;
    return resources::stringOr(line.labelId, "");
}

void GenericTest::reset() {
    resultText_.clear();
    details_.clear();
    status_ = TestStatus::NotRun;
}

void GenericTest::run(adapterinfo::AdapterDetails&, TestRunEnvironment&) {
    status_ = TestStatus::Failed;
}

void GenericTest::failWith(std::string cause, std::string remedy, TestSink& sink) {
    status_ = TestStatus::Failed;
    resultText_ = std::move(cause);
    advice_ = std::move(remedy);
    postTestBlock(sink);
}

void GenericTest::failForService(std::uint32_t openResult, TestSink& sink) {
    failWith(wlan::wlanFailureText(openResult), wlan::wlanFailureAdvice(openResult), sink);
}

void GenericTest::loadTexts(int nameId, int descriptionId) {
    name_ = resources::stringOr(nameId, "");
    description_ = resources::stringOr(descriptionId, "");
}

void GenericTest::appendDetail(const std::string& text) {
    details_.push_back({0, text});
}

void GenericTest::appendLabelled(int labelId, const std::string& value) {
    details_.push_back({labelId, value});
}

std::string GenericTest::details() const {
    std::string text;
    for (const DetailLine& line : details_) {
        const auto label = detailLabel(line);
        text += label ? testwindow::detailsLine(*label, line.value) : line.value;
        text += "\r\n";
    }
    return text;
}

void GenericTest::postHead(TestSink& sink) const {
    sink.line(testwindow::kLineName, name_);
    sink.line(testwindow::kLineDescription, description_);
}

void GenericTest::postTail(TestSink& sink) const {
    sink.line(testwindow::kLineDetails, details());
    sink.line(status_ == TestStatus::Passed ? testwindow::kLinePassed : testwindow::kLineFailed,
              resultText_);
    sink.line(testwindow::kLineAdvice, advice_);
    sink.line(testwindow::kLineEndOfBlock, {});
}

void GenericTest::postTestBlock(TestSink& sink) const {
    postHead(sink);
    postTail(sink);
}

}  // namespace zlx::clientsuite

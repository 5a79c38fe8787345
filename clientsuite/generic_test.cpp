#include "clientsuite/generic_test.h"

#include <algorithm>

#include "resources/string_table.h"
#include "testwindow/line_format.h"
#include "wlan/failure_text.h"

namespace zlx::clientsuite {

void padLabel(std::string& label) {
    if (label.size() % 2 != 0) label += ' ';
    while (label.size() <= 24) label += ". ";
    label += ": ";
}

void GenericTest::reset() {
    resultText_.clear();
    details_.clear();
    emptyValueLines_.clear();
    status_ = TestStatus::NotRun;
}

void GenericTest::run(adapterinfo::AdapterDetails&, TestRunEnvironment&) {
    status_ = TestStatus::Failed;
}

void GenericTest::failForService(std::uint32_t openResult, TestSink& sink) {
    status_ = TestStatus::Failed;
    resultText_ = wlan::wlanFailureText(openResult);
    advice_ = wlan::wlanFailureAdvice(openResult);
    postTestBlock(sink);
}

void GenericTest::loadTexts(int nameId, int descriptionId) {
    name_ = resources::stringOr(nameId, "");
    description_ = resources::stringOr(descriptionId, "");
}

void GenericTest::appendDetail(const std::string& text) {
    details_ += text;
    details_ += "\r\n";
}

void GenericTest::appendLabelled(int labelId, const std::string& value) {
    std::string label = resources::stringOr(labelId, "");
    padLabel(label);
    if (value.empty())
        emptyValueLines_.push_back(
            static_cast<std::size_t>(std::count(details_.begin(), details_.end(), '\n')));
    appendDetail(label + value);
}

void GenericTest::postHead(TestSink& sink) const {
    sink.line(testwindow::kLineName, name_);
    sink.line(testwindow::kLineDescription, description_);
}

void GenericTest::postTail(TestSink& sink) const {
    sink.line(testwindow::kLineDetails, details_);
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

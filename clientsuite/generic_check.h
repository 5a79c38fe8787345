#pragma once
// GenericTest: one client-managed test, its outcome and the block of lines that reports it.
// A test reports through a TestSink, so the test window and the report share one run of the
// same test objects.

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "adapterinfo/adapter_details.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/stop_signal.h"

namespace zlx::clientsuite {

enum class TestStatus : std::int32_t {
    Failed = 0,
    Passed = 1,
    NotRun = 2,
    Bypassed = 3,        // authentication not in use
    Aborted = 4,         // the IP configuration could not be read
    Authenticating = 5,  // still authenticating
};

// Where a run's tests report.
class TestSink {
  public:
    virtual ~TestSink() = default;
    // One line of a test block: a line kind of the test window and its text.
    virtual void line(std::uint32_t kind, const std::string& text) = 0;
    // The driver test waits here until there is somewhere to report; false when the program is
    // ending instead.
    virtual bool waitForWindow() = 0;
    // The network test is busy (the wait cursor) from its start to its end.
    virtual void busy(bool) {}
    virtual void pingStarting(const std::string&) {}
};

// What a run's tests use besides the adapter details.
struct TestRunEnvironment {
    platform::Platform& platform;
    platform::Clock& clock;
    platform::StopSignal& stop;
    platform::Guid selectedInterface;
    TestSink& sink;
    // Set when the adapter is taken from the machine during the run; none: nobody tells.
    const std::atomic<bool>* adapterRemoved = nullptr;
};

// One line of a test's details: a label (a string id) and its value, or a line of text alone.
struct DetailLine {
    int labelId = 0;  // 0: the value is a line of text without a label
    std::string value;
};

class GenericTest {
  public:
    GenericTest() = default;
    virtual ~GenericTest() = default;
    GenericTest(const GenericTest&) = delete;
    GenericTest& operator=(const GenericTest&) = delete;

    // Empties the result and details (the advice keeps its content) and marks the test not run;
    // each test then loads its name and description.
    virtual void reset();
    // Decides the outcome and reports the block through the run's sink.
    virtual void run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env);

    // The word by which scripts know the test, whatever the language of its name.
    virtual const char* id() const = 0;
    const std::string& name() const { return name_; }
    const std::string& description() const { return description_; }
    TestStatus status() const { return status_; }
    const std::string& result() const { return resultText_; }
    const std::vector<DetailLine>& detailLines() const { return details_; }
    // The details as the test window shows them: each label padded, every line ending with a
    // carriage return and line feed.
    std::string details() const;
    const std::string& advice() const { return advice_; }

  protected:
    void loadTexts(int nameId, int descriptionId);
    void appendDetail(const std::string& text);
    // A details line: a label and its value.
    void appendLabelled(int labelId, const std::string& value);
    void postHead(TestSink& sink) const;
    void postTail(TestSink& sink) const;
    void postTestBlock(TestSink& sink) const;

  public:
    // The test cannot run: fails with the cause as its result and the remedy as its advice,
    // and reports the block.
    void failWith(std::string cause, std::string remedy, TestSink& sink);
    // No wireless service to ask: the cause is wlan::wlanFailureText of the open's result.
    void failForService(std::uint32_t openResult, TestSink& sink);

  protected:
    std::string name_;
    std::string description_;
    std::string resultText_;
    std::vector<DetailLine> details_;
    std::string advice_;
    TestStatus status_ = TestStatus::NotRun;
};

// The label of a details line as its string reads, or nothing for a line without a label.
std::optional<std::string> detailLabel(const DetailLine& line);

}  // namespace zlx::clientsuite

#pragma once
// GenericTest: one client-managed test, its outcome and the block of lines that reports it.
// A test reports through a TestSink, so the test window and the report share one run of the
// same test objects.

#include <cstdint>
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
    const std::string& details() const { return details_; }
    const std::string& advice() const { return advice_; }
    // The details lines (counted from 0, one per line feed) that are a label whose value was
    // empty: the window shows the label alone, the report says so in words.
    const std::vector<std::size_t>& emptyValueLines() const { return emptyValueLines_; }

  protected:
    void loadTexts(int nameId, int descriptionId);
    void appendDetail(const std::string& text);
    // A details line: the padded label, then the value.
    void appendLabelled(int labelId, const std::string& value);
    void postHead(TestSink& sink) const;
    void postTail(TestSink& sink) const;
    void postTestBlock(TestSink& sink) const;

  public:
    // The test cannot run: there was no wireless service to ask. Fails with the cause
    // (wlan::wlanFailureText) and its remedy as the advice, and reports the block.
    void failForService(std::uint32_t openResult, TestSink& sink);

  protected:
    std::string name_;
    std::string description_;
    std::string resultText_;
    std::string details_;
    std::string advice_;
    std::vector<std::size_t> emptyValueLines_;
    TestStatus status_ = TestStatus::NotRun;
};

// Pads a details label to 28 characters with period-blank pairs and ends it with ": ". A label
// longer than 26 characters only gets the colon and blank (after a blank when its length is
// odd).
void padLabel(std::string& label);

}  // namespace zlx::clientsuite

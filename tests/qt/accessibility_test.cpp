// What a screen reader finds: at every picture of the tour and of the Signal History, each
// window's accessibility tree holds every control, each with its role, a name (a value named by
// its label) and its value as text; the test window's log reads line by line.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <map>
#include <set>

#include "launcher/scripted_run.h"
#include "qt/graph_view.h"
#include "qt/renderer.h"
#include "qt/rich_text_view.h"
#include "qt/window_view.h"
#include "support/picture_scripts.h"

namespace zlx::qt {
namespace {

QAccessible::Role expectedRole(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    if (qobject_cast<const QPushButton*>(widget)) return QAccessible::Button;
    if (qobject_cast<const QRadioButton*>(widget)) return QAccessible::RadioButton;
    if (qobject_cast<const QGroupBox*>(widget)) return QAccessible::Grouping;
    if (qobject_cast<const QComboBox*>(widget)) return QAccessible::ComboBox;
    if (qobject_cast<const QLineEdit*>(widget)) return QAccessible::EditableText;
    if (qobject_cast<const QProgressBar*>(widget)) return QAccessible::ProgressBar;
    if (dynamic_cast<const GraphView*>(widget)) return QAccessible::Chart;
    if (dynamic_cast<const RichTextView*>(widget)) return QAccessible::EditableText;
    return QAccessible::NoRole;
}

// One picture's windows as a screen reader finds them: the names, and "window/name" -> value.
struct Reading {
    std::set<std::string> names;
    std::map<std::string, std::string> values;
    std::vector<std::string> faults;
};

void walk(QAccessibleInterface* node, std::set<const QWidget*>& seen, Reading& reading,
          const std::string& window) {
    auto* widget = qobject_cast<QWidget*>(node->object());
    if (widget && widget->objectName().startsWith(QStringLiteral("control-")) &&
        widget->isVisibleTo(widget->window())) {
        seen.insert(widget);
        const std::string where = window + "/" + widget->objectName().toStdString();
        const std::string name = node->text(QAccessible::Name).toStdString();
        const std::string value = node->text(QAccessible::Value).toStdString();
        if (node->role() != expectedRole(widget))
            reading.faults.push_back(where + ": role " + std::to_string(node->role()));
        auto* label = qobject_cast<QLabel*>(widget);
        auto* group = qobject_cast<QGroupBox*>(widget);
        const bool saysNothing =
            (label && label->text().isEmpty()) || (group && group->title().isEmpty());
        if (name.empty() && !saysNothing && node->role() != QAccessible::Graphic)
            reading.faults.push_back(where + ": no name");
        if (label && !value.empty()) {
            const QString shown = label->toolTip().isEmpty() ? label->text() : label->toolTip();
            if (value != shown.toStdString() || name == value)
                reading.faults.push_back(where + ": value \"" + value + "\" for \"" +
                                         shown.toStdString() + "\" named \"" + name + "\"");
        }
        if (!name.empty()) reading.names.insert(window + "/" + name);
        // A value under its label's name; the first of a name, the signal bar before the word
        // beside it.
        if (!value.empty()) reading.values.emplace(window + "/" + name, value);
    }
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i)) walk(child, seen, reading, window);
}

Reading readWindows() {
    Reading reading;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* view = dynamic_cast<WindowView*>(top);
        if (!view || !view->isVisible()) continue;
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(view);
        const std::string title = window->text(QAccessible::Name).toStdString();
        if (title.empty()) reading.faults.push_back("a window without a name");
        std::set<const QWidget*> seen;
        walk(window, seen, reading, title);
        for (QWidget* control : view->findChildren<QWidget*>())
            if (control->objectName().startsWith(QStringLiteral("control-")) &&
                control->isVisibleTo(view) && !seen.count(control))
                reading.faults.push_back(title + "/" + control->objectName().toStdString() +
                                         ": not in the tree");
    }
    return reading;
}

class ReadingFrontEnd final : public launcher::ScriptFrontEnd {
  public:
    ReadingFrontEnd(launcher::Program& program, std::map<std::string, Reading>& readings)
        : renderer_(program.desktop(), QApplication::font()), readings_(readings) {}
    void showHelp(const std::string&) override {}
    void shot(const std::string&, const std::string& name) override {
        readings_[name] = readWindows();
        // The test window's log, line by line.
        for (QWidget* top : QApplication::topLevelWidgets())
            for (auto* log : top->findChildren<RichTextView*>()) {
                if (!log->isVisible()) continue;
                QAccessibleTextInterface* text =
                    QAccessible::queryAccessibleInterface(log)->textInterface();
                const QString whole = text->text(0, text->characterCount());
                const int second = whole.indexOf(QLatin1Char('\n')) + 1;
                int start = 0, end = 0;
                readings_[name].values["log line 2"] =
                    text->textAtOffset(second + 1, QAccessible::LineBoundary, &start, &end)
                        .trimmed()
                        .toStdString();
            }
    }
    void settle() override {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

  private:
    Renderer renderer_;
    std::map<std::string, Reading>& readings_;
};

TEST(AccessibilityTest, EveryWindowOfTheTourIsNamedRoledAndValued) {
    std::map<std::string, Reading> readings;
    zlx::testing::runWindowPictureScripts([&readings](launcher::Program& program) {
        return std::make_unique<ReadingFrontEnd>(program, readings);
    });
    EXPECT_EQ(readings.size(), 12u);
    for (const auto& [shot, reading] : readings)
        for (const std::string& fault : reading.faults) ADD_FAILURE() << shot << ": " << fault;

    // A few values as the user hears them.
    const struct {
        std::string shot, name, value;
    } heard[] = {
        {"current-status", "ZLX Client Diagnostics/Link Status", "Associated"},
        {"current-status", "ZLX Client Diagnostics/Signal Strength", "Good, 60 %"},
        {"advanced", "Advanced Status/Network Name (SSID)", "ZLX-Office"},
        {"client-run", "log line 2", "This test is to check the radio driver installation."},
        {"after-40-s", "Signal History/Signal History",
         "Strength -42 dBm, Quality 97 %; Receive 130 Mbps, Transmit 144 Mbps; marks: Radio off, "
         "Disconnect, Radio on, Reconnect, Roam"},
    };
    EXPECT_TRUE(readings["client-run"].names.count("ZLX Client Diagnostics/Diagnostic Messages"));
    EXPECT_TRUE(
        readings["troubleshooting"].names.count("ZLX Client Diagnostics/Client Managed Tests"));
    for (const auto& h : heard) {
        SCOPED_TRACE(h.shot + " " + h.name);
        ASSERT_TRUE(readings.count(h.shot));
        const auto& values = readings[h.shot].values;
        auto found = values.find(h.name);
        ASSERT_NE(found, values.end());
        EXPECT_EQ(found->second, h.value);
    }
}

}  // namespace
}  // namespace zlx::qt

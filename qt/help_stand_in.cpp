#include "qt/help_stand_in.h"

#include <QVBoxLayout>

#include "qt/icons.h"
#include "qt/renderer.h"
#include "qt/text_fit.h"
#include "resources/dialogs.h"

namespace zlx::qt {

namespace {
constexpr int kWidth = 420;
}  // namespace

HelpStandIn::HelpStandIn() : label_(new QLabel(this)) {
    setObjectName(QStringLiteral("simulated-help"));
    setWindowTitle(QStringLiteral("HTML Help"));
    setWindowIcon(qt::windowIcon(resources::kIconProgram));
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(true);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    setFixedWidth(kWidth);
}

void HelpStandIn::showFor(const std::string& path) {
    label_->setText(QStringLiteral("This simulated machine has no help viewer. On Windows, the "
                                   "help window would open here, showing the default topic of "
                                   "the help file\n\n%1")
                        .arg(fromModel(path)));
    adjustSize();
    show();
    if (platformStacksWindows()) raise();
}

}  // namespace zlx::qt

#include "qt/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSet>
#include <filesystem>

#include "qt/rich_text_view.h"
#include "ui/window_menu.h"

namespace zlx::qt {

namespace {
constexpr int kBorder = 1;
constexpr int kTitleIconSize = 16;
constexpr int kTitlePadding = 4;
}  // namespace

QImage framedPicture(QWidget& window) {
    QPixmap client = window.grab();
    QFont titleFont = window.font();
    titleFont.setBold(true);
    QFontMetrics metrics(titleFont);
    int titleHeight = std::max(metrics.height(), kTitleIconSize) + 2 * kTitlePadding;
    QImage picture(client.width() + 2 * kBorder, client.height() + titleHeight + 2 * kBorder,
                   QImage::Format_ARGB32);
    QPalette palette = window.palette();
    picture.fill(palette.color(QPalette::Dark));
    QPainter painter(&picture);
    QRect bar(kBorder, kBorder, client.width(), titleHeight);
    painter.fillRect(bar, palette.color(QPalette::Active, QPalette::Highlight));
    int x = bar.left() + kTitlePadding;
    QIcon icon = window.windowIcon();
    if (!icon.isNull()) {
        painter.drawPixmap(x, bar.top() + (titleHeight - kTitleIconSize) / 2,
                           icon.pixmap(kTitleIconSize, kTitleIconSize));
        x += kTitleIconSize + kTitlePadding;
    }
    painter.setFont(titleFont);
    painter.setPen(palette.color(QPalette::Active, QPalette::HighlightedText));
    painter.drawText(QRect(x, bar.top(), bar.right() - x, titleHeight),
                     Qt::AlignVCenter | Qt::AlignLeft, window.windowTitle());
    painter.drawPixmap(kBorder, kBorder + titleHeight, client);
    return picture;
}

ScreenshotResult writeScreenshots(const Renderer& renderer, const QString& dir,
                                  const QString& name) {
    // Pending layout and paint requests first, and the lines a log holds back for its next
    // frame, so the picture shows the model as it is now.
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* log = dynamic_cast<RichTextView*>(widget)) log->flush();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    ScreenshotResult result;
    std::error_code error;
    std::filesystem::create_directories(dir.toStdString(), error);
    if (error) {
        result.error = "cannot create " + dir.toStdString() + ": " + error.message();
        return result;
    }
    // The model's windows, and the front end's stand-in for the help viewer when it shows.
    std::vector<WindowView*> views = renderer.topLevelViews();
    std::vector<QWidget*> windows(views.begin(), views.end());
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("simulated-help")) windows.push_back(widget);
    QSet<QString> used;
    for (QWidget* view : windows) {
        if (!view->isVisible() || view->isMinimized()) continue;
        QString slug = QString::fromStdString(ui::titleSlug(view->windowTitle().toStdString()));
        QString unique = slug;
        for (int n = 2; used.contains(unique); ++n) unique = slug + QStringLiteral("-%1").arg(n);
        used.insert(unique);
        QString path =
            QDir(dir).filePath(name + QLatin1Char('-') + unique + QStringLiteral(".png"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !framedPicture(*view).save(&file, "PNG")) {
            result.error =
                "cannot write " + path.toStdString() + ": " + file.errorString().toStdString();
            return result;
        }
        result.written.push_back(path);
    }
    return result;
}

}  // namespace zlx::qt

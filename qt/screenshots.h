#pragma once
// Pictures of the model's windows as the renderer draws them, for the script's "shot" command.

#include <QImage>
#include <QString>
#include <string>
#include <vector>

#include "qt/renderer.h"

namespace zlx::qt {

// The window with a plain title bar (icon and title) above its client area, so a picture shows
// which window it is even where the platform draws no frame.
QImage framedPicture(QWidget& window);

struct ScreenshotResult {
    std::vector<QString> written;
    // Why a picture could not be written (the folder or the file, and the system's reason);
    // empty when every picture was written.
    std::string error;
};

// Writes `dir`/`name`-<slug>.png for every visible, not minimised top-level window, creating
// `dir` when needed; a second window of the same title gets "-2", "-3" ... It stops at the
// first picture that cannot be written.
ScreenshotResult writeScreenshots(const Renderer& renderer, const QString& dir,
                                  const QString& name);

}  // namespace zlx::qt

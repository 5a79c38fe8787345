#pragma once
// Screen readers read the windows through Qt's accessibility tree (bridged to AT-SPI on Linux).
// The model's statics, its signal bar and its graph answer there with what ui::accessibleText
// says of them: a value named by its label, and its value as text, which Qt's own interfaces
// for a label, a bar or a plain widget do not give.

namespace zlx::qt {

// Adds the interfaces to Qt's; adding them again changes nothing.
void installAccessibility();

}  // namespace zlx::qt

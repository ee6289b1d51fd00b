#include "QtFileDialog.h"

namespace pitwright {

// Placeholder until the real dialog lands.
std::optional<std::string> QtFileDialog::showSave() { return std::nullopt; }
std::optional<std::string> QtFileDialog::showOpen() { return std::nullopt; }

} // namespace pitwright

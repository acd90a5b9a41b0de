// The log file's save dialog ("Browse" on the Logging page).
#pragma once

#include <string>

namespace ui {

// Like any file dialog it keeps the name it last held from one browse to the next: the name it
// proposed, or the path chosen in it.
struct LogFileDialog {
    std::string fileName;
};

}  // namespace ui

#pragma once
#include <string>

namespace brenvik::ui {

// The fixed start of the main window's caption.
std::string MainTitleBase();

// The main window's caption: the base, the single-mode mark, and the file name in brackets.
std::string MainCaption(const std::string& strTitleBase, bool blnSingleMode,
                        const std::string& strFileName);

}  // namespace brenvik::ui

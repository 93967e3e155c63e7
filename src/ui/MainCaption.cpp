#include "ui/MainCaption.h"

#include "app/AppInfo.h"
#include "app/basStandard.h"

namespace brenvik::ui {

std::string MainTitleBase() {
    return std::string(" Talvenmoore  ") + app::Title + " ";
}

std::string MainCaption(const std::string& strTitleBase, bool blnSingleMode,
                        const std::string& strFileName) {
    std::string caption = strTitleBase;
    if (blnSingleMode) caption += " [SINGLE MODE]";
    if (!strFileName.empty()) caption += " - [" + basStandard::FileNameOfPath(strFileName) + "]";
    return caption;
}

}  // namespace brenvik::ui

#pragma once

class QApplication;

namespace brenvik::ui {

// Fonts, Qt's own Japanese texts and the locale; call before the first widget is made.
void setUpApplication(QApplication& app);

}  // namespace brenvik::ui

#pragma once
#include "app/Screen.h"

namespace brenvik::ui {

// Logical DPI of the primary screen, 96 without one.
class QtScreen final : public Screen {
  public:
    double logicalDpiX() const override;
    double logicalDpiY() const override;
};

}  // namespace brenvik::ui

#pragma once
#include <QWidget>

class QLabel;

namespace brenvik::ui {

// The loading window: the logo and the legal notice, shown while the start-up reads the
// settings and the pattern library. It has nothing to operate.
class frmLoadQel : public QWidget {
    Q_OBJECT
  public:
    explicit frmLoadQel(QWidget* parent = nullptr);

    // Shows the window without blocking and paints it at once: the slow steps that follow
    // give the event loop no chance to.
    void ShowNow();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLabel* lblCopyright = nullptr;
};

}  // namespace brenvik::ui

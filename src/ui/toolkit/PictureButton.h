#pragma once
#include <QAbstractButton>
#include <functional>

namespace brenvik::ui {

// An owner-drawn picture button: a drawn picture over a caption, with a normal and a
// selected form (the page buttons of the tool bar).
class PictureButton : public QAbstractButton {
    Q_OBJECT
  public:
    // Draws the picture into the given square; `selected` asks for the selected form.
    using Picture = std::function<void(QPainter&, const QRect&, bool selected)>;

    PictureButton(const QString& caption, Picture picture, QWidget* parent = nullptr);

    void setSelected(bool on);
    bool isSelected() const { return selected_; }

    QSize sizeHint() const override { return {64, 64}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    Picture picture_;
    bool selected_ = false;
    bool hover_ = false;
};

}  // namespace brenvik::ui

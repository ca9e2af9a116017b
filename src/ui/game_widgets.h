// The game screen's own widgets: pictures drawn from the artwork at their control's size, and
// the outlined rectangles of the pressed look, the answer frame and the Combat borders.
#pragma once

#include <QString>
#include <QWidget>

namespace varodex::ui {

// A picture stretched over the whole widget. It takes no mouse events unless told to, so a
// picture lying over a square never steals the square's click.
class PictureBox : public QWidget {
  public:
    PictureBox(const QString& resource, QWidget* parent);

    void set_picture(const QString& resource);
    const QString& picture() const { return resource_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString resource_;
};

// The outline of a rectangle in the text colour, `border` pixels wide, drawn on the edge as the
// window's shapes are: half of it outside the control's place, half inside. The widget is the
// control's place grown by grow() on every side.
class FrameShape : public QWidget {
  public:
    FrameShape(int border, QWidget* parent);

    int border() const { return border_; }
    int grow() const { return border_ / 2; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int border_;
};

}  // namespace varodex::ui

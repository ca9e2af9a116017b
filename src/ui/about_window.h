// The about box: borderless, on the splash picture; a click on it closes it.
#pragma once

#include <memory>

#include <QWidget>

#include "platform/window_host.h"
#include "shell/about_box.h"

class QLabel;

namespace varodex::ui {

class AboutWindow : public QWidget {
    Q_OBJECT

  public:
    explicit AboutWindow(std::shared_ptr<AboutBox> presenter, QWidget* parent = nullptr);

    const AboutBox& presenter() const { return *presenter_; }

    static constexpr int client_width = 536;
    static constexpr int client_height = 284;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::shared_ptr<AboutBox> presenter_;
    QLabel* maker_label_ = nullptr;
    QLabel* title_label_ = nullptr;
};

}  // namespace varodex::ui

// The goodbye screen: greets the player; leaving it in any way ends the program.
#pragma once

#include <memory>

#include <QWidget>

#include "platform/window_host.h"
#include "shell/goodbye.h"
#include "state/shared_state.h"

namespace varodex::ui {

class GoodbyeWindow : public QWidget {
    Q_OBJECT

  public:
    explicit GoodbyeWindow(std::shared_ptr<GoodbyePresenter> presenter, QWidget* parent = nullptr);

    const GoodbyePresenter& presenter() const { return *presenter_; }

    static constexpr int client_width = 420;
    static constexpr int client_height = 260;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    std::shared_ptr<GoodbyePresenter> presenter_;
};

}  // namespace varodex::ui

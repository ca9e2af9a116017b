// The sign-in window: a thin view of the SignIn presenter.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "players/sign_in.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace varodex::ui {

class SignInWindow : public QWidget {
    Q_OBJECT

  public:
    explicit SignInWindow(std::shared_ptr<SignIn> presenter, QWidget* parent = nullptr);
    ~SignInWindow() override;

    static constexpr int client_width = 480;
    static constexpr int client_height = 400;

    const SignIn& presenter() const { return *presenter_; }


  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void place_on_screen();
    // Runs one event handler of the presenter, then shows what it changed, unless the
    // handler closed and removed this window.
    template <typename Handler>
    void forward(Handler handler);
    void render();

    std::shared_ptr<SignIn> presenter_;
    bool rendering_ = false;

    // The widgets keep the names of the controls they show.
    std::array<QLabel*, 2> Label1{};
    QLabel* Label2 = nullptr;
    QLineEdit* player_name_textbox = nullptr;
    QPushButton* ok_button = nullptr;
    QLabel* Label3 = nullptr;
    QListWidget* player_name_list = nullptr;
    QPushButton* exit_command = nullptr;
    QLabel* Image1 = nullptr;
};

}  // namespace varodex::ui

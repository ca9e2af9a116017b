// The game screen window: a thin view over the GameScreen presenter. It builds the widgets of
// every control, forwards clicks, presses, keys, menu choices, the close box and its two timers
// to the presenter, and after each event shows what changed.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "game/game_screen.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace varodex::ui {

class PictureBox;

class GameWindow : public QMainWindow {
    Q_OBJECT

  public:
    // The window keeps the presenter for as long as it lives; the host makes a fresh one for
    // every game.
    explicit GameWindow(std::shared_ptr<GameScreen> presenter, QWidget* parent = nullptr);
    ~GameWindow() override;

    static constexpr int client_width = 632;
    static constexpr int client_height = 405;

    const GameScreen& presenter() const { return *presenter_; }
    // Timer1 and Timer2; tests stop them and tick by hand.
    QTimer& game_timer() { return game_timer_; }
    QTimer& feedback_timer() { return feedback_timer_; }
    // What the timers call: the presenter's tick, then a render.
    void game_timer_tick();
    void feedback_timer_tick();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  public:
    // Which control of the screen a widget shows.
    using ControlOf = std::function<const Control&(const GameScreenControls&)>;
    // For a widget that does not sit exactly at its control's place: where the view puts it.
    using Placement = std::function<Control(const Control&)>;

  private:
    struct Bound {
        QWidget* widget;
        ControlOf control;
        Placement placement;
    };

    // Building, back to front: what is made later lies in front.
    void build_widgets();
    void build_table(QWidget* client);
    void build_answer_area(QWidget* client);
    void build_feedback(QWidget* client);
    void build_combat(QWidget* client);
    void build_start_button(QWidget* client);
    void build_status_strip(QWidget* client);
    void build_chalk_board(QWidget* client);
    void build_first_visit_boxes(QWidget* client);

    QLabel* add_label(QWidget* parent, ControlOf control, const QFont& font,
                      Qt::Alignment alignment, bool opaque, bool autosize);
    PictureBox* add_picture(QWidget* parent, ControlOf control, const QString& name);
    void bind(QWidget* widget, ControlOf control, Placement placement = {});

    // Runs a presenter handler, then shows what changed. A tick that arrives while a handler
    // waits on a message box is dropped: a timer never interrupts a handler.
    void forward(const std::function<void()>& handler);
    void render();
    void render_special(const GameScreenControls& now, const GameScreenControls* before);
    void menu_clicked(const std::string& name, int index);

    bool mouse_event(int square, QWidget* widget, QEvent* event);

    std::shared_ptr<GameScreen> presenter_;
    GameScreenControls shown_;
    std::vector<MenuEntry> shown_menu_;
    unsigned long shown_revision_ = 0;
    bool rendered_once_ = false;
    bool busy_ = false;
    bool closed_ = false;

    std::vector<Bound> bound_;
    std::array<PictureBox*, square_count> backdrops_{};
    std::array<QLabel*, square_count> squares_{};
    std::array<QCheckBox*, choice_count> choices_{};
    QLabel* formula_label_ = nullptr;
    QWidget* start_image_ = nullptr;
    QPushButton* skip_button_ = nullptr;
    std::vector<QWidget*> player_labels_;
    QWidget* pressed_ = nullptr;  // the control the mouse button went down on

    // Children of the window, so a host that takes the window away can stop them.
    QTimer game_timer_{this};
    QTimer feedback_timer_{this};
};

}  // namespace varodex::ui

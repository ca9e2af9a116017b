#include "game_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

#include "control_view.h"
#include "game_widgets.h"
#include "qt_platform.h"
#include "shell_widgets.h"

namespace varodex::ui {

namespace {

// Targets of the mouse besides the squares, which go by their index.
constexpr int start_target = -1;
constexpr int player_target = -2;

const QString plain_backdrop = QStringLiteral(":/images/puzzle_square_background.svg");
const QString yellow_backdrop = QStringLiteral(":/images/puzzle_square_background_yellow.svg");

}  // namespace

GameWindow::GameWindow(std::shared_ptr<GameScreen> presenter, QWidget* parent)
    : QMainWindow(parent), presenter_(std::move(presenter)) {
    setWindowIcon(QIcon(QStringLiteral(":/images/icon.svg")));
    build_widgets();
    render();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    center_on_screen(*this);

    connect(&game_timer_, &QTimer::timeout, this, &GameWindow::game_timer_tick);
    connect(&feedback_timer_, &QTimer::timeout, this, &GameWindow::feedback_timer_tick);
    game_timer_.start();
    feedback_timer_.start();
}

GameWindow::~GameWindow() = default;

void GameWindow::forward(const std::function<void()>& handler) {
    if (closed_) return;
    // The host closes the window from inside a handler and deletes it later; should it go at
    // once after all, nothing here touches it again.
    QPointer<GameWindow> self(this);
    const bool was_busy = busy_;
    busy_ = true;
    handler();
    if (self.isNull()) return;
    busy_ = was_busy;
    render();
}

void GameWindow::game_timer_tick() {
    if (busy_) return;
    forward([this] { presenter_->game_timer_tick(); });
}

void GameWindow::feedback_timer_tick() {
    if (busy_) return;
    forward([this] { presenter_->feedback_timer_tick(); });
}

void GameWindow::menu_clicked(const std::string& name, int index) {
    forward([&] { presenter_->menu_click(name, index); });
}

void GameWindow::render() {
    if (closed_) return;
    const unsigned long revision = presenter_->revision();
    if (rendered_once_ && revision == shown_revision_) return;
    const GameScreenControls& now = presenter_->controls();
    const GameScreenControls* before = rendered_once_ ? &shown_ : nullptr;

    for (const Bound& b : bound_) {
        const Control& c = b.control(now);
        if (!b.placement) {
            apply_control(b.widget, c, before ? &b.control(*before) : nullptr);
            continue;
        }
        const Control placed = b.placement(c);
        if (before == nullptr) {
            apply_control(b.widget, placed);
        } else {
            const Control was = b.placement(b.control(*before));
            apply_control(b.widget, placed, &was);
        }
    }
    render_special(now, before);

    const std::vector<MenuEntry>& menu = presenter_->menu_bar();
    if (!rendered_once_ || menu != shown_menu_) {
        // A menu click is handled once its menu has closed: the rebuild deletes its action.
        build_menu_bar(menuBar(), menu, [this](const std::string& name, int index) {
            QMetaObject::invokeMethod(
                this, [this, name, index] { menu_clicked(name, index); }, Qt::QueuedConnection);
        });
        shown_menu_ = menu;
    }
    shown_ = now;
    shown_revision_ = revision;
    rendered_once_ = true;
}

void GameWindow::render_special(const GameScreenControls& now, const GameScreenControls* before) {
    if (!before || before->window_title != now.window_title) setWindowTitle(qs(now.window_title));
    if (!before || before->form_pointer != now.form_pointer) {
        centralWidget()->setCursor(cursor_for(now.form_pointer));
    }
    for (int i = 0; i < square_count; ++i) {
        const bool yellow = now.puzzle_square_background[i].yellow;
        if (!before || before->puzzle_square_background[i].yellow != yellow) {
            backdrops_[i]->set_picture(yellow ? yellow_backdrop : plain_backdrop);
        }
    }
    if (!before || before->formula_label_alignment != now.formula_label_alignment) {
        const Qt::Alignment across =
            now.formula_label_alignment == Alignment::centre  ? Qt::AlignHCenter
            : now.formula_label_alignment == Alignment::right ? Qt::AlignRight
                                                              : Qt::AlignLeft;
        formula_label_->setAlignment(across | Qt::AlignTop);
    }
    const auto timer = [](QTimer& qt, const TimerControl& t, const TimerControl* was) {
        if (was && *was == t) return;
        qt.setInterval(t.interval_ms);
        if (!t.enabled) qt.stop();
        if (t.enabled && was && !was->enabled) qt.start();
    };
    timer(game_timer_, now.Timer1, before ? &before->Timer1 : nullptr);
    timer(feedback_timer_, now.Timer2, before ? &before->Timer2 : nullptr);
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr) {
        if (widget == start_image_) return mouse_event(start_target, widget, event);
        for (int i = 0; i < square_count; ++i) {
            if (widget == squares_[i]) return mouse_event(i, widget, event);
        }
        for (QWidget* label : player_labels_) {
            if (widget == label) return mouse_event(player_target, widget, event);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool GameWindow::mouse_event(int target, QWidget* widget, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return true;
            pressed_ = widget;
            if (target == start_target) {
                forward([this] { presenter_->start_mouse_down(); });
            } else if (target >= 0) {
                forward([this, target] { presenter_->square_mouse_down(target); });
            }
            return true;
        }
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (pressed_ != widget || !(mouse->buttons() & Qt::LeftButton)) return true;
            const QPoint at = mouse->position().toPoint();
            if (target == start_target) {
                forward([this, at] { presenter_->start_mouse_move(at.x(), at.y()); });
            } else if (target >= 0) {
                forward(
                    [this, target, at] { presenter_->square_mouse_move(target, at.x(), at.y()); });
            }
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return true;
            // A click is a press and a release on the same control.
            const bool click =
                pressed_ == widget && widget->rect().contains(mouse->position().toPoint());
            pressed_ = nullptr;
            if (!click) return true;
            if (target == start_target) {
                forward([this] { presenter_->new_problem(); });
            } else if (target == player_target) {
                forward([this] { presenter_->player_label_click(); });
            } else {
                forward([this, target] { presenter_->answer_square_click(target); });
            }
            return true;
        }
        case QEvent::MouseButtonDblClick:
            // The second press of a double click makes no second click.
            return true;
        default:
            return false;
    }
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (presenter_->controls().key_preview && !text.isEmpty() && text.at(0).unicode() < 128) {
        const char key = static_cast<char>(text.at(0).unicode());
        forward([this, key] { presenter_->combat_key_press(key); });
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void GameWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Now the frame is known, the window can centre itself with it.
    if (!event->spontaneous()) center_on_screen(*this);
}

void GameWindow::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    // The quit question may wait on a message box: the timers wait with it.
    QPointer<GameWindow> self(this);
    const bool was_busy = busy_;
    busy_ = true;
    const bool agreed = presenter_->close_requested();
    if (self.isNull()) return;
    busy_ = was_busy;
    if (!agreed) {
        event->ignore();
        render();
        return;
    }
    closed_ = true;
    game_timer_.stop();
    feedback_timer_.stop();
    event->accept();
}

}  // namespace varodex::ui

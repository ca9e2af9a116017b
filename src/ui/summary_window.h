// The score summary window: draws the summary presenter's controls, forwards clicks, menu
// choices, the close box and the two timers to it.
#pragma once

#include <memory>

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <utility>
#include <vector>

#include "results/summary.h"

class QAction;
class QLabel;
class QPushButton;

namespace varodex::ui {

class SummaryWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit SummaryWindow(std::shared_ptr<SummaryPresenter> presenter, QWidget* parent = nullptr);

    const SummaryPresenter& presenter() const { return *presenter_; }
    // The ladder animation and the end of the promotion wait; exposed for tests.
    QTimer& animation_timer() { return animation_timer_; }
    QTimer& promotion_timer() { return promotion_timer_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    using Member = Control SummaryScreen::*;

    void build_widgets();
    void build_left_column(QWidget* client);
    void build_rank_panels(QWidget* client);
    void build_bottom(QWidget* client);
    void build_promotion_panel(QWidget* client);
    void build_menus();
    void add_menu_entries(QWidget* menu, const std::vector<MenuEntry>& entries, bool tickable);

    QLabel* bound_label(QWidget* parent, Member member, const QFont& font, const char* colour,
                        Qt::Alignment alignment);
    void bind(QWidget* widget, Member member) { bound_.emplace_back(member, widget); }

    // Runs a presenter handler, then shows what changed unless the window went away.
    template <typename Handler>
    void forward(Handler&& handler);
    void render();
    void render_menus(const std::vector<MenuEntry>& entries, std::size_t& next);
    void render_control(QWidget* widget, const Control& now, const Control* before);
    void center_on_screen();

    std::shared_ptr<SummaryPresenter> presenter_;
    SummaryScreen shown_;  // what the widgets show, so a render touches only changes
    bool rendered_once_ = false;

    std::vector<std::pair<Member, QWidget*>> bound_;
    std::array<QLabel*, ladder_label_count> rungs_{};
    std::array<QLabel*, ladder_label_count> rung_shadows_{};
    std::vector<QAction*> actions_;  // in the order of a walk through the menu tree

    // Children of the window, so a host that takes the window away can stop them.
    QTimer animation_timer_{this};
    QTimer promotion_timer_{this};
};

}  // namespace varodex::ui

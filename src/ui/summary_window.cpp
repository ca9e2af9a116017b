#include "summary_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>

#include "qt_platform.h"

namespace varodex::ui {

namespace {

QFont arial(double points, bool bold = true) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont comic(double points) {
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QLabel* make_label(QWidget* parent, const QString& text, const QRect& place, const QFont& font,
                   const char* colour, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);  // keeps every blank of the texts
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setStyleSheet(
        QStringLiteral("color: %1; background: transparent;").arg(QLatin1String(colour)));
    return label;
}

// A fixed text with its black shadow just behind it.
void shadowed_text(QWidget* parent, const QString& text, const QRect& place, const QFont& font,
                   const char* colour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    make_label(parent, text, place.translated(1, 1), font, "#000000", alignment);
    make_label(parent, text, place, font, colour, alignment);
}

QFrame* make_box(QWidget* parent, const QString& name, const QRect& place, const char* style) {
    auto* box = new QFrame(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setStyleSheet(QStringLiteral("QFrame#%1 { %2 }").arg(name, QLatin1String(style)));
    return box;
}

// A picture drawn from its SVG; an empty area when the file is missing.
QLabel* make_picture(QWidget* parent, const QString& name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("background: transparent;"));
    const QString file = QStringLiteral(":/images/%1.svg").arg(name);
    QSvgRenderer svg;
    if (QFile::exists(file) && svg.load(file)) {
        QSize size = svg.defaultSize().scaled(place.size(), Qt::KeepAspectRatio);
        QPixmap pixmap(size * label->devicePixelRatioF());
        pixmap.setDevicePixelRatio(label->devicePixelRatioF());
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        label->setPixmap(pixmap);
    }
    return label;
}

// The hand picture of the window, or the system's pointing hand while it is missing.
QCursor hand_cursor() {
    const QString file = QStringLiteral(":/images/hand_icon_image.svg");
    if (!QFile::exists(file)) return QCursor(Qt::PointingHandCursor);
    QSvgRenderer svg(file);
    if (!svg.isValid()) return QCursor(Qt::PointingHandCursor);
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    svg.render(&painter);
    return QCursor(pixmap, 8, 0);
}

QCursor cursor_for(Pointer pointer) {
    switch (pointer) {
        case Pointer::hand:
            return hand_cursor();
        case Pointer::no_drop:
            return QCursor(Qt::ForbiddenCursor);
        case Pointer::busy:
            return QCursor(Qt::WaitCursor);
        case Pointer::normal:
            break;
    }
    return QCursor(Qt::ArrowCursor);
}

QRect place_of(const Control& c) {
    return {c.left, c.top, c.width, c.height};
}

const char* const window_colour = "#0A1E6E";
const char* const box_style = "background: #1C3FA8; border: 2px solid #7FB2FF; border-radius: 8px;";
const char* const panel_style =
    "background: #122C86; border: 2px solid #7FB2FF; border-radius: 8px;";
const char* const number_colour = "#FFFF00";
const char* const caption_colour = "#FFFFFF";
const char* const rung_colour = "#B8F0FF";

}  // namespace

SummaryWindow::SummaryWindow(std::shared_ptr<SummaryPresenter> presenter, QWidget* parent)
    : QMainWindow(parent), presenter_(std::move(presenter)) {
    setWindowIcon(QIcon(QStringLiteral(":/images/icon.svg")));
    build_widgets();
    build_menus();
    render();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    center_on_screen();

    animation_timer_.setInterval(SummaryPresenter::animation_interval_ms);
    connect(&animation_timer_, &QTimer::timeout, this,
            [this] { forward([this] { presenter_->animation_tick(); }); });
    animation_timer_.start();

    // The promotion panel stays up while the window keeps handling events.
    promotion_timer_.setSingleShot(true);
    promotion_timer_.setInterval(SummaryPresenter::promotion_wait_ms);
    connect(&promotion_timer_, &QTimer::timeout, this,
            [this] { forward([this] { presenter_->promotion_wait_over(); }); });
    if (presenter_->promotion_waiting()) promotion_timer_.start();
}

void SummaryWindow::build_widgets() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("summary_client"));
    client->setFixedSize(SummaryScreen::client_width, SummaryScreen::client_height);
    client->setStyleSheet(
        QStringLiteral("QWidget#summary_client { background: %1; }").arg(window_colour));
    setCentralWidget(client);

    build_left_column(client);
    build_rank_panels(client);
    build_bottom(client);
    build_promotion_panel(client);  // last, so it lies in front of everything
}

QLabel* SummaryWindow::bound_label(QWidget* parent, Member member, const QFont& font,
                                   const char* colour, Qt::Alignment alignment) {
    const Control& c = presenter_->screen().*member;
    QLabel* label = make_label(parent, QString(), place_of(c), font, colour, alignment);
    bind(label, member);
    return label;
}

void SummaryWindow::build_left_column(QWidget* client) {
    shadowed_text(client, QStringLiteral("SCORE SUMMARY"), {12, 8, 200, 34}, arial(15),
                  number_colour, Qt::AlignCenter);

    const QFont box_text = arial(12);
    const QFont small_box_text = arial(9.75);
    const QFont number = arial(23);
    const Qt::Alignment number_alignment = Qt::AlignLeft | Qt::AlignVCenter;

    QFrame* this_game =
        make_box(client, QStringLiteral("this_game_box"), {12, 50, 200, 80}, box_style);
    shadowed_text(this_game, QStringLiteral("THIS"), {12, 12, 90, 24}, box_text, caption_colour);
    shadowed_text(this_game, QStringLiteral("GAME"), {12, 40, 90, 24}, box_text, caption_colour);
    bound_label(this_game, &SummaryScreen::player_score_black, number, "#000000", number_alignment);
    bound_label(this_game, &SummaryScreen::player_score, number, number_colour, number_alignment)
        ->setObjectName(QStringLiteral("player_score"));

    QFrame* highest =
        make_box(client, QStringLiteral("highest_score_box"), {12, 140, 200, 80}, box_style);
    shadowed_text(highest, QStringLiteral("YOUR HIGHEST"), {8, 16, 104, 22}, small_box_text,
                  caption_colour);
    shadowed_text(highest, QStringLiteral("SCORE"), {8, 40, 104, 22}, small_box_text,
                  caption_colour);
    bound_label(highest, &SummaryScreen::player_highest_score_black, number, "#000000",
                number_alignment);
    bound_label(highest, &SummaryScreen::player_highest_score, number, number_colour,
                number_alignment)
        ->setObjectName(QStringLiteral("player_highest_score"));

    const Control& container = presenter_->screen().your_last_10_game_container;
    QFrame* last_10 = make_box(client, QStringLiteral("your_last_10_game_container"),
                               place_of(container), box_style);
    bind(last_10, &SummaryScreen::your_last_10_game_container);
    bound_label(last_10, &SummaryScreen::your_last_10_game_label_black, small_box_text, "#000000",
                Qt::AlignLeft | Qt::AlignVCenter);
    bound_label(last_10, &SummaryScreen::your_last_10_game_label, small_box_text, caption_colour,
                Qt::AlignLeft | Qt::AlignVCenter)
        ->setObjectName(QStringLiteral("your_last_10_game_label"));
    shadowed_text(last_10, QStringLiteral("AVERAGE"), {8, 40, 100, 22}, small_box_text,
                  caption_colour);
    bound_label(last_10, &SummaryScreen::player_average_score_black, number, "#000000",
                number_alignment);
    bound_label(last_10, &SummaryScreen::player_average_score, number, number_colour,
                number_alignment)
        ->setObjectName(QStringLiteral("player_average_score"));
}

void SummaryWindow::build_rank_panels(QWidget* client) {
    const QFont heading = arial(17);
    const QFont line = arial(10.5);
    const QFont rung = arial(11.25);

    QFrame* this_panel =
        make_box(client, QStringLiteral("this_game_panel"), {224, 10, 200, 300}, panel_style);
    // "RANK" and its shadow rank_background_label.
    shadowed_text(this_panel, QStringLiteral("RANK"), {0, 4, 200, 30}, heading, number_colour,
                  Qt::AlignCenter);
    shadowed_text(this_panel, QStringLiteral("This Game"), {0, 32, 200, 22}, arial(12),
                  caption_colour, Qt::AlignCenter);
    bound_label(this_panel, &SummaryScreen::level_label_black, line, "#000000", Qt::AlignCenter);
    bound_label(this_panel, &SummaryScreen::level_label, line, caption_colour, Qt::AlignCenter)
        ->setObjectName(QStringLiteral("level_label"));
    bound_label(this_panel, &SummaryScreen::level_number_label_black, line, "#000000",
                Qt::AlignCenter);
    bound_label(this_panel, &SummaryScreen::level_number_label, line, caption_colour,
                Qt::AlignCenter)
        ->setObjectName(QStringLiteral("level_number_label"));

    const Control& last = presenter_->screen().last_panel;
    QFrame* last_panel =
        make_box(client, QStringLiteral("last_panel"), place_of(last), panel_style);
    bind(last_panel, &SummaryScreen::last_panel);
    shadowed_text(last_panel, QStringLiteral("RANK"), {0, 4, last.width, 30}, heading,
                  number_colour, Qt::AlignCenter);
    bound_label(last_panel, &SummaryScreen::rank_for_10_label_black, arial(11), "#000000",
                Qt::AlignCenter);
    bound_label(last_panel, &SummaryScreen::rank_for_10_label, arial(11), caption_colour,
                Qt::AlignCenter)
        ->setObjectName(QStringLiteral("rank_for_10_label"));

    for (int i = 0; i < ladder_label_count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        QWidget* panel = i < average_ladder_offset ? this_panel : last_panel;
        const Control& c = presenter_->screen().rank_name_label[k];
        const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
        rung_shadows_[k] =
            make_label(panel, QString(), place_of(presenter_->screen().rank_name_background[k]),
                       rung, "#000000", left);
        rungs_[k] = make_label(panel, QString(), place_of(c), rung, rung_colour, left);
        rungs_[k]->setObjectName(QStringLiteral("rank_name_label_%1").arg(i));
    }
}

void SummaryWindow::build_bottom(QWidget* client) {
    bound_label(client, &SummaryScreen::high_scores_label, arial(10), caption_colour,
                Qt::AlignLeft | Qt::AlignVCenter)
        ->setObjectName(QStringLiteral("high_scores_label"));

    const QString button_style = QStringLiteral(
        "QPushButton { background: #FFD400; color: #0A1E6E; border: 2px solid #FFFFFF;"
        " border-radius: 8px; }"
        "QPushButton:focus { border-color: #00FF00; }"
        "QPushButton:pressed { background: #E0A000; }"
        "QPushButton:disabled { background: #8090B0; color: #C0C8E0; }");
    auto make_button = [&](Member member, const char* name) {
        auto* button = new QPushButton(client);
        button->setObjectName(QLatin1String(name));
        button->setFont(arial(10.5));
        button->setStyleSheet(button_style);
        // Enter presses the button that has the focus, as Space does.
        button->setAutoDefault(true);
        bind(button, member);
        return button;
    };
    QPushButton* again = make_button(&SummaryScreen::PLAY_AGAIN_COMMAND, "PLAY_AGAIN_COMMAND");
    QPushButton* advance =
        make_button(&SummaryScreen::advance_level_command, "advance_level_command");
    connect(again, &QPushButton::clicked, this,
            [this] { forward([this] { presenter_->play_again_click(); }); });
    connect(advance, &QPushButton::clicked, this,
            [this] { forward([this] { presenter_->advance_click(); }); });
    again->setFocus();

    shadowed_text(client,
                  QStringLiteral("To play again at a different level, use the menu at the top."),
                  {12, 392, 616, 24}, arial(10, false), caption_colour, Qt::AlignCenter);
}

void SummaryWindow::build_promotion_panel(QWidget* client) {
    const Control& panel_control = presenter_->screen().Promotion_screen_container;
    QFrame* panel =
        make_box(client, QStringLiteral("Promotion_screen_container"), place_of(panel_control),
                 "background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                 " stop:0 #2A0A5E, stop:1 #0A1E6E); border: none;");
    bind(panel, &SummaryScreen::Promotion_screen_container);

    bound_label(panel, &SummaryScreen::congratulations_label, comic(28), number_colour,
                Qt::AlignCenter)
        ->setObjectName(QStringLiteral("congratulations_label"));
    make_label(panel, QStringLiteral("You've been promoted..."), {0, 96, panel_control.width, 40},
               arial(20), caption_colour, Qt::AlignCenter);
    bound_label(panel, &SummaryScreen::old_rank_label, arial(17), "#B8F0FF", Qt::AlignCenter)
        ->setObjectName(QStringLiteral("old_rank_label"));
    bound_label(panel, &SummaryScreen::new_rank_label, arial(17), "#7CFF7C", Qt::AlignCenter)
        ->setObjectName(QStringLiteral("new_rank_label"));
    make_picture(panel, QStringLiteral("promotion_trophy_image"), {24, 244, 136, 160});
    make_picture(panel, QStringLiteral("promotion_rank_up_image"), {480, 244, 136, 160});
    make_label(panel, QStringLiteral("Keep up the good work!!!"), {160, 320, 320, 44}, comic(20),
               number_colour, Qt::AlignCenter);
    panel->raise();
}

void SummaryWindow::build_menus() {
    add_menu_entries(menuBar(), presenter_->screen().menu_bar, true);
}

void SummaryWindow::add_menu_entries(QWidget* menu, const std::vector<MenuEntry>& entries,
                                     bool tickable) {
    for (const MenuEntry& entry : entries) {
        if (!entry.children.empty()) {
            auto* submenu = new QMenu(qs(entry.caption), menu);
            menu->addAction(submenu->menuAction());
            actions_.push_back(submenu->menuAction());
            // Help entries open windows; only the settings carry check marks.
            add_menu_entries(submenu, entry.children, tickable && entry.name != "help_menu");
            continue;
        }
        auto* action = new QAction(qs(entry.caption), menu);
        action->setCheckable(tickable && entry.name != "Exit_menu");
        menu->addAction(action);
        actions_.push_back(action);
        connect(action, &QAction::triggered, this, [this, name = entry.name, index = entry.index] {
            forward([&] { presenter_->menu_click(name, index); });
        });
    }
}

template <typename Handler>
void SummaryWindow::forward(Handler&& handler) {
    // A handler may close this window; the host deletes it later, never inside the call.
    QPointer<SummaryWindow> self(this);
    handler();
    if (!self.isNull()) render();
}

void SummaryWindow::render_control(QWidget* widget, const Control& now, const Control* before) {
    if (before == nullptr || place_of(now) != place_of(*before)) widget->setGeometry(place_of(now));
    if (before == nullptr || now.caption != before->caption) {
        if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(qs(now.caption));
        if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(qs(now.caption));
    }
    if (before == nullptr || now.enabled != before->enabled) widget->setEnabled(now.enabled);
    if (before == nullptr || now.pointer != before->pointer)
        widget->setCursor(cursor_for(now.pointer));
    if (before == nullptr || now.visible != before->visible) widget->setVisible(now.visible);
}

void SummaryWindow::render() {
    const SummaryScreen& now = presenter_->screen();
    const bool all = !rendered_once_;
    if (all || now.window_title != shown_.window_title) setWindowTitle(qs(now.window_title));
    for (const auto& [member, widget] : bound_) {
        render_control(widget, now.*member, all ? nullptr : &(shown_.*member));
    }
    for (std::size_t k = 0; k < rungs_.size(); ++k) {
        render_control(rung_shadows_[k], now.rank_name_background[k],
                       all ? nullptr : &shown_.rank_name_background[k]);
        render_control(rungs_[k], now.rank_name_label[k],
                       all ? nullptr : &shown_.rank_name_label[k]);
    }
    std::size_t next = 0;
    render_menus(now.menu_bar, next);
    shown_ = now;
    rendered_once_ = true;
}

void SummaryWindow::render_menus(const std::vector<MenuEntry>& entries, std::size_t& next) {
    // Compared with the actions themselves: Qt ticks a checkable entry on its own when clicked.
    for (const MenuEntry& entry : entries) {
        if (next >= actions_.size()) return;
        QAction* action = actions_[next++];
        if (action->text() != qs(entry.caption)) action->setText(qs(entry.caption));
        if (action->isEnabled() != entry.enabled) action->setEnabled(entry.enabled);
        if (action->isCheckable() && action->isChecked() != entry.checked) {
            action->setChecked(entry.checked);
        }
        render_menus(entry.children, next);
    }
}

void SummaryWindow::center_on_screen() {
    const QScreen* display = screen();
    if (display == nullptr) return;
    const QRect area = display->geometry();
    // 200 twips above the centre.
    const int lift = qRound(200.0 * display->logicalDotsPerInchY() / 1440.0);
    move(area.left() + (area.width() - width()) / 2,
         area.top() + (area.height() - height()) / 2 - lift);
}

void SummaryWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (auto* again = findChild<QPushButton*>(QStringLiteral("PLAY_AGAIN_COMMAND"))) {
        again->setFocus();
    }
}

void SummaryWindow::closeEvent(QCloseEvent* event) {
    if (!presenter_->close_requested()) {
        event->ignore();
        return;
    }
    // Nothing fires on a closed window.
    animation_timer_.stop();
    promotion_timer_.stop();
    event->accept();
}

}  // namespace varodex::ui

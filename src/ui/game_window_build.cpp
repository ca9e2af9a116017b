// The game screen's widgets, one per control, made back to front: what is made later lies in
// front, so the backdrops lie behind the squares and the chalk board in front of the table.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "control_view.h"
#include "game_widgets.h"
#include "game_window.h"
#include "qt_platform.h"
#include "shell_widgets.h"

namespace varodex::ui {

namespace {

using C = GameScreenControls;

QFont arial(double points, bool bold = true) {
    return design_font(QStringLiteral("Arial"), points, bold);
}
QFont arial_narrow(double points) {
    return design_font(QStringLiteral("Arial Narrow"), points, true);
}
QFont sans_serif(double points, bool bold = true) {
    return design_font(QStringLiteral("MS Sans Serif"), points, bold);
}
QFont comic(double points, bool bold = false) {
    return design_font(QStringLiteral("Comic Sans MS"), points, bold);
}

// The window's labels write from their top edge, as its design does.
constexpr Qt::Alignment top_left = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment top_centre = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment top_right = Qt::AlignRight | Qt::AlignTop;

QString picture_file(const QString& name) {
    return QStringLiteral(":/images/%1.svg").arg(name);
}

// The widget shows one of the screen's single controls.
GameWindow::ControlOf of(Control C::*member) {
    return [member](const C& c) -> const Control& { return c.*member; };
}

QString first_visit_text(int box) {
    QFile file(QStringLiteral(":/texts/initial_instructions_%1.txt").arg(box));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// A frame drawn on its control's edge: the widget is the place grown by half the border.
GameWindow::Placement grown_by(int grow) {
    return [grow](const Control& c) {
        Control placed = c;
        placed.left -= grow;
        placed.top -= grow;
        placed.width += 2 * grow;
        placed.height += 2 * grow;
        return placed;
    };
}

// The game-over panel leaves its pictures and texts to the view: the greeting across it under
// the board's title, the smiling face and "Game Over " below the greeting.
GameWindow::Placement at(int left, int top, int width, int height) {
    return [=](const Control& c) {
        Control placed = c;
        placed.left = left;
        placed.top = top;
        placed.width = width;
        placed.height = height;
        return placed;
    };
}

QWidget* filled_shape(QWidget* parent, const QString& name) {
    auto* shape = new QWidget(parent);
    shape->setObjectName(name);
    shape->setAutoFillBackground(true);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    return shape;
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

}  // namespace

void GameWindow::bind(QWidget* widget, ControlOf control, Placement placement) {
    bound_.push_back({widget, std::move(control), std::move(placement)});
}

QLabel* GameWindow::add_label(QWidget* parent, ControlOf control, const QFont& font,
                              Qt::Alignment alignment, bool opaque, bool autosize) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);  // every blank and sign of the texts as it stands
    label->setFont(font);
    label->setAlignment(alignment);
    label->setAutoFillBackground(opaque);
    label->setProperty("autosize", autosize);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    bind(label, std::move(control));
    return label;
}

PictureBox* GameWindow::add_picture(QWidget* parent, ControlOf control, const QString& name) {
    auto* picture = new PictureBox(picture_file(name), parent);
    picture->setObjectName(name);
    bind(picture, std::move(control));
    return picture;
}

void GameWindow::build_widgets() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("functions_of_two_variables"));
    client->setFixedSize(client_width, client_height);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, to_qcolor(cyan));
    client->setPalette(palette);
    setCentralWidget(client);

    build_table(client);
    build_answer_area(client);
    build_feedback(client);
    build_combat(client);
    build_start_button(client);
    build_chalk_board(client);
    build_status_strip(client);
    build_first_visit_boxes(client);
}

void GameWindow::build_table(QWidget* client) {
    for (int i = 0; i < 8; ++i) {
        bind(filled_shape(client, indexed("xy_back_shape", i)),
             [i](const C& c) -> const Control& { return c.xy_back_shape[i]; });
    }
    // Hidden pictures that other controls borrow from.
    add_picture(client, of(&C::always_black_background), QStringLiteral("always_black_background"));
    add_picture(client, of(&C::puzzle_square_background_yellow),
                QStringLiteral("puzzle_square_background_yellow"));
    add_picture(client, of(&C::hand_icon_image), QStringLiteral("hand_icon_image"));

    for (int i = 0; i < square_count; ++i) {
        backdrops_[i] = add_picture(
            client, [i](const C& c) -> const Control& { return c.puzzle_square_background[i]; },
            QStringLiteral("puzzle_square_background"));
        backdrops_[i]->setObjectName(indexed("puzzle_square_background", i));
    }
    add_picture(client, of(&C::Q_background_image), QStringLiteral("Q_background_image"));

    // The frame round the right answer lies behind the squares, so the number stays readable.
    auto* answer_frame = new FrameShape(8, client);
    answer_frame->setObjectName(QStringLiteral("puzzle_square_yellow_combat"));
    bind(answer_frame, of(&C::puzzle_square_yellow_combat), grown_by(answer_frame->grow()));

    for (int i = 0; i < square_count; ++i) {
        // The x and y rows in Arial; the z row and the answers in the narrow face.
        const QFont font = i < 16 ? arial(14.25) : arial_narrow(14.25);
        QLabel* square = add_label(
            client, [i](const C& c) -> const Control& { return c.puzzle_square[i]; }, font,
            Qt::AlignCenter, true, false);
        square->setObjectName(indexed("puzzle_square", i));
        square->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        square->installEventFilter(this);
        squares_[i] = square;
    }
    add_label(client, of(&C::X_label), arial(14.25), top_right, false, false)
        ->setObjectName(QStringLiteral("X_label"));
    add_label(client, of(&C::Y_label), arial(14.25), top_right, false, false)
        ->setObjectName(QStringLiteral("Y_label"));
    add_label(client, of(&C::z_label), arial(14.25), top_right, false, false)
        ->setObjectName(QStringLiteral("z_label"));
    // The equal sign's label reaches under the "?" box; its sign sits at its right end.
    add_label(client, of(&C::equal_sign_label), arial(14.25), top_right, false, false)
        ->setObjectName(QStringLiteral("equal_sign_label"));
    add_label(client, of(&C::Q_label), arial(14.25), Qt::AlignCenter, true, false)
        ->setObjectName(QStringLiteral("Q_label"));

    // The pressed look lies on the square it marks.
    auto* pressed_frame = new FrameShape(3, client);
    pressed_frame->setObjectName(QStringLiteral("puzzle_square_yellow"));
    bind(pressed_frame, of(&C::puzzle_square_yellow), grown_by(pressed_frame->grow()));

    for (int n = 1; n <= 5; ++n) {
        add_picture(
            client, [n](const C& c) -> const Control& { return c.Big_red_X[n]; },
            QStringLiteral("Big_red_X"))
            ->setObjectName(indexed("Big_red_X", n));
    }
}

void GameWindow::build_answer_area(QWidget* client) {
    formula_label_ =
        add_label(client, of(&C::formula_label), sans_serif(13.5), top_left, false, false);
    formula_label_->setObjectName(QStringLiteral("formula_label"));

    for (int i = 0; i < choice_count; ++i) {
        auto* box = new QCheckBox(client);
        box->setObjectName(indexed("function_choice_command", i));
        box->setAutoFillBackground(true);
        box->setFocusPolicy(Qt::NoFocus);
        connect(box, &QCheckBox::clicked, this, [this, i] {
            // The box shows what the presenter decides, not Qt's own toggle.
            choices_[i]->setChecked(shown_.function_choice_command[i].checked);
            forward([this, i] { presenter_->choice_click(i); });
        });
        bind(box, [i](const C& c) -> const Control& { return c.function_choice_command[i]; });
        choices_[i] = box;
        add_label(
            client, [i](const C& c) -> const Control& { return c.function_choice_label[i]; },
            sans_serif(13.5), top_left, false, true)
            ->setObjectName(indexed("function_choice_label", i));
    }
    for (int k = 0; k < step_label_count; ++k) {
        add_label(
            client, [k](const C& c) -> const Control& { return c.correct_step_label[k]; },
            sans_serif(9.75), top_left, false, true)
            ->setObjectName(indexed("correct_step_label", k));
    }
    QLabel* explanation = add_label(client, of(&C::combat_answer_explanation), arial(12, false),
                                    top_left, false, false);
    explanation->setObjectName(QStringLiteral("combat_answer_explanation"));
    explanation->setWordWrap(true);
    QLabel* wrong =
        add_label(client, of(&C::wrong_answer_label), sans_serif(18), top_left, true, false);
    wrong->setObjectName(QStringLiteral("wrong_answer_label"));
    wrong->setWordWrap(true);
}

void GameWindow::build_feedback(QWidget* client) {
    add_picture(client, of(&C::correct_image), QStringLiteral("correct_image"));
    add_picture(client, of(&C::incorrect_image), QStringLiteral("incorrect_image"));
}

void GameWindow::build_combat(QWidget* client) {
    const auto player_label = [&](ControlOf control, const char* name, const QFont& font,
                                  bool autosize) {
        QLabel* label = add_label(client, std::move(control), font, top_centre, true, autosize);
        label->setObjectName(QLatin1String(name));
        label->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        label->installEventFilter(this);
        player_labels_.push_back(label);
    };
    player_label(of(&C::q_player_label), "q_player_label", arial(14.25), false);
    player_label(of(&C::p_player_label), "p_player_label", arial(15.75), false);
    player_label(of(&C::q_player_score_label), "q_player_score_label", arial(15.75), false);
    player_label(of(&C::p_player_score_label), "p_player_score_label", arial(15.75), false);
    player_label(of(&C::q_combat_instructions_label), "q_combat_instructions_label", arial(12),
                 true);
    player_label(of(&C::p_combat_instructions_label), "p_combat_instructions_label", arial(12),
                 true);
    for (const bool p : {false, true}) {
        auto* border = new FrameShape(10, client);
        border->setObjectName(p ? QStringLiteral("p_player_border_shape")
                                : QStringLiteral("q_player_border_shape"));
        bind(
            border,
            [p](const C& c) -> const Control& {
                return p ? c.p_player_border_shape : c.q_player_border_shape;
            },
            grown_by(border->grow()));
    }
}

void GameWindow::build_start_button(QWidget* client) {
    add_picture(client, of(&C::start_background_panel), QStringLiteral("start_background_panel"));
    PictureBox* image = add_picture(client, of(&C::start_image), QStringLiteral("start_image"));
    image->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    image->installEventFilter(this);
    start_image_ = image;
    // The pressed shade covers the face of the button picture.
    bind(filled_shape(client, QStringLiteral("start_dark")), of(&C::start_dark));
    add_label(client, of(&C::start_label), arial(24), top_centre, false, false)
        ->setObjectName(QStringLiteral("start_label"));

    skip_button_ = new QPushButton(client);
    skip_button_->setObjectName(QStringLiteral("skip_problem_command"));
    skip_button_->setFont(sans_serif(8.25, false));
    skip_button_->setFocusPolicy(Qt::NoFocus);
    connect(skip_button_, &QPushButton::clicked, this,
            [this] { forward([this] { presenter_->skip_click(); }); });
    bind(skip_button_, of(&C::skip_problem_command));

    // In front of the table, as every tick brings it there.
    add_label(client, of(&C::instruction_label), arial(9.75, false), top_left, false, true)
        ->setObjectName(QStringLiteral("instruction_label"));
}

void GameWindow::build_chalk_board(QWidget* client) {
    PictureBox* board = add_picture(client, of(&C::chalk_board), QStringLiteral("chalk_board"));
    QWidget* panel = filled_shape(board, QStringLiteral("advanced_game_over"));
    bind(panel, of(&C::advanced_game_over));
    const Control& design = presenter_->controls().advanced_game_over;
    QLabel* greeting = add_label(panel, of(&C::advanced_well_done_label), comic(36),
                                 Qt::AlignCenter, false, false);
    greeting->setObjectName(QStringLiteral("advanced_well_done_label"));
    bound_.back().placement = at(0, 30, design.width, 62);
    add_picture(panel, of(&C::happy_face), QStringLiteral("happy_face"));
    bound_.back().placement = at(design.width / 2 - 150, 98, 64, 64);
    QLabel* game_over = add_label(panel, of(&C::advanced_game_over_label), comic(30, true),
                                  Qt::AlignLeft | Qt::AlignVCenter, false, false);
    game_over->setObjectName(QStringLiteral("advanced_game_over_label"));
    bound_.back().placement = at(design.width / 2 - 70, 98, 240, 64);

    // The board's title and chalk rows lie on the panel: the title stays whole above it.
    add_label(board, of(&C::solutions_label), comic(26.25), top_centre, false, true)
        ->setObjectName(QStringLiteral("solutions_label"));
    using Row = std::array<Control, 4> C::*;
    const std::array<std::pair<Row, const char*>, 5> rows = {{
        {&C::first_chalk_board_number, "first_chalk_board_number"},
        {&C::chalk_board_operation, "chalk_board_operation"},
        {&C::second_chalk_board_number, "second_chalk_board_number"},
        {&C::chalk_board_equal_sign, "chalk_board_equal_sign"},
        {&C::chalk_board_answer, "chalk_board_answer"},
    }};
    for (const auto& [row, name] : rows) {
        for (int i = 0; i < 4; ++i) {
            add_label(
                board, [row = row, i](const C& c) -> const Control& { return (c.*row)[i]; },
                comic(20.25, true), top_left, false, true)
                ->setObjectName(indexed(name, i));
        }
    }
}

void GameWindow::build_status_strip(QWidget* client) {
    // The strip lies over the foot of the chalk board, where its tray leaves room.
    PictureBox* strip =
        add_picture(client, of(&C::status_bar_image), QStringLiteral("status_bar_image"));
    const std::array<std::pair<Control C::*, const char*>, 6> labels = {{
        {&C::game_level_label, "game_level_label"},
        {&C::Problem_number_label, "Problem_number_label"},
        {&C::average_score_label, "average_score_label"},
        {&C::time_bonus, "time_bonus"},
        {&C::score_label, "score_label"},
        {&C::total_game_score_label, "total_game_score_label"},
    }};
    for (const auto& [member, name] : labels) {
        add_label(strip, of(member), arial(9.75), top_left, false, true)
            ->setObjectName(QLatin1String(name));
    }
}

void GameWindow::build_first_visit_boxes(QWidget* client) {
    // Their places come from the presenter; their sizes fit their texts.
    // Boxes 1 and 2 reach down to the status strip, over the whole of the Skip button.
    const std::array<QSize, 3> sizes = {QSize(560, 92), QSize(586, 178), QSize(608, 268)};
    for (int box = 0; box < 3; ++box) {
        auto* text = new QPlainTextEdit(client);
        text->setObjectName(indexed("initial_instructions_textbox", box));
        text->setReadOnly(true);
        text->setFocusPolicy(Qt::ClickFocus);
        text->setFont(sans_serif(12, false));
        text->setPlainText(first_visit_text(box));
        text->resize(sizes[box]);
        text->setVerticalScrollBarPolicy(box == 2 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        bind(text,
             [box](const C& c) -> const Control& { return c.initial_instructions_textbox[box]; });
    }
}

}  // namespace varodex::ui

#include <QAction>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "game/generator.h"
#include "game_widgets.h"
#include "state/number_text.h"
#include "support/game_window_driver.h"
#include "support/window_shots.h"

using namespace varodex;

namespace {

// Counts the paints of every widget it watches.
class PaintCounter : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

class GameWindowTest : public QObject, testing::GameWindowDriver {
    Q_OBJECT

    QAction* menu_action(const QString& caption) {
        for (QAction* action : window->menuBar()->findChildren<QAction*>()) {
            if (action->text() == caption) return action;
        }
        return nullptr;
    }

  private slots:
    void init() { reset_ports(); }

    void cleanup() { close_window(); }

    void opening_screen_has_the_welcome_box_and_the_start_button() {
        open(11);
        QCOMPARE(window->windowTitle(), qs(presenter->controls().window_title));
        QCOMPARE(window->centralWidget()->size(), QSize(632, 405));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!window->windowIcon().isNull());

        auto* welcome = child<QPlainTextEdit>(QStringLiteral("initial_instructions_textbox_2"));
        QVERIFY(welcome->isVisible());
        QCOMPARE(welcome->pos(), QPoint(12, 110));
        QVERIFY(welcome->toPlainText().startsWith(QStringLiteral("Welcome to Varodex!  ")));
        QVERIFY(!shown(QStringLiteral("initial_instructions_textbox_0")));
        QVERIFY(!shown(QStringLiteral("initial_instructions_textbox_1")));

        QCOMPARE(text_of(QStringLiteral("start_label")), QStringLiteral("start"));
        QCOMPARE(text_of(QStringLiteral("game_level_label")), QStringLiteral("Level 1"));
        QCOMPARE(child(QStringLiteral("start_image"))->cursor().shape(), Qt::BitmapCursor);
        auto* skip = child<QPushButton>(QStringLiteral("skip_problem_command"));
        QVERIFY(skip->isVisible() && !skip->isEnabled());
        QCOMPARE(skip->text(), QStringLiteral("Skip Problem"));
        QCOMPARE(skip->geometry(), QRect(293, 351, 100, 25));
        for (int i = 0; i < square_count; ++i) QVERIFY(!square(i)->isVisible());
        QVERIFY(!shown(QStringLiteral("chalk_board")));

        // The design's faces, or their stand-ins on this desktop.
        const auto face = [&](const char* name) {
            return QFontInfo(child(QLatin1String(name))->font()).family();
        };
        QCOMPARE(face("puzzle_square_0"), QStringLiteral("Liberation Sans"));
        QCOMPARE(face("puzzle_square_24"), QStringLiteral("Liberation Sans Narrow"));
        QCOMPARE(face("solutions_label"), QStringLiteral("Comic Neue"));
        QCOMPARE(QFontInfo(child(QStringLiteral("start_label"))->font()).pointSizeF(), 24.0);

        QStringList menus;
        for (QAction* action : window->menuBar()->actions()) menus << action->text();
        QCOMPARE(menus,
                 QStringList({"Level", "Ways To Play", "Options", "Settings", "Help", "Exit"}));
        testing::save_shot(*window, QStringLiteral("game_opening.png"));
    }

    void start_and_a_right_answer_follow_the_presenter() {
        open(11);
        QWidget* start = child(QStringLiteral("start_image"));
        // The pressed look comes with the button and goes when the pointer leaves it.
        QTest::mousePress(start, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(shown(QStringLiteral("start_dark")));
        QTest::mouseMove(start, QPoint(90, 10));
        QVERIFY(!shown(QStringLiteral("start_dark")));
        QTest::mouseRelease(start, Qt::LeftButton, {}, QPoint(90, 10));
        QVERIFY(!presenter->game().problem_running);

        click(start);
        QVERIFY(!shown(QStringLiteral("initial_instructions_textbox_2")));
        QVERIFY(shown(QStringLiteral("initial_instructions_textbox_0")));
        QVERIFY(!shown(QStringLiteral("start_label")) && !start->isVisible());
        for (int i : {0, 8, 16, 24, 25, 26, 27, 28}) QVERIFY(square(i)->isVisible());
        QVERIFY(!square(1)->isVisible());
        QCOMPARE(text_of(QStringLiteral("puzzle_square_16")), QStringLiteral("?"));
        QCOMPARE(text_of(QStringLiteral("formula_label")), qs(presenter->problem().formula_text));
        // Before the first tick the squares take no answer.
        QCOMPARE(square(24)->cursor().shape(), Qt::ForbiddenCursor);
        QCOMPARE(window->centralWidget()->cursor().shape(), Qt::WaitCursor);

        tick();
        QCOMPARE(square(24)->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(window->centralWidget()->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(shown(QStringLiteral("Q_label")) && shown(QStringLiteral("equal_sign_label")));
        QCOMPARE(text_of(QStringLiteral("instruction_label")),
                 QStringLiteral("Click on the correct answer from the purple squares below."));
        QCOMPARE(text_of(QStringLiteral("Problem_number_label")),
                 QStringLiteral("Problem  1 of 10"));
        QVERIFY(text_of(QStringLiteral("time_bonus")).startsWith(QStringLiteral("Time Bonus ")));
        testing::save_shot(*window, QStringLiteral("game_calculate_value.png"));

        run_for(4.9);
        const int right = answer_square(true);
        QVERIFY(right >= first_answer_square);
        QTest::mousePress(square(right), Qt::LeftButton, {}, QPoint(5, 5));
        auto* frame = child(QStringLiteral("puzzle_square_yellow"));
        QVERIFY(frame->isVisible());
        QVERIFY(frame->geometry().contains(square(right)->geometry().center()));
        QTest::mouseRelease(square(right), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!frame->isVisible());
        QVERIFY(shown(QStringLiteral("correct_image")));
        QVERIFY(!shown(QStringLiteral("initial_instructions_textbox_0")));
        for (int i = first_answer_square; i <= last_answer_square; ++i) {
            QCOMPARE(square(i)->isVisible(), i == right);
        }
        QCOMPARE(text_of(QStringLiteral("instruction_label")),
                 QStringLiteral("Please click on next problem button."));

        tick();
        QCOMPARE(text_of(QStringLiteral("total_game_score_label")),
                 QStringLiteral("Total Score  124"));
        QCOMPARE(text_of(QStringLiteral("start_label")), QStringLiteral("Next Problem"));
        run_for(1.0);
        QVERIFY(!shown(QStringLiteral("correct_image")));
        QVERIFY(shown(QStringLiteral("correct_step_label_0")));
        QVERIFY(text_of(QStringLiteral("correct_step_label_0")).startsWith("Step 1."));
    }

    void figure_formula_problem_shows_its_hint() {
        state.game_code = 107;
        state.way_to_play = figure_formula_way;
        state.hint_delay = 5;
        state.new_player = false;
        state.figure_formula_played = true;
        open(3);
        start_problem();
        for (int i = 0; i < square_count; ++i) QVERIFY(square(i)->isVisible());
        QVERIFY(!shown(QStringLiteral("formula_label")));
        const int column = presenter->problem().problem_column - 1;
        auto* backdrop =
            child<ui::PictureBox>(QStringLiteral("puzzle_square_background_%1").arg(column + 8));
        QVERIFY(backdrop->picture().endsWith(QStringLiteral("_yellow.svg")));

        run_for(5.0);
        QVERIFY(shown(QStringLiteral("formula_label")));
        QCOMPARE(text_of(QStringLiteral("formula_label")), qs(presenter->problem().hint_text[0]));
        QCOMPARE(text_of(QStringLiteral("time_bonus")), QStringLiteral("Time Bonus  0"));
        testing::save_shot(*window, QStringLiteral("game_figure_formula_hint.png"));
    }

    void first_figure_formula_problem_shows_its_tip() {
        state.way_to_play = figure_formula_way;
        state.new_player = false;
        open(5);
        start_problem();
        auto* tip = child<QPlainTextEdit>(QStringLiteral("initial_instructions_textbox_1"));
        QVERIFY(tip->isVisible());
        QCOMPARE(tip->pos(), QPoint(41, 200));
        QVERIFY(tip->toPlainText().startsWith(QStringLiteral("You are in the \"Figure Formula")));
        testing::save_shot(*window, QStringLiteral("game_figure_formula_tip.png"));
    }

    void choose_formula_problem_offers_five_formulas() {
        state.game_code = 205;
        state.way_to_play = choose_formula_way;
        state.new_player = false;
        open(17);
        start_problem();
        QCOMPARE(text_of(QStringLiteral("instruction_label")),
                 QStringLiteral("Click on the correct answer from the checkboxes below."));
        int right = -1;
        for (int i = 0; i < choice_count; ++i) {
            auto* box = child<QCheckBox>(QStringLiteral("function_choice_command_%1").arg(i));
            QVERIFY(box->isVisible() && box->isEnabled() && !box->isChecked());
            const QString text = text_of(QStringLiteral("function_choice_label_%1").arg(i));
            QCOMPARE(text, qs(presenter->problem().choice_texts[i]));
            if (text == qs(presenter->problem().correct_choice_text)) right = i;
        }
        QVERIFY(right >= 0);
        testing::save_shot(*window, QStringLiteral("game_choose_formula.png"));

        click(child(QStringLiteral("function_choice_command_%1").arg(right)));
        QVERIFY(shown(QStringLiteral("correct_image")));
        QCOMPARE(text_of(QStringLiteral("function_choice_label_0")),
                 qs(presenter->problem().correct_choice_text));
        for (int i = 1; i < choice_count; ++i) {
            QVERIFY(!shown(QStringLiteral("function_choice_label_%1").arg(i)));
        }
    }

    void wrong_answer_marks_the_square_then_the_walkthrough_follows() {
        state.game_code = 117;
        state.new_player = false;
        open(37);
        start_problem();
        run_for(2.0);
        const int wrong = answer_square(false);
        const int right = answer_square(true);
        click(square(wrong));
        QVERIFY(shown(QStringLiteral("incorrect_image")));
        auto* cross = child(QStringLiteral("Big_red_X_%1").arg(wrong - 23));
        QVERIFY(cross->isVisible());
        QCOMPARE(cross->pos(), square(wrong)->pos() - QPoint(0, 4));
        auto* frame = child(QStringLiteral("puzzle_square_yellow_combat"));
        QVERIFY(frame->isVisible());
        QVERIFY(frame->geometry().contains(square(right)->geometry()));
        QVERIFY(square(right)->isVisible() && square(wrong)->isVisible());
        QCOMPARE(text_of(QStringLiteral("score_label")), QStringLiteral("Score -20"));
        QCOMPARE(text_of(QStringLiteral("start_label")), QStringLiteral("Next Problem"));
        QVERIFY(sounds.count(SoundEffect::error) == 1);
        testing::save_shot(*window, QStringLiteral("game_wrong_answer.png"));

        run_for(2.2);
        QVERIFY(!shown(QStringLiteral("incorrect_image")));
        int lines = 0;
        for (int k = 0; k < step_label_count; ++k) {
            const QString name = QStringLiteral("correct_step_label_%1").arg(k);
            if (!shown(name)) continue;
            ++lines;
            QVERIFY(text_of(name).startsWith(QStringLiteral("Step %1.").arg(k + 1)));
        }
        QCOMPARE(lines, 3);
        testing::save_shot(*window, QStringLiteral("game_walkthrough.png"));
    }

    void ten_problems_end_on_the_game_over_board() {
        state.new_player = false;
        open(31);
        for (int n = 0; n < 10; ++n) {
            start_problem();
            run_for(0.5);
            click(square(answer_square(true)));
            tick();
            run_for(1.2);
        }
        QVERIFY(shown(QStringLiteral("chalk_board")));
        QVERIFY(shown(QStringLiteral("advanced_game_over")));
        QCOMPARE(text_of(QStringLiteral("advanced_well_done_label")),
                 QStringLiteral("Well Done, Maya!!!"));
        QCOMPARE(text_of(QStringLiteral("start_label")), QStringLiteral("show scores"));
        QCOMPARE(records.appended.size(), std::size_t{1});
        QCOMPARE(text_of(QStringLiteral("total_game_score_label")),
                 qs("Total Score " + signed_blank_number_text(records.appended[0].score)));
        testing::save_shot(*window, QStringLiteral("game_over.png"));

        // The board goes after about four seconds; "show scores" hands over to the summary.
        run_for(3.0);
        QVERIFY(!shown(QStringLiteral("chalk_board")));
        click(child(QStringLiteral("start_image")));
        QVERIFY(windows.is_open(WindowKind::summary));
        QTRY_VERIFY(window.isNull());
    }

    void a_tick_that_changes_nothing_repaints_nothing() {
        open(11);
        QTest::qWait(50);
        PaintCounter counter;
        const auto widgets = window->findChildren<QWidget*>();
        for (QWidget* widget : widgets) widget->installEventFilter(&counter);
        const unsigned long revision = presenter->revision();
        for (int i = 0; i < 5; ++i) tick();
        QTest::qWait(50);
        QCOMPARE(presenter->revision(), revision);
        QCOMPARE(counter.paints, 0);

        click(child(QStringLiteral("start_image")));
        QTest::qWait(50);
        QVERIFY(counter.paints > 0);
    }

    void closing_asks_once_and_no_keeps_the_game() {
        open(11);
        start_problem();
        dialogs.answers = {DialogButton::no};
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(dialogs.shown.size(), std::size_t{1});
        QCOMPARE(qs(dialogs.shown[0].text), QStringLiteral("Are You Sure You Want To Quit?"));
        QVERIFY(presenter->game().problem_running);

        dialogs.answers = {DialogButton::yes};
        QVERIFY(window->close());
        QCOMPARE(dialogs.shown.size(), std::size_t{2});
        QVERIFY(windows.is_open(WindowKind::goodbye));
    }

    void menu_choices_reach_the_presenter() {
        open(11);
        QAction* off = menu_action(QStringLiteral("Off"));
        QVERIFY(off != nullptr);
        off->trigger();
        QTRY_VERIFY(!state.sound_on);
        QTRY_VERIFY(menu_action(QStringLiteral("Off"))->isChecked());
        QVERIFY(!menu_action(QStringLiteral("On"))->isChecked());
        // Choosing a checked entry again leaves its mark as the presenter has it.
        menu_action(QStringLiteral("Off"))->trigger();
        QTest::qWait(20);
        QVERIFY(menu_action(QStringLiteral("Off"))->isChecked());

        QVERIFY(!menu_action(QStringLiteral("Choose Formula"))->isEnabled());
        menu_action(QStringLiteral("Figure Formula and Calculate"))->trigger();
        QTRY_VERIFY(window.isNull());
        QCOMPARE(state.way_to_play, figure_formula_way);
        QVERIFY(windows.is_open(WindowKind::game_screen));
        QVERIFY(dialogs.shown.empty());
    }

    void combat_labels_beep_when_clicked() {
        set_game_kind(state, combat_kind);
        open(11);
        start_problem();
        QVERIFY(shown(QStringLiteral("p_player_label")));
        QVERIFY(child<QPushButton>(QStringLiteral("skip_problem_command"))->isEnabled());
        QCOMPARE(text_of(QStringLiteral("total_game_score_label")), QStringLiteral("P's Score  0"));
        const int beeps = sounds.beeps;
        click(child(QStringLiteral("p_player_label")));
        QCOMPARE(sounds.beeps, beeps + 1);
        testing::save_shot(*window, QStringLiteral("game_combat.png"));

        click(child(QStringLiteral("skip_problem_command")));
        QCOMPARE(text_of(QStringLiteral("start_label")), QStringLiteral("Next Problem"));
        QVERIFY(shown(QStringLiteral("correct_step_label_0")));
    }
};

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"

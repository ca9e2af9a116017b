// The program's window flow in Qt: the core App opens and closes presenters, AppWindows puts
// a real window up for each and takes it away, and the windows' own closing runs through
// the views' close handlers.
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app_windows.h"
#include "game/game_screen.h"
#include "game_window.h"
#include "shell/app.h"
#include "startup_window.h"
#include "support/fakes.h"
#include "support/memory_records.h"

using namespace varodex;

class AppWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dialogs_ = {};
        records_ = {};
        windows_ = std::make_unique<ui::AppWindows>();
        app_ = std::make_unique<App>(
            AppPorts{clock_, random_, sounds_, dialogs_, printer_, records_, DisplayScale{96, 1},
                     [](int topic) { return "topic " + std::to_string(topic) + "\r\n"; }},
            windows_.get());
        windows_->attach(*app_);
    }

    void cleanup() {
        // The windows hold their presenters, which refer to the program's state.
        QList<QPointer<QWidget>> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (!widget->parentWidget()) windows.append(widget);
        }
        for (const QPointer<QWidget>& widget : windows) delete widget.data();
        app_.reset();
        windows_.reset();
    }

    void closing_the_splash_early_ends_the_run() {
        app_->start();
        QWidget* splash = windows_->window(WindowKind::startup);
        QVERIFY(splash);
        splash->close();
        QVERIFY(app_->program_ended());
        QTRY_VERIFY(!app_->is_open(WindowKind::startup));
        QVERIFY(!app_->is_open(WindowKind::sign_in));
    }

    void sign_in_hands_over_to_the_game_without_asking() {
        start_and_sign_in("Jo Smith");
        QVERIFY(dialogs_.shown.empty());
        QVERIFY(!app_->program_ended());
        QVERIFY(windows_->window(WindowKind::game_screen));
        QVERIFY(!windows_->window(WindowKind::sign_in));
    }

    void closed_help_and_about_let_their_presenters_go() {
        start_and_sign_in("Jo Smith");
        for (const WindowKind kind : {WindowKind::help, WindowKind::about}) {
            if (kind == WindowKind::help) {
                app_->game_screen()->menu_click("scoring_menu");
            } else {
                app_->game_screen()->menu_click("about_menu");
            }
            QPointer<QWidget> first = windows_->window(kind);
            QVERIFY(first && first->isVisible());
            QVERIFY(app_->is_open(kind));

            first->close();  // its close box
            QTRY_VERIFY(first.isNull());
            QVERIFY(!app_->is_open(kind));
            QVERIFY(!windows_->window(kind));

            app_->show_window(kind);
            QVERIFY(windows_->window(kind) && windows_->window(kind)->isVisible());
            QVERIFY(app_->is_open(kind));
        }
        QVERIFY(dialogs_.shown.empty());
    }

    void a_restarted_game_screen_never_ticks_its_old_presenter() {
        start_and_sign_in("Jo Smith");
        QPointer<ui::GameWindow> old_window =
            qobject_cast<ui::GameWindow*>(windows_->window(WindowKind::game_screen));
        QVERIFY(old_window);
        const std::weak_ptr<GameScreen> old_presenter = app_->game_screen();
        app_->game_screen()->menu_click("ways_play_menu", figure_formula_way);

        QVERIFY(dialogs_.shown.empty());
        auto* fresh = qobject_cast<ui::GameWindow*>(windows_->window(WindowKind::game_screen));
        QVERIFY(fresh && fresh != old_window);
        if (old_window) {
            QVERIFY(!old_window->isVisible());
            QVERIFY(!old_window->game_timer().isActive());
            QVERIFY(!old_window->feedback_timer().isActive());
        }
        QTRY_VERIFY(old_window.isNull());
        QTRY_VERIFY(old_presenter.expired());
        QVERIFY(fresh->game_timer().isActive());
    }

    void quitting_by_the_close_box_asks_once_and_says_goodbye() {
        start_and_sign_in("Jo Smith");
        QPointer<QWidget> game = windows_->window(WindowKind::game_screen);
        dialogs_.answers = {DialogButton::yes};
        game->close();
        QCOMPARE(dialogs_.shown.size(), std::size_t{1});
        QCOMPARE(dialogs_.shown[0].title, std::string("Quit?"));
        QTRY_VERIFY(game.isNull());
        QVERIFY(!app_->is_open(WindowKind::game_screen));
        QWidget* goodbye = windows_->window(WindowKind::goodbye);
        QVERIFY(goodbye && goodbye->isVisible());
        QVERIFY(!app_->program_ended());

        auto* exit_button = goodbye->findChild<QPushButton*>(QStringLiteral("CONTINUE_COMMAND"));
        QTest::mouseClick(exit_button, Qt::LeftButton);
        QVERIFY(app_->program_ended());
        QCOMPARE(dialogs_.shown.size(), std::size_t{1});
    }

  private:
    void start_and_sign_in(const QString& name) {
        app_->start();
        for (int tick = 0; tick < 3; ++tick) app_->startup()->timer_tick();
        QWidget* sign_in = windows_->window(WindowKind::sign_in);
        QVERIFY(sign_in);
        QVERIFY(!windows_->window(WindowKind::startup));
        auto* textbox = sign_in->findChild<QLineEdit*>(QStringLiteral("player_name_textbox"));
        QVERIFY(textbox);
        QTest::keyClicks(textbox, name);
        QTest::keyClick(textbox, Qt::Key_Return);
        QVERIFY(app_->is_open(WindowKind::game_screen));
        QVERIFY(!app_->is_open(WindowKind::sign_in));
    }

    testing::ManualClock clock_;
    testing::SeededRandom random_{3};
    testing::SoundRecorder sounds_;
    testing::DialogRecorder dialogs_;
    testing::PrinterRecorder printer_;
    testing::MemoryRecords records_;
    std::unique_ptr<ui::AppWindows> windows_;
    std::unique_ptr<App> app_;
};

QTEST_MAIN(AppWindowsTest)
#include "app_windows_test.moc"

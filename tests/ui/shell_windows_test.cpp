#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "about_window.h"
#include "goodbye_window.h"
#include "qt_platform.h"
#include "shell/large_fonts.h"
#include "startup_window.h"
#include "support/fakes.h"
#include "support/window_shots.h"

using namespace varodex;
using varodex::testing::DialogRecorder;
using varodex::testing::WindowRecorder;

namespace {

class RecordsLog : public PlayerRecords {
  public:
    RecordsProblem ensure_records_file() override {
        ++ensured;
        return {};
    }
    RecordsProblem read_player_names(SharedState& state) override {
        state.player_names = {"Ada"};
        state.player_count = 1;
        return {};
    }
    RecordsProblem restore_player_settings(SharedState&, const std::string&) override { return {}; }
    RecordsProblem append_game_record(const SharedState&, const std::string&) override {
        return {};
    }
    GameHistory read_game_history(const std::string&, int, bool, int, RecordsProblem*) override {
        return {};
    }
    int ensured = 0;
};

QLabel* label(QWidget& window, const char* name) {
    return window.findChild<QLabel*>(QLatin1String(name));
}

void click_at(QWidget* widget, QPoint where) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, where);
}

}  // namespace

class ShellWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void splash_hands_over_to_sign_in_after_three_ticks() {
        SharedState state;
        DialogRecorder dialogs;
        RecordsLog records;
        WindowRecorder windows;
        windows.show_window(WindowKind::startup);
        ui::StartupWindow splash(std::make_shared<StartupPresenter>(state, dialogs, records, windows,
                                                                 DisplayScale{96, 1}));
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));

        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash.size(), QSize(536, 284));
        QCOMPARE(label(splash, "title_label")->text(), QStringLiteral("Varodex"));
        QCOMPARE(label(splash, "title_label")->geometry(), QRect(24, 65, 489, 65));
        QCOMPARE(label(splash, "maker_label")->text(), QStringLiteral("Brindlemark's"));
        QVERIFY(dialogs.shown.empty());
        QCOMPARE(records.ensured, 1);
        QCOMPARE(state.player_count, 1);
        testing::save_shot(splash, QStringLiteral("splash.png"));

        QTest::qWait(2500);
        QVERIFY(!windows.is_open(WindowKind::sign_in));
        QTRY_VERIFY_WITH_TIMEOUT(windows.is_open(WindowKind::sign_in), 2000);
        QVERIFY(!windows.is_open(WindowKind::startup));
        QCOMPARE(splash.presenter().splash_ticks(), 3);
    }

    void no_to_large_fonts_ends_before_anything_is_read() {
        SharedState state;
        DialogRecorder dialogs;
        dialogs.answers = {DialogButton::no};
        RecordsLog records;
        WindowRecorder windows;
        ui::StartupWindow splash(std::make_shared<StartupPresenter>(state, dialogs, records, windows,
                                                                 DisplayScale{144, 1}));
        QVERIFY(splash.program_ended());
        QVERIFY(windows.ended);
        QCOMPARE(records.ensured, 0);
        QCOMPARE(dialogs.shown.size(), std::size_t{1});
        QTest::qWait(1200);
        QCOMPARE(splash.presenter().splash_ticks(), 0);
    }

    void large_fonts_message_box_shows_eleven_lines() {
        QString shown_text;
        QString shown_title;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            shown_text = box->text();
            shown_title = box->windowTitle();
            box->button(QMessageBox::Yes)->click();
        });
        ui::QtDialogs dialogs;
        const DialogButton answer = dialogs.show_message(large_fonts_message());
        QCOMPARE(answer, DialogButton::yes);
        QCOMPARE(shown_title, QStringLiteral("Please Change Screen Resolution"));
        const QStringList lines = shown_text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines[1], QString());
        QCOMPARE(lines[8], QString());
        QCOMPARE(lines[10], QStringLiteral("Click on no if you'd like to exit the game and adjust "
                                           "your screen settings"));
        QVERIFY(!shown_text.contains(QLatin1Char('\r')));
    }

    void about_box_closes_on_its_background_title_and_maker_only() {
        WindowRecorder windows;
        windows.show_window(WindowKind::about);
        ui::AboutWindow about(std::make_shared<AboutBox>(windows));
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.windowTitle(), QStringLiteral(" About Varodex"));
        QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(label(about, "maker_label")->text(), QStringLiteral("Brindlemark's"));
        QCOMPARE(label(about, "title_label")->text(), QStringLiteral("Varodex"));
        QCOMPARE(label(about, "version_label")->text(), QStringLiteral("Version 4.0"));
        QCOMPARE(label(about, "company_label")->text(), QStringLiteral("Brindlemark"));
        testing::save_shot(about, QStringLiteral("about.png"));

        click_at(label(about, "version_label"), QPoint(240, 10));
        click_at(label(about, "company_label"), QPoint(240, 10));
        QVERIFY(windows.is_open(WindowKind::about));

        click_at(label(about, "title_label"), QPoint(240, 30));
        QVERIFY(!windows.is_open(WindowKind::about));
        windows.show_window(WindowKind::about);
        click_at(label(about, "maker_label"), QPoint(20, 15));
        QVERIFY(!windows.is_open(WindowKind::about));
        windows.show_window(WindowKind::about);
        click_at(&about, QPoint(10, 270));
        QVERIFY(!windows.is_open(WindowKind::about));
    }

    void goodbye_greets_and_exit_ends_the_program() {
        SharedState state;
        state.first_name = "Ada";
        WindowRecorder windows;
        ui::GoodbyeWindow goodbye(std::make_shared<GoodbyePresenter>(state, windows));
        goodbye.show();
        QVERIFY(QTest::qWaitForWindowExposed(&goodbye));
        QCOMPARE(goodbye.windowTitle(), QStringLiteral("  Varodex"));
        QCOMPARE(label(goodbye, "goodbye_label")->text(), QStringLiteral("Goodbye, Ada!!!"));
        QCOMPARE(label(goodbye, "enjoy_label")->text(),
                 QStringLiteral("Hope you enjoyed playing!"));
        auto* exit_button = goodbye.findChild<QPushButton*>(QStringLiteral("CONTINUE_COMMAND"));
        QCOMPARE(exit_button->text(), QStringLiteral("Exit"));
        QVERIFY(label(goodbye, "goodbye_label")->y() < label(goodbye, "enjoy_label")->y());
        QVERIFY(label(goodbye, "enjoy_label")->y() < exit_button->y());
        testing::save_shot(goodbye, QStringLiteral("goodbye.png"));

        QVERIFY(!windows.ended);
        QTest::mouseClick(exit_button, Qt::LeftButton);
        QVERIFY(windows.ended);
    }

    void closing_the_goodbye_screen_ends_the_program() {
        SharedState state;
        WindowRecorder windows;
        ui::GoodbyeWindow goodbye(std::make_shared<GoodbyePresenter>(state, windows));
        goodbye.show();
        QCOMPARE(label(goodbye, "goodbye_label")->text(), QStringLiteral("Goodbye, !!!"));
        goodbye.close();
        QVERIFY(windows.ended);
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "shell_windows_test.moc"

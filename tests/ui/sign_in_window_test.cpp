#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "players/records_file.h"
#include "sign_in_window.h"
#include "support/fakes.h"
#include "support/window_shots.h"

using namespace varodex;

// Types the text key by key; QTest::keyClicks takes ASCII only.
void type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

class SignInWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(folder_.isValid());
        QFile file(folder_.filePath(QStringLiteral("amath.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "\"Ann Lee\",\"12-01-2026\",203,#FALSE#,900,30,2\r\n"
            "\"Bo Diaz\",\"12-01-2026\",101,#FALSE#,400,30,0\r\n"
            "\"Chidi Okafor\",\"12-02-2026\",215,#TRUE#,1300,45,1\r\n"
            "\"Zoë Ünal\",\"12-03-2026\",104,#FALSE#,650,20,0\r\n");
        file.close();
        records_ = std::make_unique<RecordsFile>(folder_.path().toStdString());
        state_ = SharedState{};
        QVERIFY(records_->read_player_names(state_).ok());
        dialogs_ = {};
        windows_ = {};
        sounds_.clear();
    }

    void shows_the_players_and_signs_in_the_one_picked() {
        ui::SignInWindow window(std::make_shared<SignIn>(state_, ports()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral(" Varodex"));
        auto* list = window.findChild<QListWidget*>(QStringLiteral("player_name_list"));
        auto* textbox = window.findChild<QLineEdit*>(QStringLiteral("player_name_textbox"));
        auto* ok = window.findChild<QPushButton*>(QStringLiteral("ok_button"));
        QVERIFY(list && textbox && ok);
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->item(3)->text(), QStringLiteral("Zoë Ünal"));
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(!ok->isEnabled());
        // Both buttons show the hand picture as their pointer.
        auto* exit = window.findChild<QPushButton*>(QStringLiteral("exit_command"));
        for (const QPushButton* button : {ok, exit}) {
            QCOMPARE(button->cursor().shape(), Qt::BitmapCursor);
            QVERIFY(!button->cursor().pixmap().isNull());
        }

        QTest::keyClicks(textbox, QStringLiteral("Dee"));
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(2)).center());
        QCOMPARE(window.presenter().controls().player_name_list.list_index, 2);

        testing::save_shot(window, QStringLiteral("sign_in.png"));

        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(state_.player_name, std::string("Chidi Okafor"));
        QCOMPARE(state_.first_name, std::string("Chidi"));
        QCOMPARE(state_.game_code, 215);
        QCOMPARE(state_.game_kind, time_trial_kind);
        QVERIFY(window.presenter().name_chosen());
        QVERIFY(windows_.is_open(WindowKind::game_screen));
        QCOMPARE(sounds_.count(SoundEffect::click), std::size_t{1});
    }

    void refuses_a_known_name_in_other_letter_case() {
        ui::SignInWindow window(std::make_shared<SignIn>(state_, ports()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* textbox = window.findChild<QLineEdit*>(QStringLiteral("player_name_textbox"));
        auto* ok = window.findChild<QPushButton*>(QStringLiteral("ok_button"));
        type(textbox, QStringLiteral("zoë ünal"));
        QTest::keyClick(textbox, Qt::Key_Return);
        QCOMPARE(dialogs_.shown.size(), std::size_t{1});
        QCOMPARE(dialogs_.shown[0].title, std::string("Name Error"));
        QVERIFY(!ok->isEnabled());
        QCOMPARE(textbox->text(), QStringLiteral("zoë ünal"));
        QVERIFY(windows_.events.empty());

        QTest::keyClicks(textbox, QStringLiteral(" Two"));
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(state_.player_name, std::string("zoë ünal Two"));
        QVERIFY(windows_.is_open(WindowKind::game_screen));
    }

    void a_double_click_signs_in_too() {
        ui::SignInWindow window(std::make_shared<SignIn>(state_, ports()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* list = window.findChild<QListWidget*>(QStringLiteral("player_name_list"));
        const QPoint where = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
        QCOMPARE(state_.player_name, std::string("Ann Lee"));
        QVERIFY(state_.figure_formula_played);
        QVERIFY(windows_.is_open(WindowKind::game_screen));
    }

    void closing_asks_first_and_no_keeps_the_window() {
        ui::SignInWindow window(std::make_shared<SignIn>(state_, ports()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        dialogs_.answers = {DialogButton::no};
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QCOMPARE(dialogs_.shown.at(0).text, std::string("Are You Sure You Want To Quit?"));

        dialogs_.answers = {DialogButton::yes};
        QVERIFY(window.close());
        QVERIFY(windows_.is_open(WindowKind::goodbye));
        QCOMPARE(dialogs_.shown.size(), std::size_t{2});
    }

  private:
    SignInPorts ports() { return {dialogs_, windows_, sounds_, *records_}; }

    QTemporaryDir folder_;
    std::unique_ptr<RecordsFile> records_;
    SharedState state_;
    testing::DialogRecorder dialogs_;
    testing::WindowRecorder windows_;
    testing::SoundRecorder sounds_;
};

QTEST_MAIN(SignInWindowTest)
#include "sign_in_window_test.moc"

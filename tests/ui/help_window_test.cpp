#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include "help_window.h"
#include "qt_platform.h"
#include "shell/help_topics.h"
#include "shell/print_layout.h"
#include "support/fakes.h"
#include "support/window_shots.h"

using namespace varodex;
using varodex::testing::DialogRecorder;
using varodex::testing::PrinterRecorder;
using varodex::testing::SoundRecorder;
using varodex::testing::WindowRecorder;

namespace {

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

    SharedState state;
    SoundRecorder sounds;
    PrinterRecorder printer;
    DialogRecorder dialogs;
    WindowRecorder windows;

    std::unique_ptr<ui::HelpWindow> open(int topic, ui::PdfPathChooser chooser = {}) {
        state.help_topic = topic;
        if (!chooser) chooser = [](QWidget*, const QString&) { return QString(); };
        auto window =
            std::make_unique<ui::HelpWindow>(
                std::make_shared<HelpViewer>(state, ui::help_topic_text(topic).toStdString(), sounds,
                                             printer, dialogs, windows),
                chooser);
        window->show();
        return window;
    }

    static QString heading(QWidget& window) {
        return window.findChild<QLabel*>(QStringLiteral("definition_label"))->text();
    }
    static QPlainTextEdit* text_box(QWidget& window) {
        return window.findChild<QPlainTextEdit*>(QStringLiteral("explanation"));
    }
    static QPushButton* button(QWidget& window, const char* name) {
        return window.findChild<QPushButton*>(QLatin1String(name));
    }

  private slots:
    void init() {
        state = SharedState{};
        sounds.clear();
        printer = PrinterRecorder{};
        dialogs = DialogRecorder{};
        windows = WindowRecorder{};
    }

    void every_topic_is_compiled_in() {
        for (const HelpTopic& topic : help_topics()) {
            QVERIFY2(ui::help_topic_text(topic.number).size() > 200, topic.file_name.c_str());
        }
    }

    void glossary_entry_shows_heading_caption_and_text() {
        auto window = open(3);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->size(), QSize(459, 343));
        QCOMPARE(window->windowTitle(), QStringLiteral(" Glossary"));
        QCOMPARE(heading(*window), QStringLiteral("drop remainder"));
        QVERIFY(text_box(*window)->toPlainText().startsWith(
            QStringLiteral("Dropping the remember after division")));
        QCOMPARE(text_box(*window)->geometry(), QRect(32, 47, 400, 251));
        QCOMPARE(text_box(*window)->font().pointSizeF(), 12.0);
        QVERIFY(text_box(*window)->isReadOnly());
        QCOMPARE(button(*window, "Command2")->geometry(), QRect(96, 312, 45, 25));
        QCOMPARE(button(*window, "ok_button")->geometry(), QRect(320, 312, 51, 26));
        testing::save_shot(*window, QStringLiteral("help_topic_3.png"));
    }

    void topics_after_sixteen_take_their_heading_as_caption() {
        auto window = open(17);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->windowTitle(), QStringLiteral("Scoring"));
        QCOMPARE(heading(*window), QStringLiteral("Scoring"));
        QVERIFY(text_box(*window)->toPlainText().contains(QStringLiteral("BONUSES")));
        testing::save_shot(*window, QStringLiteral("help_topic_17.png"));

        auto instructions = open(1);
        QCOMPARE(instructions->windowTitle(), QStringLiteral(" Glossary"));
        QCOMPARE(heading(*instructions), QStringLiteral("Instructions"));
    }

    void print_sends_title_empty_line_and_broken_text() {
        auto window = open(3);
        QTest::mouseClick(button(*window, "Command2"), Qt::LeftButton);
        QCOMPARE(printer.documents.size(), std::size_t{1});
        const std::vector<std::string>& lines = printer.documents[0].lines;
        QCOMPARE(lines.size(), std::size_t{6});
        QCOMPARE(lines[0], std::string("drop remainder"));
        QCOMPARE(lines[1], std::string());
        QCOMPARE(lines[5], std::string(" part of the number."));
        QVERIFY(dialogs.shown.empty());
        QVERIFY(window->isVisible());
    }

    void failed_print_offers_a_pdf_that_reads_back() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed (Debian package poppler-utils)");

        // Kept beside the screenshots, for review.
        QDir().mkpath(QStringLiteral(VARODEX_SHOTS_DIR));
        const QString path = QStringLiteral(VARODEX_SHOTS_DIR "/help_topic_17.pdf");
        QFile::remove(path);
        QString suggested;
        printer.result = {false, "There is no printer set up on this computer."};
        dialogs.answers = {DialogButton::yes};
        auto window = open(17, [&](QWidget*, const QString& name) {
            suggested = name;
            return path;
        });
        QTest::mouseClick(button(*window, "Command2"), Qt::LeftButton);
        QCOMPARE(dialogs.shown.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(dialogs.shown[0].text).contains(QStringLiteral("PDF")));
        QCOMPARE(suggested, QStringLiteral("Scoring.pdf"));
        QVERIFY(QFileInfo::exists(path));

        QProcess process;
        process.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 0);
        QStringList read_back = QString::fromUtf8(process.readAllStandardOutput())
                                    .remove(QLatin1Char('\f'))
                                    .split(QLatin1Char('\n'));
        // Text read back from a PDF keeps the words but not every run of blanks.
        for (QString& line : read_back) line = line.simplified();

        const std::vector<std::string> sent = window->presenter().print_lines();
        QVERIFY(sent == print_lines_for_topic(
                            "Scoring", with_crlf_line_ends(ui::help_topic_text(17).toStdString())));
        QCOMPARE(read_back.value(0), QStringLiteral("Scoring"));
        QCOMPARE(read_back.value(1), QString());
        // Every printed line comes back whole and in order: none was cut at the page's edge.
        int at = 2;
        for (std::size_t i = 2; i < sent.size(); ++i) {
            const QString line = QString::fromStdString(sent[i]).simplified();
            QCOMPARE(read_back.value(at), line);
            ++at;
        }
        QVERIFY(dialogs.shown.size() == 1);  // the PDF was written: no second message
    }

    void declining_the_pdf_writes_nothing() {
        printer.result = {false, "The printer could not be started."};
        dialogs.answers = {DialogButton::no};
        bool asked = false;
        auto window = open(2, [&](QWidget*, const QString&) {
            asked = true;
            return QString();
        });
        QTest::mouseClick(button(*window, "Command2"), Qt::LeftButton);
        QCOMPARE(dialogs.shown.size(), std::size_t{1});
        QVERIFY(!asked);
    }

    void ok_closes_with_the_click_sound() {
        windows.show_window(WindowKind::help);
        auto window = open(20);
        QCOMPARE(button(*window, "ok_button")->cursor().shape(),
                 QFile::exists(QStringLiteral(":/images/hand_icon_image.svg"))
                     ? Qt::BitmapCursor
                     : Qt::PointingHandCursor);
        QTest::mouseClick(button(*window, "ok_button"), Qt::LeftButton);
        QCOMPARE(sounds.played, std::vector<SoundEffect>{SoundEffect::click});
        QVERIFY(!windows.is_open(WindowKind::help));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QMenuBar>

#include "qt_platform.h"

using namespace varodex;

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void missing_sound_file_beeps_instead() {
        QTemporaryDir empty;
        int beeps = 0;
        ui::QtSounds sounds({empty.path()}, [&beeps] { ++beeps; });
        sounds.play(SoundEffect::tada);
        sounds.play(SoundEffect::click);
        QCOMPARE(beeps, 2);
    }

    void sound_files_are_found_in_folder_order() {
        QTemporaryDir first;
        QTemporaryDir second;
        QFile file(second.filePath(QStringLiteral("tada.wav")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        ui::QtSounds sounds({first.path(), second.path()}, [] {});
        QCOMPARE(sounds.locate(QStringLiteral("tada.wav")),
                 QFileInfo(file).absoluteFilePath());
        QVERIFY(sounds.locate(QStringLiteral("cheer.wav")).isEmpty());
    }

    void every_effect_ships_with_the_game() {
        ui::QtSounds sounds({QStringLiteral(VARODEX_SOURCE_ASSETS "/sounds")}, [] {});
        for (int i = 0; i < sound_effect_count; ++i) {
            const QString name = QString::fromLatin1(sound_file_name(static_cast<SoundEffect>(i)));
            const QString path = sounds.locate(name);
            QVERIFY2(!path.isEmpty(), qPrintable(name));
            QVERIFY(QFileInfo(path).size() > 1000);
        }
    }

    void unreadable_sound_file_beeps_and_never_blocks() {
        QTemporaryDir folder;
        QFile junk(folder.filePath(QStringLiteral("m_error.wav")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("this is not a wave file");
        junk.close();
        int beeps = 0;
        ui::QtSounds sounds({folder.path()}, [&beeps] { ++beeps; });
        sounds.play(SoundEffect::error);
        QTRY_COMPARE_WITH_TIMEOUT(beeps, 1, 3000);
    }

    void random_draws_are_in_range_and_reseeds_differ() {
        ui::QtRandom random;
        for (int i = 0; i < 1000; ++i) {
            const double r = random.next();
            QVERIFY(r >= 0.0 && r < 1.0);
        }
        random.reseed();
        const double a = random.next();
        random.reseed();
        const double b = random.next();
        QVERIFY(a != b);
    }

    void clock_is_monotonic_and_dates_are_mm_dd_yyyy() {
        ui::QtClock clock;
        const double t0 = clock.now_seconds();
        QTest::qWait(20);
        QVERIFY(clock.now_seconds() > t0);
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d-\\d\\d-\\d{4}$"))
                    .match(QString::fromStdString(clock.today()))
                    .hasMatch());
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"

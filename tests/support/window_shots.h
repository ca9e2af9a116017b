// Saves a window as a picture in the build's shots folder, to be looked at by a person.
#pragma once

#include <QDir>
#include <QString>
#include <QTest>
#include <QWidget>

namespace varodex::testing {

inline void save_shot(QWidget& window, const QString& file) {
    QDir().mkpath(QStringLiteral(VARODEX_SHOTS_DIR));
    QVERIFY(window.grab().save(QStringLiteral(VARODEX_SHOTS_DIR "/") + file));
}

}  // namespace varodex::testing

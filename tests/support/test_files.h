#pragma once

#include "core/course_file.h"
#include "core/state.h"

#include <QByteArray>
#include <QFile>
#include <QLabel>
#include <QList>
#include <QString>
#include <QtTest>

// Small file and window helpers shared by the window tests.
namespace testing_support {

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A fixture of tests/fixtures/files/.
inline QString FixturePath(const char* name) {
    return QString(TARNWICK_FIXTURES) + "/files/" + name;
}

// The lines of a data file, each without its CR LF.
inline QList<QByteArray> Lines(const QByteArray& content) {
    QList<QByteArray> lines = content.split('\n');
    lines.removeLast();
    for (QByteArray& line : lines)
        line.chop(1); // the CR
    return lines;
}

// Opens a course of tests/fixtures/stats/ into the shared state.
inline void LoadFixture(core::AppState& state, const char* name) {
    core::FileResult result =
        core::LoadCourseFile(std::string(TARNWICK_FIXTURES) + "/stats/" + name, state.course);
    QVERIFY2(result.ok, result.error.c_str());
}

// The text of the window's label LabelN, or a marker when it has none.
inline QString Text(const QWidget& window, int labelNumber) {
    auto* label = window.findChild<QLabel*>("Label" + QString::number(labelNumber));
    return label ? label->text() : QString("(no Label%1)").arg(labelNumber);
}

} // namespace testing_support

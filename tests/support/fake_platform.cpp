#include "support/fake_platform.h"

#include <QFile>
#include <QStandardPaths>

namespace testing_support {

FakePlatform::FakePlatform() {
    // Nothing a test does may reach the user's own data folder.
    QStandardPaths::setTestModeEnabled(true);
    QFile trivia(triviaFile());
    if (trivia.open(QIODevice::WriteOnly))
        trivia.write("35000,0,0,0\r\n");
    platform.programFolder = programDir.path();
    platform.dataFolder = dataDir.path();
}

platform::MessageAnswer FakeMessageBoxes::show(const QString& text, const QString& title,
                                               platform::MessageIcon icon,
                                               platform::MessageButtons buttons) {
    shown.push_back({text, title, icon, buttons, beepPending_});
    beepPending_ = false;
    events << "box:" + title;
    if (!answers.empty()) {
        platform::MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == platform::MessageButtons::YesNo ? platform::MessageAnswer::Yes
                                                      : platform::MessageAnswer::Ok;
}

void FakeMessageBoxes::beep() {
    ++beeps;
    beepPending_ = true;
    events << "beep";
}

std::optional<QString> FakeFileDialogs::nextAnswer() {
    if (answers.empty() || !answers.front()) {
        if (!answers.empty())
            answers.pop_front();
        return std::nullopt;
    }
    QString path = *answers.front();
    answers.pop_front();
    return path;
}

std::optional<QString> FakeFileDialogs::openFile(const platform::FileDialogRequest& request) {
    asked.push_back({request, false});
    return nextAnswer();
}

std::optional<QString> FakeFileDialogs::saveFile(const platform::FileDialogRequest& request) {
    asked.push_back({request, true});
    return nextAnswer();
}

} // namespace testing_support

#pragma once

#include "core/day_number.h"
#include "platform/platform.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <optional>
#include <vector>

namespace testing_support {

// Records every message box and beep in order, and answers from a script.
class FakeMessageBoxes : public platform::MessageBoxes {
public:
    struct Shown {
        QString text;
        QString title;
        platform::MessageIcon icon;
        platform::MessageButtons buttons;
        bool afterBeep; // a beep came right before this box
    };

    platform::MessageAnswer show(const QString& text, const QString& title,
                                 platform::MessageIcon icon,
                                 platform::MessageButtons buttons) override;
    void beep() override;

    // Answers for the next boxes, in order; an unscripted box gets its first button.
    void answer(platform::MessageAnswer a) { answers.push_back(a); }

    std::vector<Shown> shown;
    QStringList events; // "beep" and "box:<title>" in the order they happened
    int beeps = 0;
    std::deque<platform::MessageAnswer> answers;

private:
    bool beepPending_ = false;
};

// Answers Open and Save dialogs with scripted paths; an empty optional is Cancel.
class FakeFileDialogs : public platform::FileDialogs {
public:
    std::optional<QString> openFile(const platform::FileDialogRequest& request) override;
    std::optional<QString> saveFile(const platform::FileDialogRequest& request) override;

    void answer(std::optional<QString> path) { answers.push_back(std::move(path)); }

    struct Asked {
        platform::FileDialogRequest request;
        bool save;
    };
    std::vector<Asked> asked;
    std::deque<std::optional<QString>> answers; // an unscripted dialog is cancelled

private:
    std::optional<QString> nextAnswer();
};

// Keeps every printed document and picture.
class FakePrinter : public platform::Printer {
public:
    bool print(const core::PrintDocument& document) override {
        documents.push_back(document);
        return true;
    }
    bool printImage(const QImage& image, const QString& documentName) override {
        images.push_back(image);
        imageNames.push_back(documentName);
        return true;
    }
    std::vector<core::PrintDocument> documents;
    std::vector<QImage> images;
    QStringList imageNames;
};

class FakeClock : public platform::Clock {
public:
    double today() const override { return day; }
    double now() const override { return day + timeOfDay; }
    void setDate(int year, int month, int dayOfMonth) {
        day = core::DayNumberFromDate(year, month, dayOfMonth);
    }
    double day = core::DayNumberFromDate(1996, 3, 5);
    double timeOfDay = 0.5;
};

class FakeScreen : public platform::Screen {
public:
    QSize size() const override { return screenSize; }
    QSize screenSize{1024, 768};
};

class FakeSound : public platform::SoundDevice {
public:
    int outputDeviceCount() override { return devices; }
    bool playSound(const QString& fileName, int flags) override {
        played.push_back({fileName, flags});
        return true;
    }
    struct Played {
        QString fileName;
        int flags;
    };
    int devices = 0;
    std::vector<Played> played;
};

class FakeHelpViewer : public platform::HelpViewer {
public:
    bool showContents(QWidget*, const QString& helpFilePath) override {
        opened << helpFilePath;
        return true;
    }
    QStringList opened;
};

// All the stand-ins together, with a Platform that points at them. The program's folder,
// the user's data folder, the documents folder and the settings file are fresh temporary
// ones; trivia.dat in the data folder has trivia switched off, so a start-up opens no
// question window unless a test writes its own trivia.dat there. The dialogs go through
// the remembering layer, as in the program; `fileDialogs` sees what reaches the user.
struct FakePlatform {
    FakePlatform();

    QTemporaryDir programDir;
    QTemporaryDir dataDir;
    QTemporaryDir documentsDir;
    QTemporaryDir settingsDir;
    FakeMessageBoxes messages;
    FakeFileDialogs fileDialogs;
    platform::Settings settings{settingsDir.filePath("tarnwick.conf")};
    platform::RememberingFileDialogs rememberingDialogs{fileDialogs, settings, documentsDir.path()};
    FakePrinter printer;
    FakeClock clock;
    FakeScreen screen;
    FakeSound sound;
    FakeHelpViewer help;
    platform::Platform platform{messages, rememberingDialogs, printer, clock, screen, sound,
                                help,     settings,           {},      {}};

    QString triviaFile() const { return dataDir.filePath("trivia.dat"); }
};

} // namespace testing_support

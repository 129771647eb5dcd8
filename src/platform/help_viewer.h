#pragma once

#include <QString>

class QWidget;

namespace platform {

// Opens a help document at its contents.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual bool showContents(QWidget* owner, const QString& helpFilePath) = 0;
};

class QtHelpViewer : public HelpViewer {
public:
    bool showContents(QWidget* owner, const QString& helpFilePath) override;
};

} // namespace platform

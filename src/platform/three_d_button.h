#pragma once

#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace platform {

// A raised command button with a caption under a 32 x 32 picture.
class ThreeDButton : public QToolButton {
    Q_OBJECT
public:
    explicit ThreeDButton(const QString& caption, QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture);
    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
};

// A sunken panel whose caption shows a result.
class ThreeDPanel : public QFrame {
    Q_OBJECT
public:
    explicit ThreeDPanel(QWidget* parent = nullptr);
    QString caption() const;
    void setCaption(const QString& caption);

private:
    QLabel* label_;
};

} // namespace platform

#pragma once
// Steps a test takes inside a modal dialog that the code under test opens and waits for.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `step` on the first modal dialog that is shown while the object lives.
class WhenShown {
public:
    explicit WhenShown(std::function<void(QWidget*)> step) : step_(std::move(step))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timer_.stop();
                ran = true;
                step_(modal);
            }
        });
        timer_.start(5);
    }
    bool ran = false;

private:
    QTimer timer_;
    std::function<void(QWidget*)> step_;
};

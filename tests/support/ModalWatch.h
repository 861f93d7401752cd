#pragma once
// Runs a step on every modal dialog of one type that comes up while the watch lives, and counts
// them; a dialog that should not come up at all is seen by the count. Unlike the fixture's
// onModal, nothing stays armed after the watch has gone.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>

template <class Dialog>
class ModalWatch {
public:
    explicit ModalWatch(std::function<void(Dialog&)> step) : step_(std::move(step))
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }
    ModalWatch(const ModalWatch&) = delete;
    ModalWatch& operator=(const ModalWatch&) = delete;

    // Dialogs seen so far.
    int count() const { return count_; }

private:
    void look()
    {
        auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == current_)
            return;
        current_ = dialog;
        ++count_;
        step_(*dialog);
    }

    std::function<void(Dialog&)> step_;
    QTimer timer_;
    QPointer<Dialog> current_;
    int count_ = 0;
};

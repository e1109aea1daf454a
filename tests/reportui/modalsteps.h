#pragma once
// Drives nested modal windows from a test: each step waits until its window
// is the active modal window (its exec loop runs), then acts on it. The
// steps run from the event loop of whatever modal window is open.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

class ModalSteps {
public:
    using Window = std::function<QWidget *()>;

    ModalSteps() {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    // `action` runs once `window()` is shown as the top modal window.
    void when(Window window, std::function<void()> action) {
        m_steps.push_back({std::move(window), std::move(action)});
    }
    bool allDone() const { return m_steps.empty(); }
    int pending() const { return int(m_steps.size()); }

private:
    struct Step {
        Window window;
        std::function<void()> action;
    };
    void poll() {
        if (m_steps.empty())
            return;
        QWidget *window = m_steps.front().window();
        if (!window || !window->isVisible() || QApplication::activeModalWidget() != window)
            return;
        // Run from a timer of its own: an action that opens the next modal
        // loop must not block this timer, which does not fire while its own
        // handler runs.
        QTimer::singleShot(0, std::move(m_steps.front().action));
        m_steps.pop_front();
    }

    std::deque<Step> m_steps;
    QTimer m_timer;
};

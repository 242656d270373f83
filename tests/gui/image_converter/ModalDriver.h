// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

// Acts on modal windows as a user would: each step runs on the next modal
// window that shows, the one it returned to after a nested box included.
// A window left waiting too long is closed, so a test fails instead of hanging.
class CModalDriver
{
public:
    using Step = std::function<void(QWidget*)>;

    explicit CModalDriver(std::deque<Step> steps) : m_steps(std::move(steps))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { OnTick(); });
        m_clock.start();
        m_timer.start(10);
    }
    ~CModalDriver() { EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " steps never ran"; }

private:
    void OnTick()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && m_clock.elapsed() > kPatienceMs) {
            ADD_FAILURE() << "a modal window waited too long";
            modal->close();
        } else if (modal != nullptr && modal != m_lastHandled && !m_steps.empty()) {
            m_lastHandled = modal;
            // Qt does not fire a timer again while its handler runs, so a step
            // that opens a nested box runs outside this handler.
            QTimer::singleShot(0, modal,
                               [modal, step = std::move(m_steps.front())] { step(modal); });
            m_steps.pop_front();
        }
    }

    static constexpr qint64 kPatienceMs = 5000;
    std::deque<Step> m_steps;
    QTimer m_timer;
    QElapsedTimer m_clock;
    QPointer<QWidget> m_lastHandled;
};

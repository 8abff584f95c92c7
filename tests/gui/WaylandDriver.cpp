// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuibraWindow.h"
#include "WaylandWindows.h"

#include <QTest>
#include <QtWidgets>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include <sched.h>

#include <cstdio>
#include <cstdlib>

// Linked into the program itself (src/Quibra.cpp), so that its own main()
// and its own way out are what run: once the window is up, this clicks a
// conversion, has Qt ask the compositor for each state that the window must
// refuse, and closes the window with Esc. At the first fault it says what
// it found and ends the process with status 1.

namespace {

[[noreturn]] void fail(const QString& what)
{
    std::fprintf(stderr, "FAIL: %s\n", qPrintable(what));
    std::fflush(stderr);
    std::_Exit(1);
}

// As on a busy machine, and every time: Qt's Wayland event thread (the first
// of its two, which share a name) gets the processor only while the GUI
// thread waits, so a read that the GUI thread prepares for it stays
// unanswered until the GUI thread blocks.
void starveEventThread()
{
    cpu_set_t cpu;
    CPU_ZERO(&cpu);
    CPU_SET(sched_getcpu(), &cpu);
    sched_setaffinity(0, sizeof cpu, &cpu);
    int first = 0;
    // On a loaded machine the thread may not have its name yet.
    const bool named = QTest::qWaitFor([&first] {
        const QDir tasks(QStringLiteral("/proc/self/task"));
        for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile name(tasks.filePath(task + QStringLiteral("/comm")));
            if (name.open(QIODevice::ReadOnly) && name.readAll().startsWith("WaylandEvent") &&
                (first == 0 || task.toInt() < first))
                first = task.toInt();
        }
        return first != 0;
    });
    const sched_param idle{};
    if (!named || sched_setaffinity(first, sizeof cpu, &cpu) != 0 ||
        sched_setscheduler(first, SCHED_IDLE, &idle) != 0)
        fail(QStringLiteral("could not slow down Qt's Wayland event thread"));
}

// A refused state takes two exchanges with the compositor and Qt's drawing
// after the second a third; the last round trip brings the compositor's
// verdict on that drawing.
void settle()
{
    for (int exchange = 0;; ++exchange) {
        if (!waylandRoundTrip())
            fail(QStringLiteral("the compositor closed the connection"));
        if (exchange == 3)
            return;
        QCoreApplication::processEvents();
    }
}

// Until the compositor has answered the window's last frame, with nothing
// more drawn. Qt 6.4.2's frame thread and QWaylandWindow::reset() both
// destroy a frame callback that is answered just while the window hides
// (wl_proxy_unref: Assertion `proxy->refcount > 0' failed; fixed in Qt
// 6.4.3), so Esc comes, as a person's does, well after the last frame.
void waitForLastFrame(QWidget* window)
{
    struct UpdateRequests final : QObject {
        bool seen = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            seen = seen || event->type() == QEvent::UpdateRequest;
            return false;
        }
    } updates;
    window->setUpdatesEnabled(false);
    window->windowHandle()->installEventFilter(&updates);
    window->windowHandle()->requestUpdate();
    if (!QTest::qWaitFor([&updates] { return updates.seen; }))
        fail(QStringLiteral("the compositor answered no frame"));
    window->windowHandle()->removeEventFilter(&updates);
}

// Esc struck while Qt dispatches an event from the compositor, as a key
// from the compositor is, so that the requests that hide the window go out
// at once; and the compositor still has something to say while the program
// ends, as it has when the key is let go.
void strikeEscapeFromCompositor(QuibraWindow* window)
{
    static wl_display* const display = static_cast<wl_display*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display"));
    static const wl_callback_listener escape = {[](void* data, wl_callback* callback, uint32_t) {
        wl_callback_destroy(callback);
        auto* converter = static_cast<QuibraWindow*>(data);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
        QApplication::sendEvent(converter->focusWidget() ? converter->focusWidget() : converter,
                                &key);
        wl_callback_destroy(wl_display_sync(display));
    }};
    wl_callback_add_listener(wl_display_sync(display), &escape, window);
}

void drive()
{
    starveEventThread();
    QuibraWindow* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        window = window ? window : qobject_cast<QuibraWindow*>(widget);
    if (window == nullptr || !QTest::qWaitForWindowExposed(window))
        fail(QStringLiteral("the window did not appear"));
    for (const char* key : {"key1", "key0", "key0", "celsiusKey", "fahrenheitKey"})
        QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(key)), Qt::LeftButton);
    const QString shown = window->findChild<QLineEdit*>(QStringLiteral("display"))->text();
    if (shown != QLatin1String("212."))
        fail(QStringLiteral("100 °C showed as %1 °F").arg(shown));

    // A kiosk insists on full screen, which the window then takes, and never
    // answers a frame.
    if (qEnvironmentVariableIsSet("QUIBRA_KIOSK")) {
        settle();
        if (window->windowHandle()->windowStates() != Qt::WindowFullScreen)
            fail(QStringLiteral("the kiosk's full screen was refused"));
        return strikeEscapeFromCompositor(window);
    }
    const QSize size = window->size();
    const QSize frame = window->frameGeometry().size();
    for (const auto& [state, name] : {std::pair{Qt::WindowMaximized, "maximized"},
                                      std::pair{Qt::WindowFullScreen, "full screen"}}) {
        window->windowHandle()->setWindowStates(state);
        settle();
        if (window->windowHandle()->windowStates() != Qt::WindowNoState)
            fail(name + QStringLiteral(" was kept"));
        if (window->size() != size || window->frameGeometry().size() != frame)
            fail(name + QStringLiteral(" changed the window's size"));
    }

    // The program's main() takes over once the window has closed.
    waitForLastFrame(window);
    strikeEscapeFromCompositor(window);
}

void scheduleDrive() { QTimer::singleShot(0, drive); }

} // namespace

Q_COREAPP_STARTUP_FUNCTION(scheduleDrive)

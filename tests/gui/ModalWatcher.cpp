// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModalWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int pollMilliseconds = 5;
constexpr qint64 stuckMilliseconds = 2000;

SeenWindow describe(QWidget* window)
{
    SeenWindow seen;
    seen.className = QString::fromLatin1(window->metaObject()->className());
    seen.title = window->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttonCount = static_cast<int>(box->buttons().size());
    } else if (auto* menu = qobject_cast<QMenu*>(window)) {
        QStringList entries;
        for (const QAction* action : menu->actions())
            entries << action->text();
        seen.text = entries.join(QLatin1Char('|'));
    }
    for (QWidget* other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible())
            seen.otherWindows << other->windowTitle();
    return seen;
}

void defaultHandler(QWidget* window)
{
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        box->button(QMessageBox::Ok)->click();
    } else if (auto* menu = qobject_cast<QMenu*>(window)) {
        menu->setActiveAction(menu->actions().constFirst());
        QTest::keyClick(menu, Qt::Key_Return);
    } else {
        for (auto* button : window->findChildren<QPushButton*>())
            if (button->isDefault())
                return button->click();
        window->close();
    }
}

} // namespace

ModalWatcher::ModalWatcher()
{
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::poll);
    timer_.start(pollMilliseconds);
}

void ModalWatcher::onWindow(const QString& className, Handler handler)
{
    handlers_.insert(className, std::move(handler));
}

QStringList ModalWatcher::seenClasses() const
{
    QStringList classes;
    for (const SeenWindow& window : seen_)
        classes << window.className;
    return classes;
}

void ModalWatcher::poll()
{
    QWidget* window = QApplication::activePopupWidget();
    if (window == nullptr)
        window = QApplication::activeModalWidget();
    if (window == nullptr || !window->isVisible())
        return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (Handled& handled : handled_) {
        if (handled.window != window)
            continue;
        if (now - handled.at > stuckMilliseconds) {
            ++stuck_;
            handled.at = now;
            window->close();
        }
        return;
    }
    handled_.append({window, now});
    handle(window);
}

void ModalWatcher::handle(QWidget* window)
{
    SeenWindow seen = describe(window);
    Handler handler = handlers_.value(seen.className, defaultHandler);
    seen_.append(std::move(seen));
    // Queued: a handler may open a modal window of its own, and this timer
    // does not fire again until the slot that runs it returns.
    QTimer::singleShot(0, window, [window, handler] { handler(window); });
}

// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

// One modal window or popup menu as it was when it appeared.
struct SeenWindow {
    QString className; // QMessageBox, CHelpDlg, CVersionDlg, QMenu
    QString title;
    QString text; // a message box's text; a menu's entries joined by '|'
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;      // of a message box
    QStringList otherWindows; // titles of the other visible windows then
};

// Records every modal window and popup menu that appears while it lives and
// then closes it, from a timer that runs inside their modal loops: a test
// may fail, but never waits for a person. By default a message box gets OK,
// a menu its first entry and a dialog its default button; onWindow() sets
// another way out for one class. Handlers run from the event loop, so a
// window they open in turn is watched too. A window still active two
// seconds after its handler ran is closed and counted as stuck.
class ModalWatcher final : public QObject {
public:
    using Handler = std::function<void(QWidget*)>;

    ModalWatcher();

    void onWindow(const QString& className, Handler handler);
    const QList<SeenWindow>& seen() const { return seen_; }
    QStringList seenClasses() const;
    int stuckCount() const { return stuck_; }

private:
    void poll();
    void handle(QWidget* window);

    QTimer timer_;
    QHash<QString, Handler> handlers_;
    QList<SeenWindow> seen_;
    struct Handled {
        QPointer<QWidget> window;
        qint64 at;
    };
    QList<Handled> handled_;
    int stuck_ = 0;
};

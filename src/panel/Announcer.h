// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Says a text to a screen reader, whatever has the focus. A screen reader
// speaks a changed text only where its user is, which is mostly on a key
// (Orca is silent even on the display when its read-only text changes).
// What it does speak wherever the focus is, is a notification appearing, so
// each announcement is a notification shown anew. It is nothing on screen
// (no size), and its accessible parent is the application, so that the
// window's name is not spoken before it.
class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
    // The last text announced and how many announcements there were.
    QString lastText() const { return accessibleName(); }
    int count() const { return count_; }

private:
    int count_ = 0;
};

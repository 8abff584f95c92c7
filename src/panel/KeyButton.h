// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

// A key of the panel. It draws what a style or a style sheet must not take
// away: the Rate key's thin sunken edge, a focus frame that stands out from
// the key's own edge, so a keyboard user always sees where they are, and a
// source unit's key pressed in while it waits for its target, which its
// accessible name then says too.
class KeyButton final : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    void setSunkenEdge(bool on) { sunkenEdge_ = on; }
    void setWaiting(bool on);
    bool isWaiting() const { return waiting_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool sunkenEdge_ = false;
    bool waiting_ = false;
};

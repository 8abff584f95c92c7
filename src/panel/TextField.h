// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFocusEvent>
#include <QLineEdit>

// A read-only field of the panel that Tab stops at, for a screen reader to
// read. Reached by Tab it does not select its text as an editable field
// does: the selection would be spoken before the field, and an empty
// field's caret would be taken for the focus and the field not spoken at all.
class TextField final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QFocusEvent plain(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&plain);
    }
};

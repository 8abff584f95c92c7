// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyButton.h"

#include <QPainter>
#include <qdrawutil.h>

void KeyButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    // Lines only, drawn over the key: a frame widget laid over it instead
    // would fill its background wherever a style sheet gives QWidget one,
    // and hide the caption.
    if (sunkenEdge_)
        qDrawShadePanel(&painter, rect(), palette(), true, 1);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
        painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
    }
}

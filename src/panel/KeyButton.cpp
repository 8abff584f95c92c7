// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <qdrawutil.h>

void KeyButton::setWaiting(bool on)
{
    if (on == waiting_)
        return;
    waiting_ = on;
    // Said in the name, which a screen reader speaks with the key: Qt shows a
    // checkable button to AT-SPI as a check box, and Orca speaks no state of
    // a push button, pressed or checked.
    const QString mark = tr("（押されています）");
    const QString name = accessibleName();
    setAccessibleName(on ? name + mark : name.chopped(mark.size()));
    update();
}

void KeyButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (waiting_)
        option.state |= QStyle::State_On;
    painter.drawControl(QStyle::CE_PushButton, option);
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

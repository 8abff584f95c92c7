// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyNavigation.h"

#include <QWidget>

#include <algorithm>
#include <climits>

QWidget* neighbour(const QList<QWidget*>& controls, const QWidget* from, int arrowKey)
{
    const QRect start = from->geometry();
    QWidget* best = nullptr;
    long bestDistance = LONG_MAX;
    for (QWidget* control : controls) {
        const QRect rect = control->geometry();
        if (control == from || !control->isEnabled())
            continue;
        long along = 0;
        long across = 0;
        if (arrowKey == Qt::Key_Left) {
            // The same row only: the left neighbour must share some height.
            if (rect.bottom() < start.top() || rect.top() > start.bottom())
                continue;
            along = start.center().x() - rect.center().x();
        } else {
            const int sign = arrowKey == Qt::Key_Up ? 1 : -1;
            along = sign * (start.center().y() - rect.center().y());
            across = std::abs(start.center().x() - rect.center().x());
        }
        const long distance = along * 1000 + across;
        if (along > 0 && distance < bestDistance) {
            best = control;
            bestDistance = distance;
        }
    }
    return best;
}

QList<QWidget*> inRowOrder(QList<QWidget*> controls)
{
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
        const QRect ra = a->geometry();
        const QRect rb = b->geometry();
        // One row: tops less than half a key apart.
        if (std::abs(ra.top() - rb.top()) * 2 >= std::min(ra.height(), rb.height()))
            return ra.top() < rb.top();
        return ra.left() < rb.left();
    });
    return controls;
}

// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class QWidget;

// Where an arrow key (Up, Down or Left) moves the focus from `from`: the
// nearest of `controls` that is enabled and lies in that direction, by its
// distance along the direction and then across it; nullptr when none does.
QWidget* neighbour(const QList<QWidget*>& controls, const QWidget* from, int arrowKey);

// The controls in the order of the rows on screen, left to right, as Tab
// moves through them.
QList<QWidget*> inRowOrder(QList<QWidget*> controls);

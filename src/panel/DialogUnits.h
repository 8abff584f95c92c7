// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Keys.h"

#include <QRect>
#include <QSize>

// The layout is in dialog units of a 9-point gothic; on Qt one unit is 1.5
// logical pixels. Each edge is rounded half up on its own, so controls that
// do not overlap in dialog units do not overlap in pixels either.
constexpr int toPixels(int dialogUnits) { return (dialogUnits * 3 + 1) / 2; }

inline QRect toPixels(const DialogRect& rect)
{
    const int left = toPixels(rect.x);
    const int top = toPixels(rect.y);
    return {left, top, toPixels(rect.x + rect.width) - left, toPixels(rect.y + rect.height) - top};
}

inline QSize toPixels(int width, int height) { return {toPixels(width), toPixels(height)}; }

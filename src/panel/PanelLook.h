// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Panel.h"

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QString>

#include <string_view>

class QWidget;

// The windows' 9-point proportional gothic: the Windows face first, then
// the Japanese gothics found on Linux.
QFont dialogFont();
// The display's face, normal weight, at the size the window gives it.
QFont displayFont();

// Images of a compiled-in icon: "quibra" at 16, 32 and 48 pixels, "help" at 32.
QImage iconImage(const char* name, int size);
QIcon applicationIcon();
// The help window's own icon.
QIcon helpIcon();

inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A modal box with one OK button, titled with the program file's base name.
void showMessageBox(QWidget* parent, std::string_view text, MessageIcon icon);

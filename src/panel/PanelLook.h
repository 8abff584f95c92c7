// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Panel.h"

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QString>

#include <string_view>

class QWidget;

// The windows' 9-point proportional gothic, of normal weight whatever the
// desktop's font: the Windows face first, then the Japanese gothics found
// on Linux.
QFont dialogFont();
// The display's face; its weight and size are those of the window's font.
QFont displayFont();

// Icons in every size that the build compiles in (src/panel/CMakeLists.txt).
// The application icon: the desktop gets all its sizes.
QIcon applicationIcon();
// The help window's own icon.
QIcon helpIcon();

// A picture label that shows an icon at a size in logical pixels, from the
// art of the size that it takes on the screen it is on. A QLabel's pixmap
// has one device pixel ratio, the one it was made for; this one follows
// the window to a screen of another scale.
class IconLabel final : public QLabel {
public:
    IconLabel(const QIcon& icon, QSize size, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon icon_;
    QSize size_;
};

inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A modal box with one OK button, titled with the program file's base name.
void showMessageBox(QWidget* parent, const QString& text, MessageIcon icon);

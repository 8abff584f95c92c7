// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for start-up measurements: a bare dialog of Quibra's shape (41
// push buttons, two read-only line edits and an icon label at the same
// places, with the same captions) that does nothing else.

#include "Keys.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QRect pixels(const DialogRect& rect)
{
    const auto px = [](int units) { return units * 3 / 2; };
    return {px(rect.x), px(rect.y), px(rect.width), px(rect.height)};
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Unit Converter"));
    dialog.setFixedSize(pixels(clientArea).size());
    for (const auto& key : allKeys()) {
        auto* button = new QPushButton(
            QString::fromUtf8(key.caption.data(), static_cast<qsizetype>(key.caption.size())),
            &dialog);
        button->setGeometry(pixels(key.rect));
    }
    for (const auto& rect : {displayRect, rateBoxRect}) {
        auto* field = new QLineEdit(&dialog);
        field->setReadOnly(true);
        field->setGeometry(pixels(rect));
    }
    auto* icon = new QLabel(&dialog);
    icon->setGeometry(pixels(iconRect));
    dialog.show();
    return application.exec();
}

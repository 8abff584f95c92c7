// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Announcer.h"

#include <QAccessibleWidget>
#include <QApplication>

namespace {

class AnnouncerAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Notification)
    {
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(qApp);
    }
};

QAccessibleInterface* announcerAccessible(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<Announcer*>(object);
    return widget != nullptr && className == QLatin1String("Announcer")
               ? new AnnouncerAccessible(widget)
               : nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(announcerAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString& text)
{
    setAccessibleName(text);
    // One appearance for each text: a second would be spoken twice.
    hide();
    show();
    ++count_;
}

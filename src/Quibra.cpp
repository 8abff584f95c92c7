// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuibraWindow.h"

#include <QApplication>

// The application object. Its start-up runs the converter window modally;
// the process ends when the window closes, and nothing is saved at exit.
class CQuibraApp final : public QApplication {
public:
    using QApplication::QApplication;

    int run()
    {
        QuibraWindow window;
        window.initDialog();
        // Ends through Esc or the close box only; Enter computes.
        window.exec();
        return 0;
    }
};

int main(int argc, char* argv[])
{
    CQuibraApp app(argc, argv);
    // Ties the window to its menu entry (quibra.desktop) on Wayland as on X11.
    QGuiApplication::setDesktopFileName(QStringLiteral("quibra"));
    return app.run();
}

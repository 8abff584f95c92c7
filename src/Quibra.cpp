// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"
#include "QuibraWindow.h"
#include "WaylandWindows.h"

#include <QApplication>

// The application object. Its start-up runs the converter window modally;
// the process ends when the window closes, and nothing is saved at exit.
class CQuibraApp final : public QApplication {
public:
    using QApplication::QApplication;

    int run()
    {
        {
            QuibraWindow window;
            window.initDialog();
            // Ends through Esc or the close box only; Enter computes.
            window.exec();
        }
        // Qt 6.4's Wayland event thread leaves, when stopped, without
        // cancelling a read that the GUI thread has just prepared for it,
        // and ~QWaylandDisplay then waits forever for the frame thread,
        // which waits for that read. A last round trip on a queue of our
        // own ends with the event thread idle and no read prepared for it.
        waylandRoundTrip();
        return 0;
    }
};

int main(int argc, char* argv[])
{
    CQuibraApp app(argc, argv);
    installTranslations(translationsDirectory());
    // Ties the window to its menu entry (quibra.desktop) on Wayland as on X11.
    QGuiApplication::setDesktopFileName(QStringLiteral("quibra"));
    return app.run();
}

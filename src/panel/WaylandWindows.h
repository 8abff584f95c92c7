// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Quibra's fixed-size windows on a Wayland compositor, and the end of its
// Wayland connection. On any other platform nothing here acts.
//
// A maximized or full-screen state that the compositor configures for a
// window of fixed size is refused before Qt acknowledges it: the window asks
// to leave that state and acknowledges only the compositor's answer. Qt 6.4
// acknowledges every configure (QWaylandXdgSurface::applyConfigure) and then
// holds the window to its minimum and maximum size
// (QWaylandWindow::setGeometry_helper), and a compositor that checks, as
// Weston does, closes the connection: "xdg_surface geometry (195 x 341) does
// not match the configured maximized state". Its title bar offers maximize
// whatever the window's flags say, and the compositor may maximize on its
// own (Weston: Super+Shift+M). This works by standing in for libwayland's
// wl_proxy_add_listener, so the program exports that symbol (see
// src/panel/CMakeLists.txt).

// Waits until the compositor has handled every request sent so far, reading
// its answers on a queue of its own. True when that worked; false off
// Wayland or when the connection has failed.
bool waylandRoundTrip();

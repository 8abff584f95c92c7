// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WaylandWindows.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>
#include <xdg-shell-client-protocol.h>

#include <dlfcn.h>

#include <cstring>
#include <unordered_map>

namespace {

void* nativeResource(const char* name, QWindow* window = nullptr)
{
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        return nullptr;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return window != nullptr ? native->nativeResourceForWindow(name, window)
                             : native->nativeResourceForIntegration(name);
}

QWindow* windowOf(xdg_toplevel* toplevel)
{
    for (QWindow* window : QGuiApplication::topLevelWindows())
        if (window->handle() != nullptr && nativeResource("xdg_toplevel", window) == toplevel)
            return window;
    return nullptr;
}

// Qt's own listeners, by the object they listen to. Qt makes and reads its
// xdg-shell objects on the GUI thread only, so these need no lock.
std::unordered_map<const void*, const xdg_toplevel_listener*>& qtToplevelListeners()
{
    static std::unordered_map<const void*, const xdg_toplevel_listener*> listeners;
    return listeners;
}

struct SurfaceListener {
    const xdg_surface_listener* qt = nullptr;
    bool skipNextConfigure = false;
};

std::unordered_map<const void*, SurfaceListener>& surfaceListeners()
{
    static std::unordered_map<const void*, SurfaceListener> listeners;
    return listeners;
}

constexpr uint32_t unwantedStates =
    (1U << XDG_TOPLEVEL_STATE_MAXIMIZED) | (1U << XDG_TOPLEVEL_STATE_FULLSCREEN);

uint32_t stateBits(const wl_array* states)
{
    uint32_t bits = 0;
    const auto* state = static_cast<const uint32_t*>(states->data);
    for (std::size_t i = 0; i < states->size / sizeof(uint32_t); ++i)
        if (state[i] < 32)
            bits |= 1U << state[i];
    return bits;
}

void configureToplevel(void* data, xdg_toplevel* toplevel, int32_t width, int32_t height,
                       wl_array* states)
{
    // A compositor that insists, answering the refusal with the same state,
    // gets its way rather than an endless exchange.
    static const void* refused = nullptr;
    const uint32_t unwanted = stateBits(states) & unwantedStates;
    QWindow* window = windowOf(toplevel);
    const auto surface = window != nullptr
                             ? surfaceListeners().find(nativeResource("xdg_surface", window))
                             : surfaceListeners().end();
    if (unwanted != 0 && refused != toplevel && surface != surfaceListeners().end() &&
        window->minimumSize() == window->maximumSize()) {
        refused = toplevel;
        surface->second.skipNextConfigure = true;
        if (unwanted & (1U << XDG_TOPLEVEL_STATE_MAXIMIZED))
            xdg_toplevel_unset_maximized(toplevel);
        if (unwanted & (1U << XDG_TOPLEVEL_STATE_FULLSCREEN))
            xdg_toplevel_unset_fullscreen(toplevel);
        return;
    }
    if (refused == toplevel)
        refused = nullptr;
    qtToplevelListeners().at(toplevel)->configure(data, toplevel, width, height, states);
}

void closeToplevel(void* data, xdg_toplevel* toplevel)
{
    qtToplevelListeners().at(toplevel)->close(data, toplevel);
}

void boundToplevel(void* data, xdg_toplevel* toplevel, int32_t width, int32_t height)
{
    qtToplevelListeners().at(toplevel)->configure_bounds(data, toplevel, width, height);
}

void toplevelCapabilities(void* data, xdg_toplevel* toplevel, wl_array* capabilities)
{
    qtToplevelListeners().at(toplevel)->wm_capabilities(data, toplevel, capabilities);
}

// The configure that closes a refused sequence is not Qt's to acknowledge.
void configureSurface(void* data, xdg_surface* surface, uint32_t serial)
{
    SurfaceListener& listener = surfaceListeners().at(surface);
    if (listener.skipNextConfigure) {
        listener.skipNextConfigure = false;
        return;
    }
    listener.qt->configure(data, surface, serial);
}

const xdg_toplevel_listener refusingToplevel = {configureToplevel, closeToplevel, boundToplevel,
                                                toplevelCapabilities};
const xdg_surface_listener refusingSurface = {configureSurface};

} // namespace

// Qt 6.4's xdg-shell code acknowledges a configure inside a queued call of
// its own and offers no way in before that; its listeners are the only
// place where a configure can still be turned down.
extern "C" int wl_proxy_add_listener(wl_proxy* proxy, void (**implementation)(void), void* data)
{
    using AddListener = int (*)(wl_proxy*, void (**)(void), void*);
    static const auto next =
        reinterpret_cast<AddListener>(dlsym(RTLD_NEXT, "wl_proxy_add_listener"));
    const char* interface = wl_proxy_get_class(proxy);
    if (std::strcmp(interface, "xdg_toplevel") == 0) {
        qtToplevelListeners()[proxy] =
            reinterpret_cast<const xdg_toplevel_listener*>(implementation);
        implementation =
            const_cast<void (**)(void)>(reinterpret_cast<void (*const*)(void)>(&refusingToplevel));
    } else if (std::strcmp(interface, "xdg_surface") == 0) {
        surfaceListeners()[proxy] = {reinterpret_cast<const xdg_surface_listener*>(implementation)};
        implementation =
            const_cast<void (**)(void)>(reinterpret_cast<void (*const*)(void)>(&refusingSurface));
    }
    return next(proxy, implementation, data);
}

bool waylandRoundTrip()
{
    auto* display = static_cast<wl_display*>(nativeResource("wl_display"));
    if (display == nullptr)
        return false;
    wl_event_queue* queue = wl_display_create_queue(display);
    const int status = wl_display_roundtrip_queue(display, queue);
    wl_event_queue_destroy(queue);
    return status >= 0;
}

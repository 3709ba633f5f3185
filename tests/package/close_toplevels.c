// SPDX-License-Identifier: GPL-3.0-or-later
// A weston module for tests: on SIGUSR2 the compositor asks every shown
// toplevel to close (xdg_toplevel.close), as a desktop's close button does.
// Weston's own shells send that event only from a pointer on a title bar,
// which a headless compositor has not got.
//   weston --modules=/path/to/kalvenor-close-toplevels.so ...

#include <libweston-desktop/libweston-desktop.h>
#include <libweston/libweston.h>
#include <signal.h>

int wet_module_init(struct weston_compositor* compositor, int* argc, char* argv[]);

static int close_toplevels(int signal_number, void* data) {
  struct weston_compositor* compositor = data;
  struct weston_view* view;
  (void)signal_number;
  wl_list_for_each(view, &compositor->view_list, link) {
    if (weston_surface_is_desktop_surface(view->surface)) {
      weston_desktop_surface_close(weston_surface_get_desktop_surface(view->surface));
    }
  }
  return 0;
}

WL_EXPORT int wet_module_init(struct weston_compositor* compositor, int* argc, char* argv[]) {
  (void)argc;
  (void)argv;
  struct wl_event_loop* loop = wl_display_get_event_loop(compositor->wl_display);
  return wl_event_loop_add_signal(loop, SIGUSR2, close_toplevels, compositor) ? 0 : -1;
}

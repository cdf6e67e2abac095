#!/usr/bin/python3
# A panel along the bottom of the desktop that keeps its room, as a desktop's
# own panel does, for trying windows against it:
#   panel.py HEIGHT
# On Wayland a layer-shell surface (GTK's layer-shell library), which KWin and
# other compositors of that protocol take out of the work area; on X11 a dock
# window with its strut, which the window manager takes out of it. Prints
# "listo" once it shows.
import os
import subprocess
import sys

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, Gtk  # noqa: E402

alto = int(sys.argv[1])
panel = Gtk.Window()
if os.environ.get("WAYLAND_DISPLAY"):
    gi.require_version("GtkLayerShell", "0.1")
    from gi.repository import GtkLayerShell
    panel.set_size_request(-1, alto)
    GtkLayerShell.init_for_window(panel)
    GtkLayerShell.set_layer(panel, GtkLayerShell.Layer.TOP)
    for borde in GtkLayerShell.Edge.LEFT, GtkLayerShell.Edge.RIGHT, GtkLayerShell.Edge.BOTTOM:
        GtkLayerShell.set_anchor(panel, borde, True)
    GtkLayerShell.auto_exclusive_zone_enable(panel)
else:
    pantalla = Gdk.Display.get_default().get_monitor(0).get_geometry()
    panel.set_type_hint(Gdk.WindowTypeHint.DOCK)
    panel.set_default_size(pantalla.width, alto)
    panel.move(0, pantalla.height - alto)
    panel.realize()
    subprocess.run(["xprop", "-id", str(panel.get_window().get_xid()), "-f", "_NET_WM_STRUT", "32c",
                    "-set", "_NET_WM_STRUT", f"0, 0, 0, {alto}"], check=True)
panel.connect("map-event", lambda *_: print("listo", flush=True))
panel.show_all()
Gtk.main()

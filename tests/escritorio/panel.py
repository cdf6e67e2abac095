#!/usr/bin/python3
# A panel along the bottom of a Wayland desktop that keeps its room, as a
# desktop's own panel does, for trying windows against it:
#   panel.py HEIGHT
# A layer-shell surface (GTK's layer-shell library), which KWin and other
# compositors of that protocol take out of the work area. Prints "listo" once
# it shows.
import sys

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("GtkLayerShell", "0.1")
from gi.repository import Gtk, GtkLayerShell  # noqa: E402

panel = Gtk.Window()
panel.set_size_request(-1, int(sys.argv[1]))
GtkLayerShell.init_for_window(panel)
GtkLayerShell.set_layer(panel, GtkLayerShell.Layer.TOP)
for borde in GtkLayerShell.Edge.LEFT, GtkLayerShell.Edge.RIGHT, GtkLayerShell.Edge.BOTTOM:
    GtkLayerShell.set_anchor(panel, borde, True)
GtkLayerShell.auto_exclusive_zone_enable(panel)
panel.connect("map-event", lambda *_: print("listo", flush=True))
panel.show_all()
Gtk.main()

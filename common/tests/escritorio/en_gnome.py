#!/usr/bin/python3
# The calculators in a GNOME Shell session, started from their menu entries
# as the shell starts them, and judged by what the shell itself knows:
#
#     tools/con-gnome-shell [-s WxH] [-f FOLDER] en_gnome.py PREFIX [--fotos] [--wayland] PROGRAM...
#
# PREFIX is where the programs are installed: /usr for the package, ~/.local
# for the user's own install (tools/con-gnome-shell -i). Each program runs
# with its error output kept: a file of the same name in ~/bin, first in the
# session's PATH, runs it and keeps it, with the environment the shell gives.
#
# For each program: the shell matches its window to its menu entry (and so
# to the entry's name and icon), and the window's title starts with the
# entry's name; GNOME
# draws its title bar; the window with its frame lies inside the work area
# the top bar leaves; the shell offers no maximize for it, and neither
# Super+Up nor a double-click on its title bar maximizes it; every control
# the tabulator reaches is in view; the program says nothing on its error
# output.
#
# With --wayland the user has set QT_QPA_PLATFORM=wayland, and it stands: the
# window draws its own title bar, and neither its maximize button, nor a
# double-click on it, nor Super+Up leaves the window maximized. (There the
# window cannot know of the top bar.)
#
# With --fotos, a screenshot of the session with each window, in
# ~/fotos as gnome-PROGRAM-WxH.png.
import json
import os
import shutil
import subprocess
import sys
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

fallos = []


def comprobar(condicion, mensaje):
    if not condicion:
        fallos.append(mensaje)
        print("FALLA:", mensaje, flush=True)
    return condicion


bus = Gio.bus_get_sync(Gio.BusType.SESSION)


# The value of a JavaScript expression evaluated in the shell.
def evaluar(expresion):
    correcto, resultado = bus.call_sync("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell", "Eval",
                                        GLib.Variant("(s)", (expresion,)), None, 0, 10000, None).unpack()
    if not correcto:
        raise RuntimeError(f"Eval: {resultado}")
    return json.loads(resultado) if resultado else None


def esperar(condicion, segundos=10.0):
    fin = time.monotonic() + segundos
    while time.monotonic() < fin:
        valor = condicion()
        if valor:
            return valor
        time.sleep(0.1)
    return None


# What the shell knows of the window of the application ID, or None.
VENTANA = """(() => {
    const tracker = imports.gi.Shell.WindowTracker.get_default();
    for (const actor of global.get_window_actors()) {
        const w = actor.meta_window;
        const app = tracker.get_window_app(w);
        if (!app || app.get_id() !== %s)
            continue;
        const f = w.get_frame_rect();
        const a = w.get_work_area_current_monitor();
        const icono = app.app_info ? app.app_info.get_icon() : null;
        return {titulo: w.get_title(), nombre: app.get_name(), icono: icono ? icono.to_string() : null,
                marco: [f.x, f.y, f.width, f.height], area: [a.x, a.y, a.width, a.height],
                maximizable: w.can_maximize(), maximizada: w.get_maximized(), completa: w.is_fullscreen(),
                // GNOME 48 tells only whether it frames the window itself.
                decorada_por_el_programa: w.is_client_decorated ? w.is_client_decorated() : !w.decorated,
                x11: w.get_client_type() === 1,
                pid: w.get_pid(), enfocada: w.has_focus()};
    }
    return null;
})()"""

# Keys and clicks as the session's own virtual devices give them.
TECLAS = """(() => {
    const Clutter = imports.gi.Clutter, GLib = imports.gi.GLib;
    const seat = Clutter.get_default_backend().get_default_seat();
    const teclado = seat.create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
    const teclas = %s;
    for (const tecla of teclas)
        teclado.notify_keyval(GLib.get_monotonic_time(), Clutter[tecla], Clutter.KeyState.PRESSED);
    for (const tecla of teclas.reverse())
        teclado.notify_keyval(GLib.get_monotonic_time(), Clutter[tecla], Clutter.KeyState.RELEASED);
    return true;
})()"""
CLICS = """(() => {
    const Clutter = imports.gi.Clutter, GLib = imports.gi.GLib;
    const seat = Clutter.get_default_backend().get_default_seat();
    const raton = seat.create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);
    raton.notify_absolute_motion(GLib.get_monotonic_time(), %d, %d);
    for (let i = 0; i < %d; i++) {
        raton.notify_button(GLib.get_monotonic_time(), Clutter.BUTTON_PRIMARY, Clutter.ButtonState.PRESSED);
        raton.notify_button(GLib.get_monotonic_time(), Clutter.BUTTON_PRIMARY, Clutter.ButtonState.RELEASED);
    }
    return true;
})()"""


def guardar_errores(prefijo, programas, plataforma):
    for programa in programas:
        lanzador = os.path.expanduser(f"~/bin/{programa}")
        eleccion = f"export QT_QPA_PLATFORM={plataforma}\n" if plataforma else ""
        with open(lanzador, "w", encoding="utf-8") as archivo:
            archivo.write(f'#!/bin/sh\n{eleccion}exec {os.path.join(prefijo, "bin", programa)} 2>"$HOME/{programa}.err"\n')
        os.chmod(lanzador, 0o755)


def lanzar(aplicacion):
    return evaluar(f"""(() => {{
        const app = imports.gi.Shell.AppSystem.get_default().lookup_app({json.dumps(aplicacion)});
        if (!app) return false;
        app.launch(0, -1, imports.gi.Shell.AppLaunchGpu.DEFAULT);
        return true;
    }})()""")


def dentro(marco, area):
    x, y, ancho, alto = marco
    ax, ay, aancho, aalto = area
    return x >= ax and y >= ay and x + ancho <= ax + aancho and y + alto <= ay + aalto


# Every control the tabulator reaches, read through the accessibility bus as
# the desktop's screen reader reads it, is inside the window's frame.
def recorrer_con_el_tabulador(programa, ventana):
    import pyatspi
    escritorio = pyatspi.Registry.getDesktop(0)

    def aplicacion():
        for i in range(escritorio.childCount):
            a = escritorio.getChildAtIndex(i)
            if a is not None and a.name == programa and a.childCount:
                return a
        return None
    app = esperar(aplicacion, 10)
    if not comprobar(app, f"{programa} no aparece en el bus de accesibilidad"):
        return
    raiz = app.getChildAtIndex(0)

    def nodos(n):
        yield n
        for i in range(n.childCount):
            hijo = n.getChildAtIndex(i)
            if hijo is not None:
                yield from nodos(hijo)

    def enfocado():
        return next((n for n in nodos(raiz) if n.getState().contains(pyatspi.STATE_FOCUSED)
                     and not n.getState().contains(pyatspi.STATE_TRANSIENT)), None)
    x, y, ancho, alto = ventana["marco"]
    visitados = []
    while len(visitados) < 30:
        evaluar(TECLAS % json.dumps(["KEY_Tab"]))
        time.sleep(0.15)
        nodo = esperar(enfocado, 3)
        if nodo is None or nodo in visitados:
            break
        visitados.append(nodo)
        e = nodo.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        comprobar(x <= e.x and y <= e.y and e.x + e.width <= x + ancho and e.y + e.height <= y + alto,
                  f"{programa}: '{nodo.name}' queda fuera de la vista ({e.x}, {e.y}, {e.width} x {e.height}) "
                  f"al llegar con el tabulador")
    comprobar(len(visitados) >= 8, f"{programa}: el tabulador solo llega a {len(visitados)} controles")


def probar(programa, foto, wayland):
    aplicacion = f"org.calculadorasrf.{programa}.desktop"
    if not comprobar(esperar(lambda: lanzar(aplicacion)), f"el shell no encuentra la entrada {aplicacion}"):
        return
    consulta = VENTANA % json.dumps(aplicacion)
    ventana = esperar(lambda: (lambda v: v if v and v["enfocada"] else None)(evaluar(consulta)), 15)
    if not comprobar(ventana, f"{programa}: el shell no ve su ventana como la de {aplicacion}"):
        return
    time.sleep(1)  # the window refits once the shell has framed it
    ventana = evaluar(consulta)
    print(programa, json.dumps(ventana, ensure_ascii=False), flush=True)
    comprobar(ventana["titulo"].startswith(ventana["nombre"]),
              f"{programa}: la ventana se titula '{ventana['titulo']}', su entrada '{ventana['nombre']}'")
    comprobar(ventana["icono"] == "org.calculadorasrf.Calculadoras", f"{programa}: el icono es {ventana['icono']}")
    x, y, ancho, _ = ventana["marco"]
    intentos = [("Super+Arriba", TECLAS % json.dumps(["KEY_Super_L", "KEY_Up"])),
                ("un doble clic en el título", CLICS % (x + ancho // 2, y + 12, 2))]
    if wayland:
        comprobar(ventana["decorada_por_el_programa"] and not ventana["x11"],
                  f"{programa}: QT_QPA_PLATFORM=wayland no se respeta")
        # Qt's title bar has its buttons at the right: close, maximize, minimize.
        intentos.append(("el botón de maximizar de Qt", CLICS % (x + ancho - 40, y + 15, 1)))
    else:
        comprobar(not ventana["decorada_por_el_programa"], f"{programa}: la barra de título no es la de GNOME")
        comprobar(dentro(ventana["marco"], ventana["area"]),
                  f"{programa}: la ventana con su marco ocupa {ventana['marco']}, fuera del área {ventana['area']}")
        comprobar(not ventana["maximizable"], f"{programa}: GNOME ofrece maximizar la ventana")
        if foto:
            tomar_foto(os.path.join(foto, f"gnome-{programa}-{os.environ['TAMANO_DE_PANTALLA']}.png"))
        recorrer_con_el_tabulador(programa, ventana)

    for como, accion in intentos:
        evaluar(accion)
        time.sleep(0.7)
        despues = evaluar(consulta)
        comprobar(despues and not despues["maximizada"] and not despues["completa"]
                  and despues["marco"][2:] == ventana["marco"][2:],
                  f"{programa}: con {como} la ventana queda {despues}")

    evaluar(f"(() => {{ for (const a of global.get_window_actors()) if (a.meta_window.get_pid() === {ventana['pid']})"
            " a.meta_window.delete(global.get_current_time()); return true; })()")
    comprobar(esperar(lambda: evaluar(consulta) is None, 10), f"{programa}: la ventana no se cierra")
    time.sleep(0.3)
    with open(os.path.expanduser(f"~/{programa}.err"), encoding="utf-8", errors="replace") as archivo:
        avisos = archivo.read().strip()
    comprobar(not avisos, f"{programa} dice en su salida de errores: {avisos}")


def tomar_foto(archivo):
    # The shell answers its Screenshot method to the owner of this name only.
    bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
                  GLib.Variant("(su)", ("org.gnome.Screenshot", 0)), None, 0, -1, None)
    temporal = os.path.join(os.environ["XDG_RUNTIME_DIR"], os.path.basename(archivo))
    bus.call_sync("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot", "org.gnome.Shell.Screenshot",
                  "Screenshot", GLib.Variant("(bbs)", (False, False, temporal)), None, 0, 10000, None)
    shutil.copyfile(temporal, archivo)


def main():
    argumentos = sys.argv[1:]
    prefijo = os.path.expanduser(argumentos.pop(0))
    foto = None
    if argumentos[:1] == ["--fotos"]:
        foto = os.path.expanduser("~/fotos")
        argumentos = argumentos[1:]
    wayland = argumentos[:1] == ["--wayland"]
    if wayland:
        argumentos = argumentos[1:]
    guardar_errores(prefijo, argumentos, "wayland" if wayland else None)
    # The tabulator's walk is read as a screen reader reads it, with the
    # desktop's own accessibility setting on (a screen reader's user has it).
    subprocess.run(["gsettings", "set", "org.gnome.desktop.interface", "toolkit-accessibility", "true"], check=True)
    for programa in argumentos:
        probar(programa, foto, wayland)
    if fallos:
        sys.exit(1)
    version = subprocess.run(["gnome-shell", "--version"], capture_output=True, text=True).stdout.strip()
    print("bien:", " ".join(argumentos), "en", version, os.environ["TAMANO_DE_PANTALLA"])


main()

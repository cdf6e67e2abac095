#!/usr/bin/python3
# The calculators on Plasma's compositor, KWin, on Wayland, judged by what
# KWin itself knows:
#
#     dbus-run-session -- en_kwin.py PROGRAM_PATH...
#
# A headless KWin with a 1024 x 600 virtual screen; each program started
# with the variables of a Plasma session on Wayland (no QT_QPA_PLATFORM).
# For each: KWin matches the window to its menu entry (the desktop file name
# the program gives), draws its title bar, offers no maximize, and its
# "Window Maximize" shortcut leaves the window as it was; the window with its
# frame lies inside the work area; the program says nothing on its error
# output. KWin's binary carries a file capability that a container may
# refuse, so a copy of it without one runs here.
import json
import os
import shutil
import subprocess
import sys
import tempfile
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


def esperar(condicion, segundos=10.0):
    fin = time.monotonic() + segundos
    while time.monotonic() < fin:
        valor = condicion()
        if valor:
            return valor
        time.sleep(0.1)
    return None


bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def llamar(destino, objeto, interfaz, metodo, argumentos=None):
    return bus.call_sync(destino, objeto, interfaz, metodo, argumentos, None, 0, 10000, None).unpack()


# KWin 5 lists its windows with clientList(), KWin 6 with windowList().
HECHOS = """
const lista = workspace.windowList ? workspace.windowList() : workspace.clientList();
print("HECHOS " + JSON.stringify(lista.filter(w => w.normalWindow).map(w => ({
    titulo: w.caption, entrada: w.desktopFileName, pid: w.pid,
    marco: [w.frameGeometry.x, w.frameGeometry.y, w.frameGeometry.width, w.frameGeometry.height],
    maximizable: w.maximizable, sin_marco: w.noBorder,
    area: (a => [a.x, a.y, a.width, a.height])(workspace.clientArea(KWin.MaximizeArea, w))}))));
"""


class KWin:
    def __init__(self, carpeta):
        self.carpeta = carpeta
        self.registro = os.path.join(carpeta, "kwin.log")
        self.guion = os.path.join(carpeta, "hechos.js")
        with open(self.guion, "w", encoding="utf-8") as archivo:
            archivo.write(HECHOS)
        # The copy keeps the name: KWin 6 looks for itself by it.
        ejecutable = os.path.join(carpeta, "kwin_wayland")
        shutil.copy(shutil.which("kwin_wayland"), ejecutable)
        self.sesion = os.path.join(carpeta, "sesion")
        os.mkdir(self.sesion, 0o700)
        entorno = {k: v for k, v in os.environ.items()
                   if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CURRENT_DESKTOP")}
        entorno.update(XDG_RUNTIME_DIR=self.sesion, XDG_SESSION_TYPE="wayland",
                       QT_LOGGING_RULES="kwin_scripting.debug=true")
        with open(self.registro, "w") as salida:
            self.proceso = subprocess.Popen([ejecutable, "--virtual", "--width", "1024", "--height", "600",
                                             "--socket", "calculadoras"], env=entorno, stdout=salida,
                                            stderr=subprocess.STDOUT)
        if not esperar(lambda: os.path.exists(os.path.join(self.sesion, "calculadoras")), 20):
            raise RuntimeError("KWin no arrancó: " + open(self.registro).read())
        # KWin takes its name on the bus before it offers scripting there.
        if not esperar(self.con_guiones, 20):
            raise RuntimeError("KWin no ofrece guiones: " + open(self.registro).read())
        self.lecturas = 0

    def con_guiones(self):
        try:
            (xml,) = llamar("org.kde.KWin", "/Scripting", "org.freedesktop.DBus.Introspectable", "Introspect")
        except GLib.Error:
            return False
        return "org.kde.kwin.Scripting" in xml

    # What KWin knows of its windows, through a script it runs.
    def ventanas(self):
        self.lecturas += 1
        nombre = f"hechos{self.lecturas}"
        (numero,) = llamar("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting", "loadScript",
                           GLib.Variant("(ss)", (self.guion, nombre)))
        for objeto in f"/Scripting/Script{numero}", f"/{numero}":  # KWin 6, KWin 5
            try:
                llamar("org.kde.KWin", objeto, "org.kde.kwin.Script", "run")
                break
            except GLib.Error:
                continue

        def leidas():
            with open(self.registro, encoding="utf-8", errors="replace") as archivo:
                lineas = [linea for linea in archivo if "HECHOS " in linea]
            return lineas[self.lecturas - 1:]
        lineas = esperar(leidas, 5)
        llamar("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting", "unloadScript", GLib.Variant("(s)", (nombre,)))
        return json.loads(lineas[0].split("HECHOS ", 1)[1]) if lineas else []

    def terminar(self):
        self.proceso.terminate()
        self.proceso.wait(timeout=10)


def probar(kwin, ejecutable):
    programa = os.path.basename(ejecutable)
    entorno = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    entorno.update(XDG_RUNTIME_DIR=kwin.sesion, WAYLAND_DISPLAY="calculadoras", XDG_SESSION_TYPE="wayland",
                   XDG_CURRENT_DESKTOP="KDE")
    errores = os.path.join(kwin.carpeta, f"{programa}.err")
    with open(errores, "w") as salida:
        proceso = subprocess.Popen([ejecutable], env=entorno, stderr=salida)

    def suya():
        return next((v for v in kwin.ventanas() if v["pid"] == proceso.pid), None)
    ventana = esperar(suya, 15)
    if not comprobar(ventana, f"{programa}: KWin no ve su ventana"):
        proceso.kill()
        return
    time.sleep(0.5)
    ventana = suya()
    print(programa, json.dumps(ventana, ensure_ascii=False), flush=True)
    comprobar(ventana["entrada"] == f"org.calculadorasrf.{programa}",
              f"{programa}: KWin la asocia a la entrada '{ventana['entrada']}'")
    comprobar(not ventana["sin_marco"], f"{programa}: KWin no dibuja su barra de título")
    comprobar(not ventana["maximizable"], f"{programa}: KWin ofrece maximizarla")
    x, y, ancho, alto = ventana["marco"]
    ax, ay, aancho, aalto = ventana["area"]
    comprobar(x >= ax and y >= ay and x + ancho <= ax + aancho and y + alto <= ay + aalto,
              f"{programa}: la ventana con su marco ocupa {ventana['marco']}, fuera del área {ventana['area']}")
    llamar("org.kde.kglobalaccel", "/component/kwin", "org.kde.kglobalaccel.Component", "invokeShortcut",
           GLib.Variant("(s)", ("Window Maximize",)))
    time.sleep(0.7)
    despues = suya()
    comprobar(despues and despues["marco"] == ventana["marco"],
              f"{programa}: con el atajo de maximizar la ventana queda {despues}")
    proceso.terminate()
    proceso.wait(timeout=10)
    with open(errores, encoding="utf-8", errors="replace") as archivo:
        avisos = archivo.read().strip()
    comprobar(not avisos, f"{programa} dice en su salida de errores: {avisos}")


def main():
    with tempfile.TemporaryDirectory() as carpeta:
        kwin = KWin(carpeta)
        try:
            for ejecutable in sys.argv[1:]:
                probar(kwin, ejecutable)
        finally:
            kwin.terminar()
    if fallos:
        sys.exit(1)
    print("bien:", " ".join(os.path.basename(p) for p in sys.argv[1:]), "en KWin")


main()

"""Driving a real calculator on an X display through the AT-SPI bus, as a
screen reader and a keyboard user do. Shared by the desktop tests."""
import os
import subprocess
import time

import pyatspi


class Informe:
    """Collects the failures of one test run and reports them at the end."""

    def __init__(self):
        self.fallos = []

    def comprobar(self, condicion, mensaje):
        if not condicion:
            self.fallos.append(mensaje)

    def terminar(self, exito):
        for fallo in self.fallos:
            print("FALLO:", fallo)
        print(exito if not self.fallos else f"{len(self.fallos)} fallos")
        return 1 if self.fallos else 0


def esperar(condicion, segundos=10.0):
    """The first true value of condicion() within the time, or None."""
    fin = time.monotonic() + segundos
    while time.monotonic() < fin:
        try:
            valor = condicion()
        except Exception:  # the tree changes under us while the program starts
            valor = None
        if valor:
            return valor
        time.sleep(0.1)
    return None


def nodos(raiz):
    yield raiz
    for i in range(raiz.childCount):
        hijo = raiz.getChildAtIndex(i)
        if hijo is not None:
            yield from nodos(hijo)


def buscar(raiz, papel, nombre):
    return next((n for n in nodos(raiz) if n.getRoleName() == papel and n.name == nombre), None)


def extension(nodo):
    e = nodo.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


class Calculadora:
    """A calculator program started with Qt's accessibility bridge on; the
    numbers of its window are read with a "." decimal point."""

    def __init__(self, programa):
        self.nombre = os.path.basename(programa)
        entorno = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8")
        self.proceso = subprocess.Popen([programa], env=entorno)
        self.aplicacion = esperar(self._en_el_bus)
        self.ventana = self.aplicacion.getChildAtIndex(0) if self.aplicacion else None
        self.ventana_x = esperar(self._ventana_x)

    def _en_el_bus(self):
        escritorio = pyatspi.Registry.getDesktop(0)
        for i in range(escritorio.childCount):
            app = escritorio.getChildAtIndex(i)
            if app is not None and app.name == self.nombre and app.childCount > 0:
                return app
        return None

    def _ventana_x(self):
        salida = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.proceso.pid)],
                                capture_output=True, text=True).stdout.split()
        return salida[0] if salida else None

    def pulsar(self, *teclas):
        """Types the keys into the window, as the keyboard does."""
        subprocess.run(["xdotool", "windowfocus", "--sync", self.ventana_x], check=True)
        subprocess.run(["xdotool", "key", "--delay", "50", *teclas], check=True)

    def enfocado(self):
        return next((n for n in nodos(self.ventana) if n.getState().contains(pyatspi.STATE_FOCUSED)), None)

    def cerrar(self):
        self.proceso.terminate()
        self.proceso.wait(timeout=10)

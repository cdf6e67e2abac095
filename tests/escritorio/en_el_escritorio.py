#!/usr/bin/python3
# A calculator on a desktop, as its users meet it:
#
#     tests/sesion [-s WxH] en_el_escritorio.py lector PROGRAM MENU_ENTRY.desktop
#     tests/sesion -s 3286x1080 en_el_escritorio.py dos_pantallas PROGRAM
#     en_el_escritorio.py sin_pantalla PROGRAM
#
# The program is started with Qt's accessibility bridge on and read through
# the AT-SPI bus, as a screen reader or a dock reads it.
#
# lector: the window is a frame named by its menu entry's name, with a
# picture inside and its icon; the window's X11 class is the StartupWMClass
# of its menu entry; "Salir" ends the program.
#
# dos_pantallas: on a display 3286 x 1080 wide, made two screens side by
# side, the window is the design itself, without scroll bars, and stays where
# it is dropped on the other screen, also when restored from the task bar.
#
# sin_pantalla: started where no display can be opened (over ssh, in a text
# console), as it is and given a Qt option that would name a platform, which
# it does not take, the program says so in one line and ends with status 1.
import os
import subprocess
import sys

import pyatspi
from comprobaciones import acabar, aplicacion, buscar, comprobar, dentro, esperar, extension, nodos
from ventanas import X11


def salida(*orden):
    return subprocess.run(orden, capture_output=True, text=True).stdout


# "name: value" lines of a command, or "name=value" lines of a file, as a dict.
def campos(texto, separador):
    return dict(linea.strip().split(separador, 1) for linea in texto.splitlines() if separador in linea)


class Calculadora:
    def __init__(self, programa):
        self.nombre = os.path.basename(programa)
        self.proceso = X11().lanzar(programa, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.ventana = aplicacion(self.nombre).getChildAtIndex(0)
        self.x11 = esperar(lambda: X11().mostrada(self.proceso))[0]

    # Types the keys into the window, as the keyboard does; into the node
    # when one is given.
    def pulsar(self, *teclas, en=None):
        if en:
            en.queryComponent().grabFocus()
        subprocess.run(["xdotool", "windowfocus", "--sync", self.x11], check=True)
        subprocess.run(["xdotool", "key", "--delay", "50", *teclas], check=True)

    # The window with its frame, as (x, y, width, height) on the screen.
    def con_marco(self):
        info = campos(salida("xwininfo", "-id", self.x11), ": ")
        izquierda, derecha, arriba, abajo = map(int, salida("xprop", "-id", self.x11, "_NET_FRAME_EXTENTS")
                                                .split("=")[1].split(","))
        return (int(info["Absolute upper-left X"]) - izquierda, int(info["Absolute upper-left Y"]) - arriba,
                int(info["Width"]) + izquierda + derecha, int(info["Height"]) + arriba + abajo)

    def barras(self):
        return [n for n in nodos(self.ventana) if n.getRole() == pyatspi.ROLE_SCROLL_BAR]

    def es_el_diseno(self):
        return not self.barras() and extension(self.ventana)[2:] == extension(self.ventana.getChildAtIndex(0))[2:]


# The screen, as (0, 0, width, height).
def pantalla():
    raiz = campos(salida("xwininfo", "-root"), ": ")
    return 0, 0, int(raiz["Width"]), int(raiz["Height"])


# What reaches the bus without a key pressed: the window by its title, and
# a picture inside it.
def leer_arbol(c, titulo=None):
    comprobar(c.ventana.getRole() == pyatspi.ROLE_FRAME, f"la ventana es '{c.ventana.getRoleName()}'")
    comprobar(titulo is None or c.ventana.name == titulo, f"la ventana se llama '{c.ventana.name}', su entrada '{titulo}'")
    comprobar(buscar(c.ventana, pyatspi.ROLE_IMAGE, "Logotipo de Calculadoras RF"), "falta el logotipo")


def lector(c, entrada_de_menu):
    with open(entrada_de_menu, encoding="utf-8") as archivo:
        entrada = campos(archivo.read(), "=")
    leer_arbol(c, entrada.get("Name"))
    comprobar("Icon (" in salida("xprop", "-id", c.x11, "_NET_WM_ICON"), "la ventana no tiene icono")
    clase = salida("xprop", "-id", c.x11, "WM_CLASS").split(",")[-1].strip().strip('"')
    comprobar(clase == entrada.get("StartupWMClass"), f"la ventana es de la clase '{clase}', su entrada espera '{entrada}'")
    c.pulsar("space", en=buscar(c.ventana, pyatspi.ROLE_PUSH_BUTTON, "Salir"))
    comprobar(c.proceso.wait(timeout=10) == 0, "Salir no termina el programa con estado 0")


# On a 1920 x 1080 screen with a 1366 x 768 one on its right.
def en_dos_pantallas(c):
    # The window refits once the window manager has framed it.
    comprobar(esperar(lambda: dentro(c.con_marco(), pantalla()), 5),
              f"la ventana con su marco ocupa {c.con_marco()}, fuera de la pantalla")
    comprobar(c.es_el_diseno(), "la ventana no es el diseño")
    # Dragged to the other screen and restored from the task bar, the window
    # stays where the user dropped it.
    for orden, *argumentos in ["windowmove", "1930", "30"], ["windowminimize"], ["windowactivate"]:
        subprocess.run(["xdotool", orden, "--sync", c.x11, *argumentos], check=True)
        comprobar(esperar(lambda: c.con_marco()[:2] == (1930, 30), 3),
                  f"tras {orden}, la ventana soltada en (1930, 30) está en {c.con_marco()}")


def sin_pantalla(programa):
    esperado = f"{os.path.basename(programa)}: no se encontró un escritorio gráfico donde abrir la ventana.\n"
    entorno = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    for opciones in [], ["-platform", "offscreen"]:
        r = subprocess.run([programa, *opciones], env=entorno, capture_output=True, text=True)
        comprobar(r.returncode == 1, f"con {opciones} termina con estado {r.returncode}")
        comprobar(r.stderr == esperado, f"con {opciones} dice {r.stderr!r}")


def main(modo, programa, argumentos):
    if modo == "sin_pantalla":
        return sin_pantalla(programa)
    if modo == "dos_pantallas":
        for monitor in ["IZQUIERDA", "1920/508x1080/286+0+0", "screen"], ["DERECHA", "1366/361x768/203+1920+0", "none"]:
            subprocess.run(["xrandr", "--setmonitor", *monitor], check=True)
    calculadora = Calculadora(programa)
    try:
        {"lector": lambda c: lector(c, argumentos[0]), "dos_pantallas": en_dos_pantallas}[modo](calculadora)
    finally:
        calculadora.proceso.terminate()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
    acabar(" ".join(sys.argv[1:3]))

#!/usr/bin/python3
# A calculator on a desktop, as its users meet it:
#
#     tests/sesion [-s WxH] en_el_escritorio.py lector PROGRAM MENU_ENTRY.desktop
#     tests/sesion [-s WxH] en_el_escritorio.py pantalla PROGRAM [cabe]
#     tests/sesion -s 1366x768 -e 1 en_el_escritorio.py cambios PROGRAM
#     tests/sesion -w en_el_escritorio.py wayland PROGRAM
#     en_el_escritorio.py sin_pantalla PROGRAM
#     tests/sesion en_el_escritorio.py primer_paso PROGRAM   (filtros)
#
# The program is started with Qt's accessibility bridge on and read through
# the AT-SPI bus, as a screen reader or a dock reads it.
#
# lector: the window is a frame named by its menu entry's name, with a
# picture inside and its icon; every button with a picture shows it on
# screen; the window's X11 class is the StartupWMClass of its menu entry;
# "Salir" ends the program.
#
# pantalla: the window with its frame lies inside the screen, the control
# focused at start is in view and Tab brings every control into view; with
# "cabe" (on a display 3286 x 1080 wide, made two screens side by side) the
# window is the design itself, without scroll bars, and stays where it is
# dropped on the other screen, also when restored from the task bar.
#
# cambios: the window open at its design size follows the screen as it
# changes: at twice the scale (the settings daemon's Xft/DPI) it fits the
# screen again, scrolling; back at the first scale it is the design again;
# with a panel along the bottom it fits the work area the panel leaves.
#
# wayland: the window maps at its design size, the tree reads as under X11
# without a key pressed, "Salir" pressed through the bus ends the program
# with status 0, and Qt says nothing on its error output beyond its own
# harmless notes.
#
# primer_paso: filtros' R slider one step up with the keyboard shows
# "14.469" "KHz", and "Salir" ends the program (the check of a build for
# another architecture).
#
# sin_pantalla: started where no display can be opened (over ssh, in a text
# console), as it is and given a Qt option that would name a platform, which
# it does not take, the program says so in one line and ends with status 1.
import os
import signal
import subprocess
import sys
import tempfile

import pyatspi
from comprobaciones import (acabar, aplicacion, buscar, comprobar, dentro, enfocado, esperar, extension, nodos,
                            recorrer_con_el_tabulador)
from ventanas import X11

PANEL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "panel.py")


def salida(*orden):
    return subprocess.run(orden, capture_output=True, text=True).stdout


# "name: value" lines of a command, or "name=value" lines of a file, as a dict.
def campos(texto, separador):
    return dict(linea.strip().split(separador, 1) for linea in texto.splitlines() if separador in linea)


class Calculadora:
    def __init__(self, programa):
        self.nombre = os.path.basename(programa)
        self.errores = tempfile.TemporaryFile("w+")  # kept whole, however much Qt writes
        self.proceso = X11().lanzar(programa, self.errores, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.ventana = aplicacion(self.nombre).getChildAtIndex(0)
        self.x11 = None if "WAYLAND_DISPLAY" in os.environ else esperar(lambda: X11().mostrada(self.proceso))[0]

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


# "Width Height" of the screen, or the first four values of _NET_WORKAREA.
def pantalla():
    raiz = campos(salida("xwininfo", "-root"), ": ")
    return 0, 0, int(raiz["Width"]), int(raiz["Height"])


def area_de_trabajo():
    return tuple(map(int, salida("xprop", "-root", "_NET_WORKAREA").split("=")[1].split(",")[:4]))


# What reaches the bus without a key pressed: the window by its title, and
# a picture inside it.
def leer_arbol(c, titulo=None):
    comprobar(c.ventana.getRole() == pyatspi.ROLE_FRAME, f"la ventana es '{c.ventana.getRoleName()}'")
    comprobar(titulo is None or c.ventana.name == titulo, f"la ventana se llama '{c.ventana.name}', su entrada '{titulo}'")
    comprobar(buscar(c.ventana, pyatspi.ROLE_IMAGE, "Logotipo de Calculadoras RF"), "falta el logotipo")


# Whether the node's place on the screen shows the cyan that the pictures of
# "Salir" and "Calcular" have (the arrow, the display) and no caption has.
def con_dibujo(nodo):
    x, y, ancho, alto = extension(nodo)
    rgb = subprocess.run(["import", "-window", "root", "-crop", f"{ancho}x{alto}+{x}+{y}", "-depth", "8", "rgb:-"],
                         capture_output=True).stdout
    return sum(r < 100 and g > 150 and b > 150 for r, g, b in zip(rgb[::3], rgb[1::3], rgb[2::3])) >= 10


def lector(c, entrada_de_menu):
    with open(entrada_de_menu, encoding="utf-8") as archivo:
        entrada = campos(archivo.read(), "=")
    leer_arbol(c, entrada.get("Name"))
    for boton in (n for n in nodos(c.ventana) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON):
        comprobar(con_dibujo(boton), f"'{boton.name}' se ve sin su dibujo")
    comprobar("Icon (" in salida("xprop", "-id", c.x11, "_NET_WM_ICON"), "la ventana no tiene icono")
    clase = salida("xprop", "-id", c.x11, "WM_CLASS").split(",")[-1].strip().strip('"')
    comprobar(clase == entrada.get("StartupWMClass"), f"la ventana es de la clase '{clase}', su entrada espera '{entrada}'")
    c.pulsar("space", en=buscar(c.ventana, pyatspi.ROLE_PUSH_BUTTON, "Salir"))
    comprobar(c.proceso.wait(timeout=10) == 0, "Salir no termina el programa con estado 0")


def textos(ventana):
    def texto(nodo):
        try:
            return nodo.queryText().getText(0, -1)
        except NotImplementedError:
            return ""
    return {t for n in nodos(ventana) for t in (n.name, texto(n))}


def primer_paso(c):
    leer_arbol(c)
    c.pulsar("Tab", "Up")
    comprobar(esperar(lambda: {"14.469", "KHz"} <= textos(c.ventana), 30),
              f"tras un paso de R se lee {sorted(textos(c.ventana))}")
    c.pulsar("space", en=buscar(c.ventana, pyatspi.ROLE_PUSH_BUTTON, "Salir"))
    comprobar(c.proceso.wait(timeout=30) == 0, "Salir no termina el programa con estado 0")


def en_pantalla(c, cabe):
    # The window refits once the window manager has framed it.
    esperar(lambda: dentro(c.con_marco(), pantalla()), 5)
    comprobar(dentro(c.con_marco(), pantalla()), f"la ventana con su marco ocupa {c.con_marco()}, fuera de la pantalla")
    if cabe:
        comprobar(c.es_el_diseno(), "la ventana no es el diseño")
        # Dragged to the other screen and restored from the task bar, the
        # window stays where the user dropped it.
        for orden, *argumentos in ["windowmove", "1930", "30"], ["windowminimize"], ["windowactivate"]:
            subprocess.run(["xdotool", orden, "--sync", c.x11, *argumentos], check=True)
            comprobar(esperar(lambda: c.con_marco()[:2] == (1930, 30), 3),
                      f"tras {orden}, la ventana soltada en (1930, 30) está en {c.con_marco()}")
        return
    comprobar(c.barras(), "el diseño no cabe y no hay barra de desplazamiento")
    vista = extension(c.ventana)

    def a_la_vista(lugar):
        return dentro(lugar, (vista[0] - 1, vista[1] - 1, vista[2] + 2, vista[3] + 2))
    # The control focused as the window opens is in view before any key:
    # Enter or Space act on it.
    inicial = esperar(lambda: enfocado(c.ventana), 5)
    comprobar(inicial and esperar(lambda: a_la_vista(extension(inicial)), 3),
              f"'{inicial and inicial.name}', con el foco al abrir, queda fuera de la vista")
    recorrer_con_el_tabulador(c.ventana, lambda: c.pulsar("Tab"), a_la_vista, c.nombre)


def cambios(c):
    comprobar(esperar(c.es_el_diseno, 5), "la ventana no abre con su diseño")
    ajustes = os.path.join(os.environ["XDG_RUNTIME_DIR"], "xsettingsd")

    def escala(factor):
        with open(ajustes + ".conf", "w", encoding="utf-8") as archivo:
            archivo.write(f"Xft/DPI {96 * 1024 * factor}\n")
        with open(ajustes + ".pid", encoding="utf-8") as archivo:
            os.kill(int(archivo.read()), signal.SIGHUP)
    escala(2)
    comprobar(esperar(lambda: dentro(c.con_marco(), pantalla()) and c.barras()),
              f"al 200 % la ventana ocupa {c.con_marco()}, fuera de la pantalla {pantalla()}")
    escala(1)
    comprobar(esperar(c.es_el_diseno), "de vuelta al 100 % la ventana no es su diseño")
    panel = subprocess.Popen(["/usr/bin/python3", PANEL, "300"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        comprobar(esperar(lambda: area_de_trabajo()[3] < pantalla()[3]), "el panel no deja un área de trabajo menor")
        comprobar(esperar(lambda: dentro(c.con_marco(), area_de_trabajo())),
                  f"con el panel la ventana ocupa {c.con_marco()}, fuera del área {area_de_trabajo()}")
    finally:
        panel.terminate()


# Qt's notes on its error output under Wayland that tell of nothing wrong:
# Qt 6.8 may see the accessibility bus change owner as D-Bus starts it.
INOFENSIVOS_EN_WAYLAND = ["QDBusConnection: name 'org.a11y.Bus' had owner"]


def en_wayland(c):
    comprobar(esperar(c.es_el_diseno, 5), f"la ventana mide {extension(c.ventana)[2:]}, no lo que su diseño")
    leer_arbol(c)
    buscar(c.ventana, pyatspi.ROLE_PUSH_BUTTON, "Salir").queryAction().doAction(0)
    comprobar(c.proceso.wait(timeout=10) == 0, "Salir no termina el programa con estado 0")
    c.errores.seek(0)
    avisos = [linea for linea in c.errores.read().splitlines()
              if not any(inofensivo in linea for inofensivo in INOFENSIVOS_EN_WAYLAND)]
    comprobar(not avisos, f"Qt avisa: {avisos}")


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
    if argumentos == ["cabe"]:
        # A 1920 x 1080 screen with a 1366 x 768 one on its right.
        for monitor in ["IZQUIERDA", "1920/508x1080/286+0+0", "screen"], ["DERECHA", "1366/361x768/203+1920+0", "none"]:
            subprocess.run(["xrandr", "--setmonitor", *monitor], check=True)
    calculadora = Calculadora(programa)
    try:
        {"lector": lambda c: lector(c, argumentos[0]), "wayland": en_wayland, "cambios": cambios, "primer_paso": primer_paso,
         "pantalla": lambda c: en_pantalla(c, argumentos == ["cabe"])}[modo](calculadora)
    finally:
        calculadora.proceso.terminate()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
    acabar(" ".join(sys.argv[1:3]))

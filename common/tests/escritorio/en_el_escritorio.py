#!/usr/bin/python3
# A calculator on an X desktop, as its users meet it.
#
#     en_el_escritorio.py lector PROGRAM MENU_ENTRY.desktop
#     en_el_escritorio.py pantalla PROGRAM [cabe]
#     en_el_escritorio.py sin_pantalla PROGRAM
#     en_el_escritorio.py wayland PROGRAM
#
# wayland: run inside a Wayland session (tools/con-wayland-virtual
# dbus-run-session -- ...): the window maps at its design size, the tree
# reads as under X11 without a key pressed, "Salir" pressed through the bus
# ends the program with status 0, and Qt says nothing on its error output
# beyond its own harmless notes.
#
# sin_pantalla: started where no display can be opened (over ssh, in a text
# console), as it is and given a Qt option that would name a platform, which
# it does not take, the program says so in one line and ends with status 1.
#
# Otherwise run inside an X display and a D-Bus session (tools/con-pantalla-virtual
# dbus-run-session -- ...); starts PROGRAM with Qt's accessibility bridge on
# and reads it through the AT-SPI bus, as a screen reader does.
#
# lector: the window is a frame named by its title, with its icon; pictures
# are images with names, the buttons' pictures show on screen; each unit
# list and its entry carry their Spanish name; drawn strokes carry none; a
# slider stands for its quantity in the unit of its name; the window's X11
# class is the StartupWMClass of its menu entry; "Salir" ends the program.
#
# pantalla: under openbox, the window with its frame lies inside the screen,
# the control focused at start is in view and Tab brings every control into
# view; with "cabe" (on a display 3286 ×
# 1080 wide, made two screens side by side) the design fits the screen, the
# window is the design itself, without scroll bars, and stays where it is
# dropped on the other screen, also when restored from the task bar.
import os
import subprocess
import sys
import time

import pyatspi

# Per program, its buttons with pictures. What each control tells a screen
# reader is the window tests' contract; what Orca says, con_orca.py's.
BOTONES = {"filtros": ["Salir"], "velorna": ["Salir", "Calcular"], "mirvesta": ["Salir"]}

fallos = []


def comprobar(condicion, mensaje):
    if not condicion:
        fallos.append(mensaje)
    return condicion


# Prints each failure and the summary, and ends with the status they make.
def acabar(resumen):
    for fallo in fallos:
        print("FALLO:", fallo)
    print("mal:" if fallos else "bien:", resumen)
    sys.exit(1 if fallos else 0)


# Whether a rectangle (x, y, width, height) lies inside another.
def dentro(rectangulo, area):
    x, y, ancho, alto = rectangulo
    ax, ay, aancho, aalto = area
    return x >= ax and y >= ay and x + ancho <= ax + aancho and y + alto <= ay + aalto


# The first true value of condicion() within the time, or None.
def esperar(condicion, segundos=10.0):
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
    for hijo in (raiz.getChildAtIndex(i) for i in range(raiz.childCount)):
        if hijo is not None:
            yield from nodos(hijo)


def buscar(raiz, papel, nombre):
    return next((n for n in nodos(raiz) if n.getRole() == papel and n.name == nombre), None)


def boton(raiz, nombre):
    return buscar(raiz, pyatspi.ROLE_PUSH_BUTTON, nombre)


def extension(nodo):
    e = nodo.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


# Whether the node's place on the screen shows the cyan that the pictures of
# "Salir" and "Calcular" have (the arrow, the display) and no caption has.
def con_dibujo(nodo):
    x, y, ancho, alto = extension(nodo)
    rgb = subprocess.run(["import", "-window", "root", "-crop", f"{ancho}x{alto}+{x}+{y}", "-depth", "8", "rgb:-"],
                         capture_output=True).stdout
    return sum(r < 100 and g > 150 and b > 150 for r, g, b in zip(rgb[::3], rgb[1::3], rgb[2::3])) >= 10


def salida(*orden):
    return subprocess.run(orden, capture_output=True, text=True).stdout


# "name: value" lines of a command, or "name=value" lines of a file, as a dict.
def campos(texto, separador):
    return dict(linea.strip().split(separador, 1) for linea in texto.splitlines() if separador in linea)


class Calculadora:
    def __init__(self, programa):
        self.nombre = os.path.basename(programa)
        entorno = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8")
        self.proceso = subprocess.Popen([programa], env=entorno, stderr=subprocess.PIPE, text=True)
        escritorio = pyatspi.Registry.getDesktop(0)
        self.aplicacion = esperar(lambda: next(a for a in nodos(escritorio) if a.name == self.nombre and a.childCount))
        self.ventana = self.aplicacion.getChildAtIndex(0)
        self.ventana_x = None if "WAYLAND_DISPLAY" in os.environ else esperar(
            lambda: salida("xdotool", "search", "--onlyvisible", "--pid", str(self.proceso.pid)).split()[0])

    # Types the keys into the window, as the keyboard does; into the node
    # when one is given.
    def pulsar(self, *teclas, en=None):
        if en:
            en.queryComponent().grabFocus()
        subprocess.run(["xdotool", "windowfocus", "--sync", self.ventana_x], check=True)
        subprocess.run(["xdotool", "key", "--delay", "50", *teclas], check=True)


# What reaches the bus without a key pressed: the window by its title, and
# a picture inside it.
def leer_arbol(c):
    comprobar(c.ventana.getRole() == pyatspi.ROLE_FRAME, f"la ventana es '{c.ventana.getRoleName()}'")
    comprobar(buscar(c.ventana, pyatspi.ROLE_IMAGE, "Logotipo de Calculadoras RF"), "falta el logotipo")


def leer(c, entrada_de_menu):
    leer_arbol(c)
    for nombre in BOTONES[c.nombre]:
        comprobar(con_dibujo(boton(c.ventana, nombre)), f"'{nombre}' se ve sin su dibujo")
    comprobar("Icon (" in salida("xprop", "-id", c.ventana_x, "_NET_WM_ICON"), "la ventana no tiene icono")

    with open(entrada_de_menu, encoding="utf-8") as archivo:
        clase_esperada = campos(archivo.read(), "=").get("StartupWMClass")
    clase = salida("xprop", "-id", c.ventana_x, "WM_CLASS").split(",")[-1].strip().strip('"')
    comprobar(clase == clase_esperada, f"la ventana es de la clase '{clase}', su entrada espera '{clase_esperada}'")

    c.pulsar("space", en=boton(c.ventana, "Salir"))
    comprobar(c.proceso.wait(timeout=10) == 0, "Salir no termina el programa con estado 0")


# The window with its frame, as (x, y, width, height) on the screen.
def con_marco(c):
    info = campos(salida("xwininfo", "-id", c.ventana_x), ": ")
    izquierda, derecha, arriba, abajo = map(int, salida("xprop", "-id", c.ventana_x, "_NET_FRAME_EXTENTS")
                                            .split("=")[1].split(","))
    return (int(info["Absolute upper-left X"]) - izquierda, int(info["Absolute upper-left Y"]) - arriba,
            int(info["Width"]) + izquierda + derecha, int(info["Height"]) + arriba + abajo)


def en_pantalla(c, cabe):
    raiz = campos(salida("xwininfo", "-root"), ": ")
    pantalla = (0, 0, int(raiz["Width"]), int(raiz["Height"]))
    # The window refits once the window manager has framed it.
    esperar(lambda: dentro(con_marco(c), pantalla), 5)
    x, y, ancho, alto = con_marco(c)
    comprobar(dentro(con_marco(c), pantalla),
              f"la ventana con su marco ocupa {ancho} x {alto} en ({x}, {y}), fuera de la pantalla")
    barras = [n for n in nodos(c.ventana) if n.getRole() == pyatspi.ROLE_SCROLL_BAR]
    if cabe:
        comprobar(not barras, "la ventana tiene barras de desplazamiento")
        comprobar(extension(c.ventana)[2:] == extension(c.ventana.getChildAtIndex(0))[2:], "la ventana no es el diseño")
        # Dragged to the other screen and restored from the task bar, the
        # window stays where the user dropped it.
        for orden, *argumentos in ["windowmove", "1930", "30"], ["windowminimize"], ["windowactivate"]:
            subprocess.run(["xdotool", orden, "--sync", c.ventana_x, *argumentos], check=True)
            time.sleep(0.5)
            comprobar(con_marco(c)[:2] == (1930, 30), f"tras {orden}, la ventana soltada en (1930, 30) está en {con_marco(c)}")
        return
    comprobar(barras, "el diseño no cabe y no hay barra de desplazamiento")
    vx, vy, vancho, valto = extension(c.ventana)

    def a_la_vista(nodo):
        x, y, ancho, alto = extension(nodo)
        return vx - 1 <= x and vy - 1 <= y and x + ancho <= vx + vancho + 1 and y + alto <= vy + valto + 1

    # Qt 6.8 also marks the current item of each unit list's closed pop-up
    # list as focused; those items are transient.
    def enfocado():
        return next(n for n in nodos(c.ventana) if n.getState().contains(pyatspi.STATE_FOCUSED)
                    and not n.getState().contains(pyatspi.STATE_TRANSIENT))
    # The control focused as the window opens is in view before any key:
    # Enter or Space act on it.
    inicial = esperar(enfocado, 5)
    comprobar(inicial and esperar(lambda: a_la_vista(inicial), 3),
              f"'{inicial and inicial.name}', con el foco al abrir, queda fuera de la vista")
    visitados = []
    while len(visitados) < 30:
        c.pulsar("Tab")
        nodo = esperar(enfocado, 3)
        if nodo is None or nodo in visitados:
            break
        visitados.append(nodo)
        comprobar(a_la_vista(nodo), f"'{nodo.name}' queda fuera de la vista al llegar con el tabulador")
    comprobar(len(visitados) >= 8, f"el tabulador solo llega a {len(visitados)} controles")


# Qt's notes on its error output under Wayland that tell of nothing wrong:
# Qt 6.8 may see the accessibility bus change owner as D-Bus starts it.
INOFENSIVOS_EN_WAYLAND = ["QDBusConnection: name 'org.a11y.Bus' had owner"]


def en_wayland(c):
    comprobar(esperar(lambda: extension(c.ventana)[2:] == extension(c.ventana.getChildAtIndex(0))[2:], 5),
              f"la ventana mide {extension(c.ventana)[2:]}, no lo que su diseño")
    leer_arbol(c)
    boton(c.ventana, "Salir").queryAction().doAction(0)
    comprobar(c.proceso.wait(timeout=10) == 0, "Salir no termina el programa con estado 0")
    avisos = [linea for linea in c.proceso.stderr.read().splitlines()
              if not any(inofensivo in linea for inofensivo in INOFENSIVOS_EN_WAYLAND)]
    comprobar(not avisos, f"Qt avisa: {avisos}")


def sin_pantalla(programa):
    esperado = f"{os.path.basename(programa)}: no se encontró un escritorio gráfico donde abrir la ventana.\n"
    entorno = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    for opciones in [], ["-platform", "offscreen"]:
        r = subprocess.run([programa, *opciones], env=entorno, capture_output=True, text=True)
        comprobar(r.returncode == 1, f"con {opciones} termina con estado {r.returncode}")
        comprobar(r.stderr == esperado, f"con {opciones} dice {r.stderr!r}")


def en_el_escritorio(modo, programa, argumentos):
    if argumentos == ["cabe"]:
        # A 1920 × 1080 screen with a 1366 × 768 one on its right.
        for monitor in ["IZQUIERDA", "1920/508x1080/286+0+0", "screen"], ["DERECHA", "1366/361x768/203+1920+0", "none"]:
            subprocess.run(["xrandr", "--setmonitor", *monitor], check=True)
    gestor = subprocess.Popen(["openbox", "--sm-disable"], stderr=subprocess.DEVNULL) if modo == "pantalla" else None
    if gestor:
        esperar(lambda: "window id" in salida("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
    calculadora = Calculadora(programa)
    try:
        if modo == "lector":
            leer(calculadora, argumentos[0])
        elif modo == "wayland":
            en_wayland(calculadora)
        else:
            en_pantalla(calculadora, argumentos == ["cabe"])
    finally:
        calculadora.proceso.terminate()
        if gestor:
            gestor.terminate()


if __name__ == "__main__":
    modo, programa = sys.argv[1:3]
    if modo == "sin_pantalla":
        sin_pantalla(programa)
    else:
        en_el_escritorio(modo, programa, sys.argv[3:])
    acabar(f"{modo} {programa}")

# What the drivers of the desktop tests share: checks that are counted and
# summed up, waits on conditions, and the AT-SPI tree a screen reader reads.
import sys
import time

import pyatspi

fallos = []


def comprobar(condicion, mensaje):
    if not condicion:
        fallos.append(mensaje)
    return condicion


# Prints each failure and the summary, and ends with the status they make.
def acabar(resumen):
    for fallo in fallos:
        print("FALLO:", fallo)
    print("mal:" if fallos else "bien:", resumen, flush=True)
    sys.exit(1 if fallos else 0)


# The first true value of condicion() within the time, or None; a condition
# that fails while the program or the shell changes under it is asked again.
def esperar(condicion, segundos=10.0):
    fin = time.monotonic() + segundos
    while True:
        try:
            valor = condicion()
        except Exception:
            valor = None
        if valor or time.monotonic() > fin:
            return valor
        time.sleep(0.05)


# The value of leer() once it has stayed the same for a moment (the shell
# answering a request, or declining it), within the time.
def asentado(leer, segundos=5.0):
    anterior = [leer()]

    def quieto():
        time.sleep(0.25)
        actual = leer()
        igual = actual == anterior[0]
        anterior[0] = actual
        return igual
    esperar(quieto, segundos)
    return anterior[0]


# Whether a rectangle (x, y, width, height) lies inside another.
def dentro(rectangulo, area):
    (x, y, ancho, alto), (ax, ay, aancho, aalto) = rectangulo, area
    return x >= ax and y >= ay and x + ancho <= ax + aancho and y + alto <= ay + aalto


def nodos(raiz):
    yield raiz
    for hijo in (raiz.getChildAtIndex(i) for i in range(raiz.childCount)):
        if hijo is not None:
            yield from nodos(hijo)


def buscar(raiz, papel, nombre=None):
    return next((n for n in nodos(raiz) if n.getRole() == papel and nombre in (None, n.name)), None)


def extension(nodo):
    e = nodo.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


# The program's application on the accessibility bus, once its window is there.
def aplicacion(nombre, segundos=15):
    escritorio = pyatspi.Registry.getDesktop(0)
    return esperar(lambda: next(a for a in nodos(escritorio) if a.name == nombre and a.childCount), segundos)


# The control with the focus. Qt 6.8 also marks the current item of each unit
# list's closed popup list as focused; those items are transient.
def enfocado(ventana):
    return next(n for n in nodos(ventana) if n.getState().contains(pyatspi.STATE_FOCUSED)
                and not n.getState().contains(pyatspi.STATE_TRANSIENT))


# Tab pressed until the focus is back where the walk began: every control of
# the tab order is reached, each in view (a_la_vista of its place) as it is.
# The control focused as the window opens is in view before any key, as
# Enter or Space act on it.
def recorrer_con_el_tabulador(ventana, pulsar_tab, a_la_vista, programa=""):
    inicial = esperar(lambda: enfocado(ventana), 5)
    comprobar(inicial and esperar(lambda: a_la_vista(extension(inicial)), 3),
              f"{programa}: '{inicial and inicial.name}', con el foco al abrir, queda fuera de la vista")
    visitados = []
    for _ in range(30):
        pulsar_tab()
        nodo = esperar(lambda: (lambda n: n if not visitados or n != visitados[-1] else None)(enfocado(ventana)), 3)
        if nodo is None or nodo in visitados:
            break
        visitados.append(nodo)
        comprobar(a_la_vista(extension(nodo)), f"{programa}: '{nodo.name}' queda fuera de la vista al llegar con el tabulador")
    comprobar(visitados and nodo == visitados[0],
              f"{programa}: el tabulador no da la vuelta: {[n.name for n in visitados]}, luego {nodo and nodo.name}")

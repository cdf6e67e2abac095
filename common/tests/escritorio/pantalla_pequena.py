#!/usr/bin/python3
"""A calculator on a screen of its own size, under a window manager.

    pantalla_pequena.py PROGRAM [cabe]

Run inside an X display (tools/con-pantalla-virtual -s WIDTHxHEIGHT
dbus-run-session -- ...) whose size and QT_SCALE_FACTOR the caller chooses;
starts openbox, then the program. The window with its decorations must lie
inside the screen, and every control must come into view when Tab reaches
it. With "cabe" the design fits the screen, and the window must be the
design itself: no scroll bar, no other size.
"""
import subprocess
import sys

import pyatspi

from escritorio import Calculadora, Informe, esperar, extension, nodos


def marco_en_pantalla(ventana_x):
    """The window with its frame and the screen, in the display's pixels."""
    info = subprocess.run(["xwininfo", "-id", ventana_x], capture_output=True, text=True).stdout
    campo = {linea.split(":")[0].strip(): linea.split(":")[1].strip() for linea in info.splitlines() if ":" in linea}
    x, y = int(campo["Absolute upper-left X"]), int(campo["Absolute upper-left Y"])
    ancho, alto = int(campo["Width"]), int(campo["Height"])
    extremos = subprocess.run(["xprop", "-id", ventana_x, "_NET_FRAME_EXTENTS"], capture_output=True, text=True).stdout
    izquierda, derecha, arriba, abajo = (int(n) for n in extremos.split("=")[1].split(","))
    raiz = subprocess.run(["xwininfo", "-root"], capture_output=True, text=True).stdout
    pantalla = {linea.split(":")[0].strip(): int(linea.split(":")[1]) for linea in raiz.splitlines()
                if linea.strip().startswith(("Width", "Height"))}
    return (x - izquierda, y - arriba, x + ancho + derecha, y + alto + abajo), (pantalla["Width"], pantalla["Height"])


def dentro(interior, exterior):
    ix, iy, iw, ih = interior
    ex, ey, ew, eh = exterior
    return ix >= ex - 1 and iy >= ey - 1 and ix + iw <= ex + ew + 1 and iy + ih <= ey + eh + 1


def probar(calculadora, informe, cabe):
    ventana = calculadora.ventana
    (izquierda, arriba, derecha, abajo), (ancho, alto) = esperar(
        lambda: marco_en_pantalla(calculadora.ventana_x)) or ((0, 0, 0, 0), (0, 0))
    informe.comprobar(izquierda >= 0 and arriba >= 0 and derecha <= ancho and abajo <= alto,
                      f"la ventana con su marco ocupa ({izquierda}, {arriba}) a ({derecha}, {abajo}) "
                      f"en una pantalla de {ancho} x {alto}")
    barras = [n for n in nodos(ventana) if n.getRoleName() == "scroll bar" and n.getState().contains(pyatspi.STATE_SHOWING)]
    diseno = ventana.getChildAtIndex(0)
    if cabe:
        informe.comprobar(not barras, "la ventana muestra barras de desplazamiento")
        informe.comprobar(extension(ventana)[2:] == extension(diseno)[2:],
                          f"la ventana mide {extension(ventana)[2:]}, el diseño {extension(diseno)[2:]}")
        return

    informe.comprobar(barras, "el diseño no cabe y no hay barra de desplazamiento")
    visitados = []
    for _ in range(60):
        calculadora.pulsar("Tab")
        nodo = esperar(calculadora.enfocado, 3)
        if nodo is None or (visitados and nodo == visitados[0]):
            break
        visitados.append(nodo)
        informe.comprobar(dentro(extension(nodo), extension(ventana)),
                          f"'{nodo.name}' queda fuera de la vista al llegar con el tabulador")
    informe.comprobar(len(visitados) >= 8, f"el tabulador solo llega a {len(visitados)} controles")


if __name__ == "__main__":
    gestor = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    informe = Informe()
    try:
        esperar(lambda: subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True,
                                       text=True).stdout.count("window id"))
        calculadora = Calculadora(sys.argv[1])
        try:
            probar(calculadora, informe, len(sys.argv) > 2 and sys.argv[2] == "cabe")
        finally:
            calculadora.cerrar()
    finally:
        gestor.terminate()
    sys.exit(informe.terminar("la ventana cabe en la pantalla y todo se alcanza"))

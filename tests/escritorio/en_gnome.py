#!/usr/bin/python3
# The calculators in a GNOME Shell session, started from their menu entries
# as the shell starts them, and judged by what the shell itself knows:
#
#     tests/sesion -g [-s WxH] [-e SCALE] [-i PREFIX] en_gnome.py PREFIX PROGRAM...
#
# PREFIX is where the programs are installed: /usr for the package, ~/.local
# for the user's own install (tests/sesion -i). Each program runs with its
# error output kept: a file of the same name in ~/bin, first in the
# session's PATH, runs it and keeps it, with the environment the shell gives.
#
# For each program: the shell matches its window to its menu entry (and so
# to the entry's name and icon), and the window's title is the entry's name;
# GNOME draws its title bar; the window with its frame lies inside the work
# area the top bar leaves; the shell offers no maximize for it, and Super+Up
# does not maximize it; every control the tabulator reaches is in view; the
# program says nothing on its error output.
import os
import subprocess
import sys

import pyatspi
from comprobaciones import acabar, aplicacion, asentado, comprobar, dentro, esperar, recorrer_con_el_tabulador
from ventanas import Gnome


def guardar_errores(prefijo, programas):
    for programa in programas:
        with open(os.path.expanduser(f"~/bin/{programa}"), "w", encoding="utf-8") as archivo:
            archivo.write(f'#!/bin/sh\nexec {prefijo}/bin/{programa} 2>"$HOME/{programa}.err"\n')
            os.fchmod(archivo.fileno(), 0o755)


# Whether the control shows inside the frame: whole, or, where it is larger
# than half the frame (a slider at 200 %), over half the frame.
def a_la_vista(control, marco):
    for inicio, largo, marco_inicio, marco_largo in zip(control[:2], control[2:], marco[:2], marco[2:]):
        comun = min(inicio + largo, marco_inicio + marco_largo) - max(inicio, marco_inicio)
        if comun < min(largo, marco_largo // 2):
            return False
    return True


# Every control the tabulator reaches, read through the accessibility bus as
# the desktop's screen reader reads it, is in view inside the window's frame.
def tabulador(gnome, programa, marco):
    app = aplicacion(programa)
    if not comprobar(app, f"{programa} no aparece en el bus de accesibilidad"):
        return
    ventana = app.getChildAtIndex(0)  # not the unit lists' popups, which Qt 6.8 lists beside it
    # Qt 6.4 gives the places in its own pixels, which at 200 % are two of the
    # screen's: measured against the frame the shell gives.
    factor = round(marco[2] / ventana.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width * 4) / 4
    recorrer_con_el_tabulador(ventana, lambda: gnome.teclas("Tab"),
                              lambda lugar: a_la_vista([round(v * factor) for v in lugar], marco), programa)


def probar(gnome, programa):
    entrada = f"org.calculadorasrf.{programa}.desktop"
    if not comprobar(esperar(lambda: gnome.abrir_entrada(entrada)), f"el shell no encuentra la entrada {entrada}"):
        return
    ventana = esperar(lambda: (lambda v: v if v and v["enfocada"] else None)(gnome.ventana(entrada)), 15)
    if not comprobar(ventana, f"{programa}: el shell no ve su ventana como la de {entrada}"):
        return
    # The window refits once the shell has framed it.
    ventana = asentado(lambda: gnome.ventana(entrada))
    print(programa, ventana, flush=True)
    comprobar(ventana["titulo"] == ventana["nombre"],
              f"{programa}: la ventana se titula '{ventana['titulo']}', su entrada '{ventana['nombre']}'")
    comprobar(ventana["icono"] == "org.calculadorasrf.Calculadoras", f"{programa}: el icono es {ventana['icono']}")
    comprobar(dentro(ventana["marco"], ventana["area"]),
              f"{programa}: la ventana con su marco ocupa {ventana['marco']}, fuera del área {ventana['area']}")
    comprobar(not ventana["decorada_por_el_programa"] and ventana["x11"], f"{programa}: la barra no es la de GNOME")
    comprobar(not ventana["maximizable"], f"{programa}: GNOME ofrece maximizar la ventana")
    tabulador(gnome, programa, ventana["marco"])
    gnome.teclas("Super_L", "Up")
    despues = asentado(lambda: gnome.ventana(entrada))
    comprobar(despues and not despues["maximizada"] and not despues["completa"]
              and despues["marco"][2:] == ventana["marco"][2:], f"{programa}: con Super+Arriba la ventana queda {despues}")
    gnome.cerrar(ventana["pid"])
    comprobar(esperar(lambda: not os.path.exists(f"/proc/{ventana['pid']}")), f"{programa}: la ventana no se cierra")
    with open(os.path.expanduser(f"~/{programa}.err"), encoding="utf-8", errors="replace") as archivo:
        avisos = archivo.read().strip()
    comprobar(not avisos, f"{programa} dice en su salida de errores: {avisos}")


def main(prefijo, programas):
    prefijo = os.path.expanduser(prefijo)
    guardar_errores(prefijo, programas)
    # The tabulator's walk is read as a screen reader reads it, with the
    # desktop's own accessibility setting on (a screen reader's user has it).
    subprocess.run(["gsettings", "set", "org.gnome.desktop.interface", "toolkit-accessibility", "true"], check=True)
    gnome = Gnome()
    for programa in programas:
        probar(gnome, programa)
    version = subprocess.run(["gnome-shell", "--version"], capture_output=True, text=True).stdout.strip()
    acabar(f"{' '.join(programas)} en {version} {os.environ['TAMANO_DE_PANTALLA']}")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])

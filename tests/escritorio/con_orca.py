#!/usr/bin/python3
# What a blind user hears from a calculator, through the real Orca screen
# reader (heard by oir_orca.py): the steps of the program's own table
# (PROGRAM/tests/orca.py), each with what Orca must say and what it must not;
# first with Orca on before the program opens, then with Orca turned on after
# it (a short table):
#
#     tests/sesion con_orca.py PROGRAM
#
# Inside GNOME (Orca's session as the shell's, the programs installed in
# PREFIX/bin), the three in turn, each in its own way: filtros opened before
# Orca on Wayland, where the user has set QT_QPA_PLATFORM=wayland, velorna
# opened before Orca and mirvesta after it, both through Xwayland as the
# programs choose:
#
#     tests/sesion -g -i PREFIX con_orca.py --gnome ~/.local
import os
import re
import runpy
import sys

from comprobaciones import acabar, comprobar
from oir_orca import Orca, Oyente
from ventanas import Gnome

RAIZ = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def tabla(nombre):
    return runpy.run_path(os.path.join(RAIZ, nombre, "tests", "orca.py"))


# Whether all the patterns are in what Orca said.
def dice_todo(patrones):
    return lambda dicho: all(re.search(patron, f"| {dicho} |") for patron in patrones)


# Presses one step's keys and checks what Orca says.
def escuchar(oyente, numero, paso):
    dicho = oyente.pulsar(paso.teclas, hasta=dice_todo(paso.dice))
    teclas = " ".join(paso.teclas)
    print(f"{numero}\t{teclas}\t{dicho}", flush=True)
    entre_barras = f"| {dicho} |"
    for patron in paso.dice:
        comprobar(re.search(patron, entre_barras), f"{oyente.nombre}, paso {numero} ({teclas}): no dice /{patron}/")
    for patron in paso.no_dice:
        comprobar(not re.search(patron, entre_barras), f"{oyente.nombre}, paso {numero} ({teclas}): dice /{patron}/")


def oir(programa, pasos, orca, **como):
    al_abrir = tabla(os.path.basename(programa))["AL_ABRIR"]
    with Oyente(programa, orca, hasta=dice_todo([al_abrir]), **como) as oyente:
        print(f"0\tal abrir\t{oyente.al_abrir}", flush=True)
        comprobar(re.search(al_abrir, oyente.al_abrir), f"{oyente.nombre}, paso 0 (al abrir): no dice /{al_abrir}/")
        for numero, paso in enumerate(pasos, 1):
            escuchar(oyente, numero, paso)


def main():
    orca = Orca()
    try:
        if sys.argv[1] != "--gnome":
            programa = os.path.abspath(sys.argv[1])
            pasos = tabla(os.path.basename(programa))
            print("== Orca antes que el programa")
            oir(programa, pasos["PASOS"], orca)
            print("== Orca encendido después")
            oir(programa, pasos["LLEGANDO_DESPUES"], orca, despues=True)
            return
        # Orca, once on, leaves the bus's status "enabled" for the rest of the
        # session: the first program opens in a session that has not had it.
        for nombre, despues, plataforma in [("filtros", True, "wayland"), ("velorna", True, None),
                                            ("mirvesta", False, None)]:
            print(f"== {nombre}, Orca {'encendido después' if despues else 'antes'}, {plataforma or 'xcb'}")
            oir(os.path.join(os.path.expanduser(sys.argv[2]), "bin", nombre), tabla(nombre)["LLEGANDO_DESPUES"], orca,
                despues=despues, escritorio=Gnome(plataforma))
    finally:
        orca.parar()


if __name__ == "__main__":
    main()
    acabar(f"Orca {' '.join(sys.argv[1:])}")

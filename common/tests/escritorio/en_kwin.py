#!/usr/bin/python3
# The calculators on Plasma's compositor, KWin, on Wayland, judged by what
# KWin itself knows:
#
#     tools/con-kwin [-s WxH] [-p HEIGHT] en_kwin.py PROGRAM_PATH...
#
# Each program started with the variables of a Plasma session on Wayland (no
# QT_QPA_PLATFORM). For each: KWin matches the window to its menu entry (the
# desktop file name the program gives), draws its title bar and offers no
# maximize, and its "Window Maximize" shortcut leaves the window as it was;
# the window with its frame lies inside the work area the panel leaves; the
# program says nothing on its error output.
import os
import subprocess
import sys
import tempfile
import time

from en_el_escritorio import acabar, comprobar, dentro, esperar

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools"))
from ventanas_del_escritorio import KWin  # noqa: E402

kwin = KWin()


def probar(ejecutable, errores):
    programa = os.path.basename(ejecutable)
    proceso = subprocess.Popen([ejecutable], stderr=errores)

    def suya():
        return next((v for v in kwin.ventanas() if v["pid"] == proceso.pid), None)
    ventana = esperar(suya, 15)
    if not comprobar(ventana, f"{programa}: KWin no ve su ventana"):
        proceso.kill()
        return
    time.sleep(0.5)  # placed and framed
    ventana = suya()
    print(programa, ventana, flush=True)
    comprobar(ventana["entrada"] == f"org.calculadorasrf.{programa}",
              f"{programa}: KWin la asocia a la entrada '{ventana['entrada']}'")
    comprobar(not ventana["sin_marco"], f"{programa}: KWin no dibuja su barra de título")
    comprobar(not ventana["maximizable"], f"{programa}: KWin ofrece maximizarla")
    comprobar(dentro(ventana["marco"], ventana["area"]),
              f"{programa}: la ventana con su marco ocupa {ventana['marco']}, fuera del área {ventana['area']}")
    kwin.atajo("Window Maximize")
    time.sleep(0.7)
    despues = suya()
    comprobar(despues and despues["marco"] == ventana["marco"],
              f"{programa}: con el atajo de maximizar la ventana queda {despues}")
    proceso.terminate()
    proceso.wait(timeout=10)


for ejecutable in sys.argv[1:]:
    with tempfile.TemporaryFile("w+") as errores:
        probar(ejecutable, errores)
        errores.seek(0)
        avisos = errores.read().strip()
    comprobar(not avisos, f"{os.path.basename(ejecutable)} dice en su salida de errores: {avisos}")
acabar(" ".join(map(os.path.basename, sys.argv[1:])) + " en KWin")

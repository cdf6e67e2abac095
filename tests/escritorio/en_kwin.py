#!/usr/bin/python3
# The calculators on Plasma's compositor, KWin, on Wayland, judged by what
# KWin itself knows:
#
#     tests/sesion -k [-s WxH] [-p HEIGHT] en_kwin.py PROGRAM_PATH...
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

from comprobaciones import acabar, asentado, comprobar, dentro, esperar
from ventanas import KWin


def probar(kwin, ejecutable, errores):
    programa = os.path.basename(ejecutable)
    proceso = subprocess.Popen([ejecutable], stderr=errores)

    def suya():
        return next((v for v in kwin.ventanas() if v["pid"] == proceso.pid), None)
    if not comprobar(esperar(suya, 15), f"{programa}: KWin no ve su ventana"):
        proceso.kill()
        return
    ventana = asentado(suya)  # placed and framed
    print(programa, ventana, flush=True)
    comprobar(ventana["entrada"] == f"org.calculadorasrf.{programa}",
              f"{programa}: KWin la asocia a la entrada '{ventana['entrada']}'")
    comprobar(not ventana["sin_marco"], f"{programa}: KWin no dibuja su barra de título")
    comprobar(not ventana["maximizable"], f"{programa}: KWin ofrece maximizarla")
    comprobar(dentro(ventana["marco"], ventana["area"]),
              f"{programa}: la ventana con su marco ocupa {ventana['marco']}, fuera del área {ventana['area']}")
    kwin.atajo("Window Maximize")
    despues = asentado(suya)
    comprobar(despues and despues["marco"] == ventana["marco"], f"{programa}: con el atajo de maximizar la ventana queda {despues}")
    proceso.terminate()
    proceso.wait(timeout=10)


def main(ejecutables):
    kwin = KWin()
    for ejecutable in ejecutables:
        with tempfile.TemporaryFile("w+") as errores:
            probar(kwin, ejecutable, errores)
            errores.seek(0)
            avisos = errores.read().strip()
        comprobar(not avisos, f"{os.path.basename(ejecutable)} dice en su salida de errores: {avisos}")
    acabar(" ".join(map(os.path.basename, ejecutables)) + " en KWin")


if __name__ == "__main__":
    main(sys.argv[1:])

#!/usr/bin/python3
# The Windows installer in a fresh Wine prefix on this X session (run it in
# tests/sesion): a silent install over an older release, the Start menu's
# entries, each program started from its entry, open at its design size in
# the middle of the screen with its icon and no maximize button, a result
# computed with the keyboard and read back through the clipboard (which Wine
# shares with X), "Salir" and Alt+F4 each ending it, and an uninstall that
# leaves nothing behind.
#   tests/sesion tests/escritorio/en_wine.py OLDER.exe INSTALLER.exe
import os
import pathlib
import subprocess
import sys
import tempfile

from comprobaciones import acabar, asentado, comprobar, esperar

# Each program: its window's client size, the keys that compute a result and
# reach the box that shows it, the result, the keys from there to "Salir".
PROGRAMAS = {
    "filtros": ((754, 574), ["Tab", "Up"] + ["Tab"] * 6, "14.469", ["Tab"]),
    "velorna": ((580, 538), ["1", "Tab", "Tab", "1", "Return"] + ["Tab"] * 5, "159.155", ["shift+Tab"]),
    "mirvesta": ((575, 623), ["Tab"] * 3 + ["Up"] + ["Tab"] * 4, "0.0278", ["Tab"]),
}
RAIZ = pathlib.Path(__file__).resolve().parents[2]
CLAVE = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\CalculadorasRF"


def nombre_en_el_menu(programa):
    entrada = RAIZ / programa / f"org.calculadorasrf.{programa}.desktop"
    return next(l[5:] for l in entrada.read_text(encoding="utf-8").splitlines() if l.startswith("Name="))


def wine(*orden, **opciones):
    return subprocess.run(["wine", *orden], capture_output=True, text=True, **opciones)


def ventana(titulo):
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{titulo}$"],
                         capture_output=True, text=True).stdout.split()
    return ids[0] if ids else None


def geometria(x11):
    campos = dict(l.strip().split(": ", 1) for l in subprocess.check_output(["xwininfo", "-id", x11], text=True)
                  .splitlines() if ": " in l)
    return tuple(int(campos[c]) for c in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def pulsar(x11, teclas):
    for tecla in teclas:
        subprocess.run(["xdotool", "windowactivate", "--sync", x11, "key", "--clearmodifiers", tecla], check=True)


def portapapeles():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True).stdout


def abrir(menu, programa):
    """Starts the program from its Start menu entry; its X window, or None."""
    titulo = nombre_en_el_menu(programa)
    acceso = menu / f"{titulo}.lnk"
    if not comprobar(acceso.exists(), f"no hay entrada «{titulo}» en el menú Inicio"):
        return None
    subprocess.run(["wine", "start", "/unix", str(acceso)], check=True)
    x11 = esperar(lambda: ventana(titulo), 60)
    if not comprobar(x11, f"{programa}: no se abre una ventana «{titulo}»"):
        return None
    # Placed and active before the first key: Wine maps a window before it
    # is moved to its place and given the focus.
    asentado(lambda: geometria(x11))
    esperar(lambda: subprocess.check_output(["xdotool", "getactivewindow"], text=True).strip() == x11)
    return x11


# Wine tells the window manager which buttons the Windows window has in
# Motif's hints: flags, functions, decorations.
MAXIMIZAR_FUNCION, MAXIMIZAR_BOTON = 0x10, 0x40


def se_maximiza(x11):
    hints = subprocess.check_output(["xprop", "-id", x11, "_MOTIF_WM_HINTS"], text=True).split("=")[-1]
    _, funciones, botones = (int(v, 16) for v in hints.split(",")[:3])
    return bool(funciones & MAXIMIZAR_FUNCION or botones & MAXIMIZAR_BOTON)


def probar_programa(menu, programa, ancho_de_pantalla):
    (ancho, alto), al_resultado, resultado, a_salir = PROGRAMAS[programa]
    x11 = abrir(menu, programa)
    if not x11:
        return
    x, y, w, h = geometria(x11)
    comprobar((w, h) == (ancho, alto), f"{programa}: la ventana mide {w}x{h}, no {ancho}x{alto}")
    comprobar(abs(x + w / 2 - ancho_de_pantalla / 2) <= 1, f"{programa}: la ventana no está centrada ({x}, {w})")
    icono = subprocess.run(["xprop", "-id", x11, "_NET_WM_ICON"], capture_output=True, text=True).stdout
    comprobar("Icon (" in icono, f"{programa}: la ventana no tiene icono")
    pulsar(x11, al_resultado + ["ctrl+a", "ctrl+c"])
    leido = esperar(lambda: portapapeles() == resultado and resultado, 5)
    comprobar(leido, f"{programa}: el resultado es «{portapapeles()}», no «{resultado}»")
    pulsar(x11, a_salir + ["space"])
    comprobar(esperar(lambda: not en_marcha(programa), 15), f"{programa}: «Salir» no termina el programa")

    # The window manager's close, as the close button asks it.
    x11 = abrir(menu, programa)
    if not x11:
        return
    comprobar(not se_maximiza(x11), f"{programa}: la ventana tiene botón de maximizar")
    pulsar(x11, ["alt+F4"])
    comprobar(esperar(lambda: not en_marcha(programa), 15), f"{programa}: Alt+F4 no termina el programa")


def en_marcha(programa):
    return subprocess.run(["pgrep", "-f", rf"\\{programa}\.exe$"], capture_output=True).returncode == 0


def registrado(valor):
    consulta = wine("reg", "query", CLAVE, "/v", valor)
    return consulta.stdout.split()[-1] if consulta.returncode == 0 else None


def main(anterior, instalador):
    # In the session's home, which goes with the session.
    os.environ.update(WINEPREFIX=tempfile.mkdtemp(prefix="wine-", dir=os.environ["HOME"]), WINEDEBUG="-all")
    unidad = pathlib.Path(os.environ["WINEPREFIX"], "drive_c")
    # One Wine server for the whole run, kept from the pipes of the commands
    # whose output is read (a server started by one would hold them open).
    subprocess.run(["wineserver", "-p"], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
    subprocess.run(["wineboot", "-i"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    carpeta = unidad / "Program Files" / "Calculadoras RF"
    comprobar(wine(anterior, "/S").returncode == 0, "la versión anterior no se instala")
    comprobar((carpeta / "sobrante.txt").exists(), "la versión anterior no deja su archivo de muestra")
    comprobar(wine(instalador, "/S").returncode == 0, "la instalación silenciosa falla")
    version = subprocess.check_output(["dpkg-parsechangelog", "-l", RAIZ / "debian/changelog", "-S", "Version"], text=True).strip()
    comprobar(registrado("DisplayVersion") == version,
              f"Aplicaciones muestra la versión {registrado('DisplayVersion')}, no {version}")
    comprobar(not (carpeta / "sobrante.txt").exists(), "queda un archivo de la versión anterior")
    entradas = wine("reg", "query", r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall").stdout
    comprobar(entradas.count("CalculadorasRF") == 1, "instalado sobre la anterior, no hay una sola entrada")
    menu = unidad / "ProgramData" / "Microsoft" / "Windows" / "Start Menu" / "Programs" / "Calculadoras RF"
    comprobar(sorted(p.name for p in menu.glob("*.lnk")) == sorted(f"{nombre_en_el_menu(p)}.lnk" for p in PROGRAMAS),
              f"el menú Inicio tiene {sorted(p.name for p in menu.glob('*'))}")
    ancho_de_pantalla = int(subprocess.check_output(["xdotool", "getdisplaygeometry"], text=True).split()[0])
    for programa in PROGRAMAS:
        probar_programa(menu, programa, ancho_de_pantalla)

    # With a program open, an install over it stops at once, and so does the
    # uninstaller (the copy of itself it runs), both leaving all as it was.
    instalados, x11 = sorted(carpeta.rglob("*")), abrir(menu, "filtros")
    comprobar(wine(instalador, "/S").returncode == 2, "con filtros abierto, la instalación no se detiene")
    wine(str(carpeta / "desinstalar.exe"), "/S")
    esperar(lambda: subprocess.run(["pgrep", "-f", r"\\~nsu.*\.tmp\\"]).returncode == 1, 30)
    comprobar(sorted(carpeta.rglob("*")) == instalados, "con filtros abierto, la desinstalación quita archivos")
    pulsar(x11, ["alt+F4"])
    esperar(lambda: not en_marcha("filtros"), 15)
    comprobar(wine(str(carpeta / "desinstalar.exe"), "/S").returncode == 0, "la desinstalación falla")
    # The uninstaller runs a copy of itself, which has ended once the folder is gone.
    esperar(lambda: not carpeta.exists(), 30)
    comprobar(not carpeta.exists(), f"la desinstalación deja {list(carpeta.rglob('*')) if carpeta.exists() else ''}")
    comprobar(not menu.exists(), "la desinstalación deja el menú Inicio")
    comprobar(wine("reg", "query", CLAVE).returncode != 0, "la desinstalación deja su clave en el registro")
    subprocess.run(["wineserver", "-k"])
    acabar("el instalador de Windows bajo Wine")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])

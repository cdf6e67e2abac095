#!/usr/bin/python3
# What the Orca screen reader says for a program, step by step: the program
# started as the desktop session tools/con-orca made starts it, each step's
# keys pressed as from the keyboard, and what Orca hands to speech read from
# its debug log. Run inside that session:
#   tools/con-pantalla-virtual dbus-run-session -- tools/con-orca tools/oir_orca.py PROGRAM STEP...
# A step is its keys separated by blanks: xdotool key names, or "type:TEXT"
# ("Tab", "Up Up", "type:1 Return"). Prints one line a step, step 0 being the
# start: NUMBER<TAB>KEYS<TAB>SPEECH, the utterances joined with " | ".
import os
import re
import subprocess
import sys
import time

# Orca's debug log: what it hands to speech, and a window of the program
# becoming active (Orca 43, then 48).
DICHO = re.compile(r" - SPEECH OUTPUT: '(.*?)' ?(?:\{|\[\{|$)", re.M)
ACTIVA = r"window:activate .*(?:from \[application \| {0}\]| in {0} \()"
# Lines Orca's timers write on their own (Orca 48), not a reaction.
RUIDO = re.compile(r"Clearing (?:local )?cache\.$")


def esperar(condicion, segundos):
    fin = time.monotonic() + segundos
    while time.monotonic() < fin:
        if condicion():
            return True
        time.sleep(0.1)
    return False


class Oyente:
    """The program, started and heard until closed; a context manager."""

    def __init__(self, programa):
        self.registro = os.environ["ORCA_REGISTRO"]
        self.nombre = os.path.basename(programa)
        self.esperar_silencio(0)
        desde = os.path.getsize(self.registro)
        self.programa = subprocess.Popen([programa], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                                              QT_QPA_PLATFORM="xcb"),
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        def activa():
            return re.search(ACTIVA.format(re.escape(self.nombre)), self.leer(desde))
        if not esperar(activa, 30):
            # A machine under load may map the window before it can be made
            # active; the user would click it.
            subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(self.programa.pid),
                            "windowactivate"], check=False)
        if not esperar(activa, 30):
            self.cerrar()
            raise RuntimeError(f"la ventana de {self.nombre} no llega a Orca")
        self.al_abrir = " | ".join(self.esperar_silencio(desde))

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.cerrar()

    def cerrar(self):
        self.programa.terminate()
        self.programa.wait(10)

    def leer(self, desde=0):
        with open(self.registro, encoding="utf-8", errors="replace") as archivo:
            archivo.seek(desde)
            return archivo.read()

    # Waits for Orca to react (up to `arranque` seconds), then for a second
    # in which it logs nothing of its own; what it said meanwhile.
    def esperar_silencio(self, desde, arranque=3.0, limite=20.0):
        inicio = ultimo = time.monotonic()
        visto = desde
        while time.monotonic() - inicio < limite:
            time.sleep(0.05)
            nuevo = self.leer(visto)
            visto += len(nuevo.encode())
            if any(linea and not RUIDO.search(linea) for linea in nuevo.splitlines()):
                ultimo = time.monotonic()
            elif ultimo == inicio and time.monotonic() - inicio < arranque:
                continue
            elif time.monotonic() - ultimo >= 1.0:
                break
        return DICHO.findall(self.leer(desde))

    # Presses the keys and returns what Orca said, joined with " | ".
    def pulsar(self, teclas):
        desde = os.path.getsize(self.registro)
        for tecla in teclas:
            orden = ["type", "--delay", "100", tecla[5:]] if tecla.startswith("type:") else ["key", tecla]
            subprocess.run(["xdotool", *orden], check=True)
        return " | ".join(self.esperar_silencio(desde))


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit("".join(linea[2:] for linea in open(__file__, encoding="utf-8").readlines()[1:9]))
    try:
        oyente = Oyente(os.path.abspath(sys.argv[1]))
    except RuntimeError as fallo:
        sys.exit(f"oir_orca: {fallo}")
    with oyente:
        print(f"0\tal abrir\t{oyente.al_abrir}")
        for numero, paso in enumerate(sys.argv[2:], 1):
            print(f"{numero}\t{paso}\t{oyente.pulsar(paso.split())}")

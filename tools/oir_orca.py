#!/usr/bin/python3
# What the Orca screen reader says for a program, step by step: the program
# started as its desktop session starts programs, Orca started before it or
# after it (tools/arrancar-orca), each step's keys pressed as from the
# keyboard, and what Orca hands to speech read from its debug log. Run inside
# a session ready for Orca:
#   tools/con-pantalla-virtual dbus-run-session -- tools/con-orca tools/oir_orca.py [--despues] PROGRAM STEP...
# With --despues the program opens first and Orca is turned on once its
# window shows. A step is its keys separated by blanks: xdotool key names, or
# "type:TEXT" ("Tab", "Up Up", "type:1 Return"). Prints one line a step,
# step 0 being the start: NUMBER<TAB>KEYS<TAB>SPEECH, the utterances joined
# with " | ".
import os
import re
import signal
import subprocess
import sys
import time

ARRANCAR_ORCA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "arrancar-orca")
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


class EscritorioX11:
    """Programs started as children of the session, keys given through XTEST."""

    def lanzar(self, programa):
        return subprocess.Popen([programa], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def mostrada(self, proceso):
        return subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(proceso.pid)],
                              stdout=subprocess.DEVNULL, check=False).returncode == 0

    # A machine under load may map the window before it can be made active;
    # the user would click it.
    def activar(self, proceso):
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(proceso.pid),
                        "windowactivate"], check=False)

    # Orca's review commands (the keypad) wait for the one before: a press
    # that comes while Orca still reads a line may be dropped.
    def pulsar(self, tecla):
        orden = ["type", "--delay", "100", tecla[5:]] if tecla.startswith("type:") else ["key", tecla]
        subprocess.run(["xdotool", *orden], check=True)
        if tecla.startswith("KP_"):
            time.sleep(0.3)

    def cerrar(self, proceso):
        proceso.terminate()
        proceso.wait(10)


class EscritorioGnome(EscritorioX11):
    """Programs started with the session's environment (and a platform the
    user may have chosen), their windows as GNOME Shell knows them, keys from
    the shell's own virtual keyboard (tools/ventanas_del_escritorio.py)."""

    MODIFICADORES = {"shift": "Shift_L", "ctrl": "Control_L", "alt": "Alt_L", "super": "Super_L"}
    SIGNOS = {".": "period", ",": "comma", " ": "space", "-": "minus"}

    def __init__(self, plataforma=None):
        from ventanas_del_escritorio import Gnome
        self.gnome = Gnome()
        self.plataforma = plataforma

    def lanzar(self, programa):
        entorno = dict(os.environ, **({"QT_QPA_PLATFORM": self.plataforma} if self.plataforma else {}))
        return subprocess.Popen([programa], env=entorno, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def mostrada(self, proceso):
        return any(ventana["pid"] == proceso.pid for ventana in self.gnome.ventanas())

    def activar(self, proceso):
        pass  # GNOME makes a new window active itself

    def pulsar(self, tecla):
        if tecla.startswith("type:"):
            for letra in tecla[5:]:
                self.gnome.teclas(self.SIGNOS.get(letra, letra))
                time.sleep(0.1)
        else:
            self.gnome.teclas(*(self.MODIFICADORES.get(parte, parte) for parte in tecla.split("+")))


class Orca:
    """The screen reader of the session, turned on and off as the user does."""

    # Its debug log where tools/con-orca says, or in the session's runtime
    # folder.
    def __init__(self):
        os.environ.setdefault("ORCA_REGISTRO", os.path.join(os.environ["XDG_RUNTIME_DIR"], "orca.log"))
        self.registro = os.environ["ORCA_REGISTRO"]

    def pid(self):
        try:
            with open(self.registro + ".pid", encoding="utf-8") as archivo:
                pid = int(archivo.read())
            os.kill(pid, 0)
            return pid
        except (OSError, ValueError):
            return None

    # Fails with Orca's own output when it never speaks.
    def arrancar(self):
        resultado = subprocess.run([ARRANCAR_ORCA], stderr=subprocess.PIPE, text=True, check=False)
        if resultado.returncode != 0:
            raise RuntimeError(f"Orca no arranca:\n{resultado.stderr}")

    def parar(self):
        pid = self.pid()
        if pid:
            os.kill(pid, signal.SIGTERM)
            if not esperar(lambda: self.pid() is None, 5):
                os.kill(pid, signal.SIGKILL)


class Oyente:
    """The program, started and heard until closed; a context manager."""

    def __init__(self, programa, despues=False, escritorio=None, nombre=None):
        self.orca = Orca()
        self.registro = self.orca.registro
        self.escritorio = escritorio or EscritorioX11()
        self.nombre = nombre or os.path.basename(programa)
        if despues:
            self.orca.parar()
        elif self.orca.pid() is None:
            self.orca.arrancar()
        if not despues:
            self.esperar_silencio(self.tamano())
        desde = self.tamano()
        self.programa = self.escritorio.lanzar(programa)
        if despues:
            if not esperar(lambda: self.escritorio.mostrada(self.programa), 30):
                self.cerrar()
                raise RuntimeError(f"la ventana de {self.nombre} no se muestra")
            self.orca.arrancar()
            desde = 0  # Orca begins its log anew
        else:
            def activa():
                return re.search(ACTIVA.format(re.escape(self.nombre)), self.leer(desde))
            if not esperar(activa, 30):
                self.escritorio.activar(self.programa)
            if not esperar(activa, 30):
                self.cerrar()
                raise RuntimeError(f"la ventana de {self.nombre} no llega a Orca")
        self.al_abrir = " | ".join(self.esperar_silencio(desde))

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.cerrar()

    def cerrar(self):
        self.escritorio.cerrar(self.programa)

    def tamano(self):
        return os.path.getsize(self.registro) if os.path.exists(self.registro) else 0

    def leer(self, desde=0):
        if not os.path.exists(self.registro):
            return ""
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
        desde = self.tamano()
        for tecla in teclas:
            self.escritorio.pulsar(tecla)
        return " | ".join(self.esperar_silencio(desde))


if __name__ == "__main__":
    argumentos = sys.argv[1:]
    despues = bool(argumentos) and argumentos[0] == "--despues"
    argumentos = argumentos[despues:]
    if not argumentos:
        sys.exit("".join(linea[2:] for linea in open(__file__, encoding="utf-8").readlines()[1:13]))
    try:
        oyente = Oyente(os.path.abspath(argumentos[0]), despues)
    except RuntimeError as fallo:
        sys.exit(f"oir_orca: {fallo}")
    with oyente:
        print(f"0\tal abrir\t{oyente.al_abrir}")
        for numero, paso in enumerate(argumentos[1:], 1):
            print(f"{numero}\t{paso}\t{oyente.pulsar(paso.split())}")

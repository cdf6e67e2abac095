#!/usr/bin/python3
# What the Orca screen reader says for a program, step by step: the program
# started as its desktop session starts programs, Orca started as a user
# starts it, before the program or after its window shows, each step's keys
# pressed as from the keyboard, and what Orca hands to speech read from its
# debug log. Run inside a session (tests/sesion):
#   tests/sesion tests/escritorio/oir_orca.py [--despues] PROGRAM STEP...
# With --despues the program opens first and Orca is turned on once its
# window shows. A step is its keys separated by blanks: xdotool key names, or
# "type:TEXT" ("Tab", "Up Up", "type:1 Return"). Prints one line a step,
# step 0 being the start: NUMBER<TAB>KEYS<TAB>SPEECH, the utterances joined
# with " | ".
import os
import re
import shutil
import signal
import subprocess
import sys
import time

from comprobaciones import esperar, uso

AQUI = os.path.dirname(os.path.abspath(__file__))
# Orca's debug log: what it hands to speech, and a window of the program
# becoming active (Orca 43, then 48).
DICHO = re.compile(r" - SPEECH OUTPUT: '(.*?)' ?(?:\{|\[\{|$)", re.M)
ACTIVA = r"window:activate .*(?:from \[application \| {0}\]| in {0} \()"
# Lines Orca's timers write on their own (Orca 48), not a reaction.
RUIDO = re.compile(r"Clearing (?:local )?cache\.$")


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

    def pulsar(self, tecla):
        orden = ["type", "--delay", "100", tecla[5:]] if tecla.startswith("type:") else ["key", tecla]
        subprocess.run(["xdotool", *orden], check=True)


class EscritorioGnome(EscritorioX11):
    """Programs started with the session's environment (and a platform the
    user may have chosen), their windows as GNOME Shell knows them, keys from
    the shell's own virtual keyboard (ventanas.py)."""

    MODIFICADORES = {"shift": "Shift_L", "ctrl": "Control_L", "alt": "Alt_L", "super": "Super_L"}
    SIGNOS = {".": "period", ",": "comma", " ": "space", "-": "minus"}

    def __init__(self, plataforma=None):
        from ventanas import Gnome
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
        else:
            self.gnome.teclas(*(self.MODIFICADORES.get(parte, parte) for parte in tecla.split("+")))


class Orca:
    """The session's screen reader, turned on and off as the user does: with
    its own options only, --user-prefs (a folder holding the tests'
    orca-customizations.py, which says what it changes and why) and
    --debug-file, the log that holds what it hands to speech. It speaks into
    ALSA's null device through a speech server configured in the session's
    home: nothing is heard aloud."""

    def __init__(self):
        self.registro = os.path.join(os.environ["XDG_RUNTIME_DIR"], "orca.log")
        self.proceso = None

    def hablando(self):
        return self.proceso is not None and self.proceso.poll() is None

    # Returns once Orca has spoken; fails with its own output when it ends or
    # has said nothing within a minute.
    def arrancar(self):
        preferencias = self.registro + ".preferencias"
        os.makedirs(preferencias, exist_ok=True)
        shutil.copy(os.path.join(AQUI, "orca-customizations.py"), preferencias)
        configuracion = os.path.expanduser("~/.config/speech-dispatcher")
        if not os.path.isdir(configuracion):
            # Without a sound server the stock output stops answering and Orca
            # falls silent; ALSA's null device takes whatever it says.
            shutil.copytree("/etc/speech-dispatcher", configuracion)
            with open(os.path.join(configuracion, "speechd.conf"), "a", encoding="utf-8") as archivo:
                archivo.write('AudioOutputMethod "alsa"\n')
            with open(os.path.expanduser("~/.asoundrc"), "w", encoding="utf-8") as archivo:
                archivo.write("pcm.!default { type null }\n")
        open(self.registro, "w").close()
        with open(self.registro + ".salida", "w") as salida:
            # A session of its own: Orca's check for another Orca looks there.
            self.proceso = subprocess.Popen(["orca", "--user-prefs", preferencias, "--debug-file", self.registro],
                                            stdout=salida, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                            start_new_session=True)
        if not esperar(lambda: "SPEECH OUTPUT" in self.leer() or not self.hablando(), 60) or not self.hablando():
            with open(self.registro + ".salida", encoding="utf-8", errors="replace") as salida:
                raise RuntimeError(f"Orca no habla:\n{salida.read()}\n{self.leer()[-2000:]}")

    def parar(self):
        if self.hablando():
            self.proceso.send_signal(signal.SIGTERM)
            try:
                self.proceso.wait(5)
            except subprocess.TimeoutExpired:
                self.proceso.kill()  # Orca may hang while it closes

    def leer(self, desde=0):
        if not os.path.exists(self.registro):
            return ""
        with open(self.registro, encoding="utf-8", errors="replace") as archivo:
            archivo.seek(desde)
            return archivo.read()

    def tamano(self):
        return os.path.getsize(self.registro) if os.path.exists(self.registro) else 0


class Oyente:
    """The program, started and heard until closed; a context manager."""

    def __init__(self, programa, orca, despues=False, escritorio=None):
        self.orca = orca
        self.escritorio = escritorio or EscritorioX11()
        self.nombre = os.path.basename(programa)
        if despues:
            self.orca.parar()
        elif not self.orca.hablando():
            self.orca.arrancar()
        if not despues:
            self.esperar_silencio(self.orca.tamano())
        desde = self.orca.tamano()
        self.programa = self.escritorio.lanzar(programa)
        if despues:
            if not esperar(lambda: self.escritorio.mostrada(self.programa), 30):
                self.cerrar()
                raise RuntimeError(f"la ventana de {self.nombre} no se muestra")
            self.orca.arrancar()
            desde = 0  # Orca begins its log anew
        else:
            def activa():
                return re.search(ACTIVA.format(re.escape(self.nombre)), self.orca.leer(desde))
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
        self.programa.terminate()
        self.programa.wait(10)

    # Waits for Orca to react (up to `arranque` seconds), then for a second
    # in which it logs nothing of its own; what it said meanwhile.
    def esperar_silencio(self, desde, arranque=3.0, quieto=1.0):
        leido, inicio, ultimo = desde, time.monotonic(), None

        def callado():
            nonlocal leido, ultimo
            nuevo = self.orca.leer(leido)
            leido += len(nuevo.encode())
            if any(linea and not RUIDO.search(linea) for linea in nuevo.splitlines()):
                ultimo = time.monotonic()
            return time.monotonic() - (inicio if ultimo is None else ultimo) >= (arranque if ultimo is None else quieto)
        esperar(callado, 20)
        return DICHO.findall(self.orca.leer(desde))

    # Presses the keys and returns what Orca said, joined with " | ". Orca's
    # review commands (the keypad) and the letters typed through GNOME's
    # keyboard each wait for Orca to answer the one before: a press that comes
    # while Orca still reads may be dropped.
    def pulsar(self, teclas):
        desde = self.orca.tamano()
        for tecla in teclas:
            antes = self.orca.tamano()
            self.escritorio.pulsar(tecla)
            if tecla.startswith("KP_") or isinstance(self.escritorio, EscritorioGnome) and tecla.startswith("type:"):
                esperar(lambda: "SPEECH OUTPUT" in self.orca.leer(antes), 1)
        return " | ".join(self.esperar_silencio(desde))


if __name__ == "__main__":
    argumentos = sys.argv[1:]
    despues = bool(argumentos) and argumentos[0] == "--despues"
    argumentos = argumentos[despues:]
    if not argumentos:
        uso(__file__)
    orca = Orca()
    try:
        with Oyente(os.path.abspath(argumentos[0]), orca, despues) as oyente:
            print(f"0\tal abrir\t{oyente.al_abrir}")
            for numero, paso in enumerate(argumentos[1:], 1):
                print(f"{numero}\t{paso}\t{oyente.pulsar(paso.split())}")
    except RuntimeError as fallo:
        sys.exit(f"oir_orca: {fallo}")
    finally:
        orca.parar()

# What the Orca screen reader says for a program, step by step: the program
# started as its desktop session starts programs, Orca started as a user
# starts it, before the program or after its window shows, each step's keys
# pressed as from the keyboard, and what Orca hands to speech read from its
# debug log. The Orca tests (con_orca.py) hear the programs through it.
import os
import re
import shutil
import subprocess
import time

from comprobaciones import esperar
from ventanas import X11

AQUI = os.path.dirname(os.path.abspath(__file__))
# Orca's debug log: what it hands to speech, and a window of the program
# becoming active (Orca 43, then 48).
DICHO = re.compile(r" - SPEECH OUTPUT: '(.*?)' ?(?:\{|\[\{|$)", re.M)
ACTIVA = r"window:activate .*(?:from \[application \| {0}\]| in {0} \()"
# Lines Orca's timers write on their own (Orca 48), not a reaction.
RUIDO = re.compile(r"Clearing (?:local )?cache\.$")


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
        voz = os.path.expanduser("~/.config/speech-dispatcher")
        if not os.path.isdir(voz):
            # Without a sound server the stock output stops answering and Orca
            # falls silent; ALSA's null device takes whatever it says.
            shutil.copytree("/etc/speech-dispatcher", voz)
            with open(os.path.join(voz, "speechd.conf"), "a", encoding="utf-8") as conf:
                conf.write('AudioOutputMethod "alsa"\n')
            with open(os.path.expanduser("~/.asoundrc"), "w", encoding="utf-8") as conf:
                conf.write("pcm.!default { type null }\n")
        open(self.registro, "w").close()
        with open(self.registro + ".salida", "w") as salida:
            # A session of its own: Orca's check for another Orca looks there.
            self.proceso = subprocess.Popen(["orca", "--user-prefs", preferencias, "--debug-file", self.registro],
                                            stdout=salida, stderr=subprocess.STDOUT, start_new_session=True)
        if not esperar(lambda: "SPEECH OUTPUT" in self.leer() or not self.hablando(), 60) or not self.hablando():
            with open(self.registro + ".salida", encoding="utf-8", errors="replace") as salida:
                raise RuntimeError(f"Orca no habla:\n{salida.read()}\n{self.leer()[-2000:]}")

    def parar(self):
        if self.hablando():
            self.proceso.terminate()
            try:
                self.proceso.wait(5)
            except subprocess.TimeoutExpired:
                self.proceso.kill()  # Orca may hang while it closes

    def leer(self, desde=0):
        with open(self.registro, encoding="utf-8", errors="replace") as archivo:
            archivo.seek(desde)
            return archivo.read()

    def tamano(self):
        return os.path.getsize(self.registro) if os.path.exists(self.registro) else 0


class Oyente:
    """The program, started and heard until closed; a context manager. The
    desktop (ventanas.py) starts it and gives it its keys."""

    def __init__(self, programa, orca, despues=False, escritorio=None, hasta=None):
        self.orca, self.escritorio, self.nombre = orca, escritorio or X11(), os.path.basename(programa)
        if despues:
            orca.parar()
        elif not orca.hablando():
            orca.arrancar()
        desde = orca.tamano()
        if not despues:
            self.esperar_silencio(desde)
            desde = orca.tamano()
        self.programa = self.escritorio.lanzar(programa)
        if despues:
            if not esperar(lambda: self.escritorio.mostrada(self.programa), 30):
                self.cerrar()
                raise RuntimeError(f"la ventana de {self.nombre} no se muestra")
            orca.arrancar()
            desde = 0  # Orca begins its log anew
        elif not esperar(lambda: re.search(ACTIVA.format(re.escape(self.nombre)), orca.leer(desde)), 30):
            # A machine under load may map the window before it can be made
            # active; the user would click it.
            self.escritorio.activar(self.programa)
            if not esperar(lambda: re.search(ACTIVA.format(re.escape(self.nombre)), orca.leer(desde)), 30):
                self.cerrar()
                raise RuntimeError(f"la ventana de {self.nombre} no llega a Orca")
        self.al_abrir = " | ".join(self.esperar_silencio(desde, hasta))

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.cerrar()

    def cerrar(self):
        self.programa.terminate()
        self.programa.wait(10)

    # Waits for Orca to say what hasta() looks for in its speech (up to 15
    # seconds: a window coming back after a message box can be slow), or to
    # react at all (up to `arranque` seconds), then for a second in which it
    # logs nothing of its own; what it said meanwhile.
    def esperar_silencio(self, desde, hasta=None, arranque=3.0, quieto=1.0):
        if hasta:
            esperar(lambda: hasta(" | ".join(DICHO.findall(self.orca.leer(desde)))), 15)
        leido, ultimo = desde, None
        inicio = time.monotonic()

        def callado():
            nonlocal leido, ultimo
            nuevo = self.orca.leer(leido)
            leido += len(nuevo.encode())
            if any(linea and not RUIDO.search(linea) for linea in nuevo.splitlines()):
                ultimo = time.monotonic()
            return time.monotonic() - (ultimo or inicio) >= (quieto if ultimo else arranque)
        esperar(callado, 20)
        return DICHO.findall(self.orca.leer(desde))

    # Presses the keys, a typed text letter by letter, and returns what Orca
    # said, joined with " | ". A press that comes while Orca still answers
    # the one before may be dropped or passed to the program (a letter
    # through GNOME's keyboard; its review commands, the keypad, while it
    # reads a line): each waits for Orca's answer, a review command for Orca
    # to fall quiet.
    def pulsar(self, teclas, hasta=None):
        desde = self.orca.tamano()
        for tecla in teclas:
            for una in [f"type:{letra}" for letra in tecla[5:]] if tecla.startswith("type:") else [tecla]:
                antes = self.orca.tamano()
                self.escritorio.pulsar(una)
                if una.startswith("KP_"):
                    self.esperar_silencio(antes, arranque=1.0, quieto=0.3)
                else:
                    esperar(lambda: "SPEECH OUTPUT" in self.orca.leer(antes), 1)
        return " | ".join(self.esperar_silencio(desde, hasta))


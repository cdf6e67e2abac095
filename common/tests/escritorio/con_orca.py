#!/usr/bin/python3
# What a blind user hears from a calculator, through the real Orca screen
# reader: keys go to the program as from the keyboard, and what Orca hands
# to speech is read from its debug log, step by step.
#
#     tools/con-pantalla-virtual dbus-run-session -- con_orca.py PROGRAM
#
# Orca, its speech server and the program run in a private home and runtime
# folder, speaking into ALSA's null device: nothing is heard aloud and a
# screen reader the user runs is left alone.
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

# Per program, its steps: the keys of one step (xdotool key names, or
# "type:TEXT"), then what Orca must say and, after "!", what it must not.
# What Orca says in a step is joined with " | ". Orca 43 and 48 differ in
# wording ("push button" or "button", a slider's percentage, "1.0" or "1"
# for a whole number), not in these. Flat review takes the keypad keys as
# they are with Num Lock off (KP_Up reads the line, KP_Home the one above,
# KP_Prior the one below).
PASOS = {
    "filtros": [
        (["Tab"], [r"Resistencia R en kiloohmios slider 1(\.0)?\b"]),
        (["Up"], [r"\| R_TRAS_UN_PASO \|", r"14\.469 KHz"]),
        # A burst of presses ends with the last result: R = 1.4 kΩ.
        (["Up", "Up", "Up"], [r"11\.368 KHz\.? \|$"]),
        (["Tab"], [r"Capacidad C en microfaradios slider 0\.01\b"]),
        (["Tab"], [r"Valor de R en kiloohmios read only text\. \| 1\.4\. \|$", r"!selected"]),
        (["Tab", "Tab"], [r"Filtro Pasa Bajos"]),
        # The high-pass cut-off equals the low-pass one, and is told again.
        (["Down"], [r"Filtro Pasa Altos", r"11\.368 KHz"]),
        (["Tab"], [r"Unidad de la capacidad"]),
        (["Down"], [r"C 0\.01 nF, 11\.368 MHz"]),
        (["Tab"], [r"Frecuencia de corte en MHz read only text\. \| 11\.368\. \|$"]),
        (["KP_Up"] + ["KP_Prior"] * 6, [r"Vo igual a Vi por, abre paréntesis, uno más Rf entre Ra, cierra paréntesis",
                        r"Fc igual a uno entre dos pi R C", r"!Vo =|\bRf \| Ra\b"]),
    ],
    "velorna": [
        (["type:1", "Tab", "Tab", "type:1"], [r"Inductancia text"]),
        (["Return"], [r"Frecuencia 159\.155 KHz"]),
        (["Tab", "Tab", "Tab"], [r"Calcular (push )?button"]),
        (["space"], [r"Frecuencia 159\.155 KHz"]),
        (["KP_Up"] + ["KP_Home"] * 10, [r"F igual a uno entre el producto de dos pi por la raíz cuadrada de C por L",
                                  r"!F =|2 π"]),
        (["shift+Tab", "shift+Tab", "shift+Tab", "type:x", "Return"],
         [r"Atencion\. \| Revise el valor\. No Deben existir valores en 0, ni decimales mal escritos", r"Aceptar"]),
        (["Return"], [r"Inductancia text"]),
    ],
    "mirvesta": [
        (["Tab"], [r"Longitud de la bobina en centímetros slider 0(\.0)?\b"]),
        (["Up"], [r"\| 0\.1 \|", r"0\.0013 µH"]),
        (["Tab"], [r"Número de espiras read only text\. \| 1\. \|$"]),
        (["Tab"], [r"Número de espiras slider 1\b"]),
        (["Page_Up"], [r"\| 6 \|", r"0\.0459 µH"]),
        (["Tab", "Tab"], [r"Radio de una espira en dieciseisavos de pulgada slider 1\b"]),
        (["Up"], [r"\| 2 \|", r"0\.1552 µH"]),
        (["KP_Up"] + ["KP_Home"] * 10, [r"L igual a R al cuadrado por n al cuadrado, dividido entre nueve R más veinticinco l",
                         r"!R   x   n|9R \+ 25 l"]),
    ],
}

# Orca 48 says a slider's value of 1 or more as a whole number unless the
# program gives the value's text, which only a build against Qt 6.8 or later
# can: the Debian 12 package on Debian 13 is heard "1" for R = 1.1 kΩ.
def r_tras_un_paso(programa, entorno):
    qt = re.search(r"\(Qt_6\.(\d+)\)\s+qt_version_tag", subprocess.run(
        ["objdump", "-T", programa], capture_output=True, text=True).stdout)
    orca = subprocess.run(["/usr/bin/python3", "-c", "from orca import orca_platform; print(orca_platform.version)"],
                          env=entorno, capture_output=True, text=True).stdout
    return r"1\.1" if orca.startswith("43") or (qt and int(qt.group(1)) >= 8) else "1"


# Orca's debug log: what it hands to speech, and a window of the program
# becoming active (Orca 43, then 48).
DICHO = re.compile(r" - SPEECH OUTPUT: '(.*?)' ?(?:\{|\[\{|$)", re.M)
ACTIVA = r"window:activate .*(?:from \[application \| {0}\]| in {0} \()"
# Lines Orca's timers write on their own (Orca 48), not a reaction.
RUIDO = re.compile(r"Clearing (?:local )?cache\.$")

# Runs the installed Orca unchanged but for two things: its debug log is
# written line by line (it is read while Orca runs), and its check for
# another Orca of the same user looks only in this session.
LANZADOR = """
import builtins, os, runpy, subprocess, sys
registro = sys.argv[sys.argv.index("--debug-file") + 1]
abrir = builtins.open
builtins.open = lambda f, m="r", *a, **k: abrir(f, m, 1) if f == registro else abrir(f, m, *a, **k)
popen = subprocess.Popen
class Popen(popen):
    def __init__(self, orden, *a, **k):
        if isinstance(orden, str) and orden.startswith("pgrep -u "):
            orden = orden.replace(" -x orca", f" -s {os.getsid(0)} -x orca")
        super().__init__(orden, *a, **k)
subprocess.Popen = Popen
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""


class Registro:
    def __init__(self, ruta):
        self.ruta = ruta

    def leer(self, desde=0):
        try:
            with open(self.ruta, encoding="utf-8", errors="replace") as archivo:
                archivo.seek(desde)
                return archivo.read()
        except FileNotFoundError:
            return ""

    def tamano(self):
        return os.path.getsize(self.ruta) if os.path.exists(self.ruta) else 0

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


# Whether the condition came true in time; the test ends if `que` is given.
def esperar(condicion, segundos, que=None):
    fin = time.monotonic() + segundos
    while not condicion():
        if time.monotonic() > fin:
            if que:
                sys.exit(f"FALLO: no llega {que}")
            return False
        time.sleep(0.1)
    return True


def entorno_privado(carpeta):
    casa = os.path.join(carpeta, "casa")
    entorno = dict(os.environ, HOME=casa, XDG_CONFIG_HOME=f"{casa}/.config", XDG_DATA_HOME=f"{casa}/.local/share",
                   XDG_CACHE_HOME=f"{casa}/.cache", XDG_RUNTIME_DIR=os.path.join(carpeta, "run"), LC_ALL="C.UTF-8")
    for variable in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "LANGUAGE"):
        entorno.pop(variable, None)
    os.makedirs(entorno["XDG_RUNTIME_DIR"], mode=0o700)
    # Speech into ALSA's null device: without a sound server the stock
    # output stops answering and Orca falls silent.
    shutil.copytree("/etc/speech-dispatcher", f"{casa}/.config/speech-dispatcher")
    with open(f"{casa}/.config/speech-dispatcher/speechd.conf", "a") as conf:
        conf.write('\nAudioOutputMethod "alsa"\n')
    with open(f"{casa}/.asoundrc", "w") as alsa:
        alsa.write("pcm.!default { type null }\n")
    return entorno


def con_orca(programa, carpeta):
    entorno = entorno_privado(carpeta)
    procesos = []

    def lanzar(*orden, **extra):
        procesos.append(subprocess.Popen(orden, env=dict(entorno, **extra), stdin=subprocess.DEVNULL,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                         start_new_session=True))
        return procesos[-1]

    try:
        # The window manager gives the window the keyboard focus, and Orca
        # follows the window it activates: it must run before the program.
        lanzar("openbox", "--sm-disable")
        esperar(lambda: "window id" in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=entorno,
                                                      capture_output=True, text=True).stdout, 30, "openbox")
        registro = Registro(os.path.join(carpeta, "orca.log"))
        orca = lanzar("/usr/bin/python3", "-c", LANZADOR, "--debug-file", registro.ruta)
        esperar(lambda: "SPEECH OUTPUT" in registro.leer() or orca.poll() is not None, 60, "la voz de Orca")
        registro.esperar_silencio(0)
        desde = registro.tamano()
        calculadora = lanzar(programa, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        nombre = os.path.basename(programa)

        def activa():
            return re.search(ACTIVA.format(re.escape(nombre)), registro.leer(desde))
        if not esperar(activa, 30):
            # A machine under load may map the window before it can be made
            # active; the user would click it.
            subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(calculadora.pid),
                            "windowactivate"], env=entorno, check=False)
        esperar(activa, 30, f"la ventana de {nombre} a Orca")
        print("0\tal abrir\t" + " | ".join(registro.esperar_silencio(desde)))
        r = r_tras_un_paso(programa, entorno)
        return [escuchar(registro, entorno, paso, teclas, [patron.replace("R_TRAS_UN_PASO", r) for patron in esperado])
                for paso, (teclas, esperado) in enumerate(PASOS[nombre], 1)]
    finally:
        for proceso in reversed(procesos):
            try:
                os.killpg(proceso.pid, 15)
                proceso.wait(5)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                pass
        # The speech server Orca started leaves the session; it is ours, by
        # its pid file in the private runtime folder.
        try:
            with open(f"{entorno['XDG_RUNTIME_DIR']}/speech-dispatcher/pid/speech-dispatcher.pid") as pid:
                os.kill(int(pid.read().split()[0]), 15)
        except (OSError, ValueError, IndexError):
            pass


# Presses one step's keys and checks what Orca says; its failures.
def escuchar(registro, entorno, paso, teclas, esperado):
    desde = registro.tamano()
    for tecla in teclas:
        orden = ["type", "--delay", "100", tecla[5:]] if tecla.startswith("type:") else ["key", tecla]
        subprocess.run(["xdotool", *orden], env=entorno, check=True)
    dicho = " | ".join(registro.esperar_silencio(desde))
    print(f"{paso}\t{' '.join(teclas)}\t{dicho}")
    # Each utterance between bars, the first and the last too.
    return [f"paso {paso} ({' '.join(teclas)}): {'dice' if patron[0] == '!' else 'no dice'} /{patron.lstrip('!')}/"
            for patron in esperado if bool(re.search(patron.lstrip("!"), f"| {dicho} |")) == (patron[0] == "!")]


if __name__ == "__main__":
    with tempfile.TemporaryDirectory(prefix="con-orca.", ignore_cleanup_errors=True) as carpeta:
        fallos = [fallo for fallos_del_paso in con_orca(os.path.abspath(sys.argv[1]), carpeta)
                  for fallo in fallos_del_paso]
    for fallo in fallos:
        print("FALLO:", fallo)
    sys.exit(1 if fallos else 0)

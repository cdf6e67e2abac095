# What a desktop shell knows of its windows, asked of the shell itself over
# the session bus, and keys and clicks given as its own devices give them:
# the desktop tests' view of X11, GNOME Shell and KWin.
import json
import os
import subprocess

import gi
from comprobaciones import esperar

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

def llamar(destino, objeto, interfaz, metodo, argumentos=None):
    return Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(destino, objeto, interfaz, metodo, argumentos, None, 0,
                                                           10000, None).unpack()


# An X session: programs started as its children, found by xdotool, keys
# given through XTEST (xdotool key names, or "type:TEXT").
class X11:
    def lanzar(self, programa, **entorno):
        return subprocess.Popen([programa], env=dict(os.environ, **entorno), stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def mostrada(self, proceso):
        return subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(proceso.pid)],
                              capture_output=True, text=True).stdout.split()[:1]

    def activar(self, proceso):
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(proceso.pid), "windowactivate"])

    def pulsar(self, tecla):
        orden = ["type", tecla[5:]] if tecla.startswith("type:") else ["key", tecla]
        subprocess.run(["xdotool", *orden], check=True)


# GNOME Shell, through its Eval method (tests/sesion -g opens it); programs
# started with the session's environment (and a platform the user may have
# chosen), keys from the shell's own virtual keyboard, by xdotool's names.
class Gnome:
    VENTANAS = """(() => {
        const tracker = imports.gi.Shell.WindowTracker.get_default();
        const normales = global.get_window_actors().filter(
            actor => actor.meta_window.get_window_type() === imports.gi.Meta.WindowType.NORMAL);
        return normales.map(actor => {
            const w = actor.meta_window;
            const app = tracker.get_window_app(w);
            const f = w.get_frame_rect();
            const a = w.get_work_area_current_monitor();
            const icono = app && app.app_info ? app.app_info.get_icon() : null;
            return {app: app ? app.get_id() : null, titulo: w.get_title(), nombre: app ? app.get_name() : null,
                    icono: icono ? icono.to_string() : null,
                    marco: [f.x, f.y, f.width, f.height], area: [a.x, a.y, a.width, a.height],
                    maximizable: w.can_maximize(), maximizada: w.get_maximized(), completa: w.is_fullscreen(),
                    // GNOME 48 tells only whether it frames the window itself.
                    decorada_por_el_programa: w.is_client_decorated ? w.is_client_decorated() : !w.decorated,
                    x11: w.get_client_type() === 1, pid: w.get_pid(), enfocada: w.has_focus()};
        });
    })()"""
    # Keys pressed in order and released in reverse. One
    # keyboard for the session, made as the shell is first asked: a key sent
    # at once through a keyboard just made may reach no window.
    TECLADO = """(() => {
        global._teclado_de_prueba ||= imports.gi.Clutter.get_default_backend().get_default_seat()
            .create_virtual_device(imports.gi.Clutter.InputDeviceType.KEYBOARD_DEVICE);
        return true;
    })()"""
    TECLAS = """(() => {
        const Clutter = imports.gi.Clutter, GLib = imports.gi.GLib;
        const teclado = global._teclado_de_prueba;
        const teclas = %s;
        for (const tecla of teclas)
            teclado.notify_keyval(GLib.get_monotonic_time(), Clutter[tecla], Clutter.KeyState.PRESSED);
        for (const tecla of teclas.reverse())
            teclado.notify_keyval(GLib.get_monotonic_time(), Clutter[tecla], Clutter.KeyState.RELEASED);
        return true;
    })()"""
    MODIFICADORES = {"shift": "Shift_L", "ctrl": "Control_L", "alt": "Alt_L", "super": "Super_L"}
    SIGNOS = {".": "period", ",": "comma", " ": "space", "-": "minus"}

    def __init__(self, plataforma=None):
        self.evaluar(self.TECLADO)
        self.plataforma = plataforma

    def lanzar(self, programa):
        return subprocess.Popen([programa], env=dict(os.environ, **({"QT_QPA_PLATFORM": self.plataforma}
                                                                   if self.plataforma else {})),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def mostrada(self, proceso):
        return any(ventana["pid"] == proceso.pid for ventana in self.ventanas())

    def activar(self, proceso):
        pass  # GNOME makes a new window active itself

    def pulsar(self, tecla):
        if tecla.startswith("type:"):
            self.teclas(*(self.SIGNOS.get(letra, letra) for letra in tecla[5:]))
        else:
            self.teclas(*(self.MODIFICADORES.get(parte, parte) for parte in tecla.split("+")))

    def evaluar(self, expresion):
        correcto, resultado = llamar("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell", "Eval",
                                     GLib.Variant("(s)", (expresion,)))
        if not correcto:
            raise RuntimeError(f"Eval: {resultado}")
        return json.loads(resultado) if resultado else None

    def ventanas(self):
        return self.evaluar(self.VENTANAS)

    def ventana(self, aplicacion):
        return next((v for v in self.ventanas() if v["app"] == aplicacion), None)

    # Starts the application of a menu entry as the shell's launcher does.
    def abrir_entrada(self, aplicacion):
        return self.evaluar(f"""(() => {{
            const app = imports.gi.Shell.AppSystem.get_default().lookup_app({json.dumps(aplicacion)});
            if (!app) return false;
            app.launch(0, -1, imports.gi.Shell.AppLaunchGpu.DEFAULT);
            return true;
        }})()""")

    def teclas(self, *nombres):
        self.evaluar(self.TECLAS % json.dumps([f"KEY_{nombre}" for nombre in nombres]))

    # Asks the window of the process to close, as its close button does.
    def cerrar(self, pid):
        self.evaluar(f"(() => {{ for (const a of global.get_window_actors()) if (a.meta_window.get_pid() === {pid})"
                     " a.meta_window.delete(global.get_current_time()); return true; })()")


# KWin, through scripts it runs (tests/sesion -k keeps what they print).
class KWin:
    # KWin 5 lists its windows with clientList(), KWin 6 with windowList().
    VENTANAS = """
    const lista = workspace.windowList ? workspace.windowList() : workspace.clientList();
    print("VENTANAS " + JSON.stringify(lista.filter(w => w.normalWindow).map(w => ({
        titulo: w.caption, entrada: w.desktopFileName, pid: w.pid,
        marco: [w.frameGeometry.x, w.frameGeometry.y, w.frameGeometry.width, w.frameGeometry.height],
        maximizable: w.maximizable, sin_marco: w.noBorder,
        area: (a => [a.x, a.y, a.width, a.height])(workspace.clientArea(KWin.MaximizeArea, w))}))));
    """

    def __init__(self):
        self.registro = os.environ["KWIN_REGISTRO"]
        self.guion = os.path.join(os.environ["XDG_RUNTIME_DIR"], "ventanas.js")
        with open(self.guion, "w", encoding="utf-8") as archivo:
            archivo.write(self.VENTANAS)
        self.lecturas = 0

    def ventanas(self):
        self.lecturas += 1
        nombre = f"ventanas{self.lecturas}"
        (numero,) = llamar("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting", "loadScript",
                           GLib.Variant("(ss)", (self.guion, nombre)))
        for objeto in f"/Scripting/Script{numero}", f"/{numero}":  # KWin 6, KWin 5
            try:
                llamar("org.kde.KWin", objeto, "org.kde.kwin.Script", "run")
                break
            except GLib.Error:
                continue
        llamar("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting", "unloadScript", GLib.Variant("(s)", (nombre,)))

        def impresas():
            with open(self.registro, encoding="utf-8", errors="replace") as archivo:
                lineas = [linea for linea in archivo if "VENTANAS " in linea]
            return lineas[self.lecturas - 1] if len(lineas) >= self.lecturas else None
        impresa = esperar(impresas, 5)
        return json.loads(impresa.split("VENTANAS ", 1)[1]) if impresa else []

    # Runs one of KWin's global shortcuts ("Window Maximize"...).
    def atajo(self, nombre):
        llamar("org.kde.kglobalaccel", "/component/kwin", "org.kde.kglobalaccel.Component", "invokeShortcut",
               GLib.Variant("(s)", (nombre,)))

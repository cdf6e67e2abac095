#!/usr/bin/python3
# What a blind user hears from a calculator, through the real Orca screen
# reader (heard by tools/oir_orca.py): per program, a table of steps, each
# with what Orca must say and what it must not; first with Orca on before the
# program opens, then with Orca turned on after it (a short table).
#
#     tools/con-pantalla-virtual dbus-run-session -- tools/con-orca con_orca.py PROGRAM
#
# Inside GNOME (Orca's session as the shell's, the programs installed in
# PREFIX/bin), the three in turn, each in its own way: filtros opened before
# Orca on Wayland, where the user has set QT_QPA_PLATFORM=wayland, velorna
# opened before Orca and mirvesta after it, both through Xwayland as the
# programs choose:
#
#     tools/con-gnome-shell -i PREFIX con_orca.py --gnome ~/.local
import collections
import os
import re
import sys

from en_el_escritorio import salida

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools"))
from oir_orca import EscritorioGnome, Orca, Oyente  # noqa: E402

# One step: its keys (xdotool key names, or "type:TEXT"), the patterns of
# what Orca must say and of what it must not. What Orca says in a step is
# joined with " | ", and stands between bars: "| first | ... | last |".
Paso = collections.namedtuple("Paso", "teclas dice no_dice", defaults=[()])

# Orca 48 says a slider's value of 1 or more as a whole number unless the
# program gives the value's text, which only a build against Qt 6.8 or later
# can: the Debian 12 package on Debian 13 is heard "1" for R = 1.1 kΩ.
def r_tras_un_paso(programa):
    qt = re.search(r"\(Qt_6\.(\d+)\)\s+qt_version_tag", salida("objdump", "-T", programa))
    orca = salida("/usr/bin/python3", "-c", "from orca import orca_platform; print(orca_platform.version)")
    return r"1\.1" if orca.startswith("43") or (qt and int(qt.group(1)) >= 8) else "1"


# Per program, its steps. Orca 43 and 48 differ in wording ("push button"
# or "button", a slider's percentage, "1.0" or "1" for a whole number), not
# in these. Flat review takes the keypad keys as they are with Num Lock off
# (KP_Up reads the line, KP_Home the one above, KP_Prior the one below). What
# a step of R in filtros says depends on the program and the Orca that hears
# it. Noise no step may make: Qt's own selection told as the focus moves.
RUIDO = r"unselected|Selection deleted|\| [unp]F \| selected"
# A unit said on its own twice in one step.
DOS_VECES = r"\| ([unp]F|µH|MHz)\.? \|.*\| \1\.? \|"
AVISO = r"Atencion\.? \| Revise el valor\. No Deben existir valores en 0, ni decimales mal escritos"


def pasos_de(programa):
    r = r_tras_un_paso(programa)
    return {
        "filtros": [
            Paso(["Tab"], [r"Resistencia R en kiloohmios slider 1(\.0)?\b"]),
            Paso(["Up"], [rf"\| {r} \|", r"14\.469 KHz"]),
            # A burst of presses ends with the last result: R = 1.4 kΩ.
            Paso(["Up", "Up", "Up"], [r"11\.368 KHz\.? \|$"]),
            Paso(["Tab"], [r"Capacidad C en microfaradios slider 0\.01\b"]),
            Paso(["Tab"], [r"Valor de R en kiloohmios read only text\. \| 1\.4\. \|$"], [r"selected"]),
            Paso(["Tab", "Tab"], [r"Filtro Pasa Bajos"]),
            # The high-pass cut-off equals the low-pass one, and is told again.
            Paso(["Down"], [r"Filtro Pasa Altos", r"11\.368 KHz"]),
            Paso(["Tab"], [r"Unidad de la capacidad editable combo box"], [RUIDO]),
            Paso(["Down"], [r"\| nF \|", r"C 0\.01 nF, 11\.368 MHz"], [RUIDO, DOS_VECES]),
            # The unit picked in the open list, said once as the focus comes back.
            Paso(["alt+Down"], [r"List with 3 items|\| nF\. \|$"], [RUIDO]),  # Orca 48 says the item
            Paso(["Down"], [r"\| pF\.? \|"]),
            Paso(["Return"], [r"combo box\.? \|? ?pF\.", r"C 0\.01 pF, 11368\.213 MHz"], [RUIDO, DOS_VECES]),
            Paso(["Tab"], [r"Frecuencia de corte en MHz read only text\. \| 11368\.213\. \|$"], [RUIDO]),
            # Flat review: the unit list and the read-outs above, the sliders
            # (name and value) and the formulas below.
            Paso(["KP_Up"] + ["KP_Home"] * 5, [r"\| R +\(K\) C pF \|", r"\| 1\.4 0\.01 \|"]),
            Paso(["KP_Prior"] * 10, [r"Resistencia R en kiloohmios 1\.4 Capacidad C en picofaradios 0\.01",
                                    r"Vo igual a Vi por, abre paréntesis, uno más Rf entre Ra, cierra paréntesis",
                                    r"Fc igual a uno entre dos pi R C"],
                 [r"Vo =|\bRf \| Ra\b|percent"]),
        ],
        "velorna": [
            Paso(["type:1", "Tab", "Tab", "type:1"], [r"Inductancia text"], [RUIDO]),
            Paso(["Return"], [r"Frecuencia 159\.155 KHz"]),
            Paso(["Tab", "Tab", "Tab"], [r"Calcular (push )?button"], [RUIDO]),
            Paso(["space"], [r"Frecuencia 159\.155 KHz"]),
            Paso(["KP_Up"] + ["KP_Home"] * 10, [r"F igual a uno entre el producto de dos pi por la raíz cuadrada de C por L",
                                                r"Capacitancia: 1 µF", r"Inductancia: 1 µH"],
                 [r"F =|2 π"]),
            # Choosing what to compute: what the entries now ask for, once.
            Paso(["shift+Tab"], [r"Frequencia"]),
            Paso(["Down"], [r"Capacitancia", r"Frecuencia en MHz, Inductancia en µH"], [DOS_VECES]),
            Paso(["Up"], [r"Capacitancia en µF, Inductancia en µH"]),
            # A refused value, read whole where the focus stays.
            Paso(["shift+Tab"] * 4, [r"Capacitancia text"], [RUIDO]),
            Paso(["ctrl+a", "type:abc", "Return"], [AVISO, r"Aceptar"]),
            Paso(["Return"], [r"Capacitancia text\.? \|? ?abc\. \|$"]),
            Paso(["ctrl+a", "type:0", "Return"], [AVISO]),
            Paso(["Return"], [r"Capacitancia text\.? \|? ?0\. \|$"]),
        ],
        "mirvesta": [
            Paso(["Tab"], [r"Longitud de la bobina en centímetros slider 0(\.0)?\b"]),
            Paso(["Up"], [r"\| 0\.1 \|", r"0\.0013 µH"]),
            Paso(["Tab"], [r"Número de espiras read only text\. \| 1\. \|$"]),
            Paso(["Tab"], [r"Número de espiras slider 1\b"]),
            Paso(["Page_Up"], [r"\| 6 \|", r"0\.0459 µH"]),
            Paso(["Tab", "Tab"], [r"Radio de una espira en dieciseisavos de pulgada slider 1\b"]),
            Paso(["Up"], [r"\| 2 \|", r"0\.1552 µH"]),
            Paso(["KP_Up"] + ["KP_Home"] * 10, [r"L igual a R al cuadrado por n al cuadrado, dividido entre nueve R más veinticinco l",
                                                r"Longitud de la bobina en centímetros 0\.1"],
                 [r"R   x   n|9R \+ 25 l|percent"]),
        ],
    }

# Per program, what is heard when Orca comes after the program opened.
LLEGANDO_DESPUES = {
    "filtros": [Paso(["Tab"], [r"Resistencia R en kiloohmios slider"]), Paso(["Up"], [r"14\.469 KHz"])],
    "velorna": [Paso(["type:1", "Tab", "Tab", "type:1"], [r"Inductancia text"]),
                Paso(["Return"], [r"Frecuencia 159\.155 KHz"])],
    "mirvesta": [Paso(["Tab"], [r"Longitud de la bobina en centímetros slider"]), Paso(["Up"], [r"0\.0013 µH"])],
}


# Per program, the control where the focus is as its window opens, heard
# first by an Orca already on or just turned on.
AL_ABRIR = {"filtros": r"Salir (push )?button", "velorna": r"Capacitancia text",
            "mirvesta": r"Longitud de la bobina en centímetros read only text"}


def oir(programa, pasos, **como):
    with Oyente(programa, **como) as oyente:
        print(f"0\tal abrir\t{oyente.al_abrir}", flush=True)
        al_abrir = AL_ABRIR[oyente.nombre]
        return ([[f"paso 0 (al abrir): no dice /{al_abrir}/"]] * (not re.search(al_abrir, oyente.al_abrir)) +
                [escuchar(oyente, numero, paso) for numero, paso in enumerate(pasos, 1)])


def con_orca(programa):
    nombre = os.path.basename(programa)
    print("== Orca antes que el programa")
    primero = oir(programa, pasos_de(programa)[nombre])
    print("== Orca encendido después")
    return primero + oir(programa, LLEGANDO_DESPUES[nombre], despues=True)


def en_gnome(prefijo):
    fallos = []
    # Orca, once on, leaves the bus's status "enabled" for the rest of the
    # session: the first program opens in a session that has not had it.
    for nombre, despues, plataforma in [("filtros", True, "wayland"), ("velorna", True, None),
                                        ("mirvesta", False, None)]:
        print(f"== {nombre}, Orca {'encendido después' if despues else 'antes'}, {plataforma or 'xcb'}")
        fallos += oir(os.path.join(prefijo, "bin", nombre), LLEGANDO_DESPUES[nombre], despues=despues,
                      escritorio=EscritorioGnome(plataforma))
    Orca().parar()
    return fallos


# Presses one step's keys and checks what Orca says; its failures.
def escuchar(oyente, numero, paso):
    dicho = oyente.pulsar(paso.teclas)
    teclas = " ".join(paso.teclas)
    print(f"{numero}\t{teclas}\t{dicho}")
    entre_barras = f"| {dicho} |"
    return ([f"paso {numero} ({teclas}): no dice /{patron}/" for patron in paso.dice
             if not re.search(patron, entre_barras)] +
            [f"paso {numero} ({teclas}): dice /{patron}/" for patron in paso.no_dice
             if re.search(patron, entre_barras)])


if __name__ == "__main__":
    pasos = en_gnome(os.path.expanduser(sys.argv[2])) if sys.argv[1] == "--gnome" else con_orca(os.path.abspath(sys.argv[1]))
    fallos = [fallo for fallos_del_paso in pasos for fallo in fallos_del_paso]
    for fallo in fallos:
        print("FALLO:", fallo)
    sys.exit(1 if fallos else 0)

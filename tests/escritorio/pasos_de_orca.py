# The words of the programs' Orca tables (PROGRAM/tests/orca.py), which
# con_orca.py plays through oir_orca.py.
#
# A table gives AL_ABRIR, the control heard first as the window opens,
# pasos(programa), the steps heard with Orca on before the program, and
# LLEGANDO_DESPUES, those heard with Orca turned on after it. One step: its
# keys (xdotool key names, or "type:TEXT"), the patterns of what Orca must
# say and of what it must not. What Orca says in a step is joined with " | "
# and stands between bars: "| first | ... | last |". Orca 43 and 48 differ in
# wording ("push button" or "button", a slider's percentage, "1.0" or "1" for
# a whole number), not in these. Flat review takes the keypad keys as they
# are with Num Lock off (KP_Up reads the line, KP_Home the one above,
# KP_Prior the one below).
import collections
import re
import subprocess

Paso = collections.namedtuple("Paso", "teclas dice no_dice", defaults=[()])

# Noise no step may make: Qt's own selection told as the focus moves.
RUIDO = r"unselected|Selection deleted|\| [unp]F \| selected"
# A unit said on its own twice in one step.
DOS_VECES = r"\| ([unp]F|µH|MHz)\.? \|.*\| \1\.? \|"


# How Orca says a slider value of 1.1: Orca 48 says a value of 1 or more as a
# whole number unless the program gives the value's text, which only a build
# against Qt 6.8 or later can (the Debian 12 package on Debian 13 is heard
# "1" for R = 1.1 kΩ).
def uno_coma_uno(programa):
    def salida(*orden):
        return subprocess.run(orden, capture_output=True, text=True).stdout
    qt = re.search(r"\(Qt_6\.(\d+)\)\s+qt_version_tag", salida("objdump", "-T", programa))
    orca = salida("/usr/bin/python3", "-c", "from orca import orca_platform; print(orca_platform.version)")
    return r"1\.1" if orca.startswith("43") or (qt and int(qt.group(1)) >= 8) else "1"

# The words of the programs' Orca tables (PROGRAM/tests/orca.py), which
# con_orca.py plays through oir_orca.py.
#
# A table gives AL_ABRIR, the control heard first as the window opens,
# PASOS, the steps heard with Orca on before the program, and
# LLEGANDO_DESPUES, those heard with Orca turned on after it. One step: its
# keys (xdotool key names, or "type:TEXT"), the patterns of what Orca must
# say and of what it must not. What Orca says in a step is joined with " | "
# and stands between bars: "| first | ... | last |". Orca 43 and 48 differ in
# wording ("push button" or "button", a slider's percentage, "1.0" or "1" for
# a whole number), not in these. Flat review takes the keypad keys as they
# are with Num Lock off (KP_Up reads the line, KP_Home the one above,
# KP_Prior the one below).
import collections

Paso = collections.namedtuple("Paso", "teclas dice no_dice", defaults=[()])

# Noise no step may make: Qt's own selection told as the focus moves.
RUIDO = r"unselected|Selection deleted|\| [unp]F \| selected"
# A unit said on its own twice in one step.
DOS_VECES = r"\| ([unp]F|µH|MHz)\.? \|.*\| \1\.? \|"


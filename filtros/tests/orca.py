# What Orca says in filtros (tests/escritorio/pasos_de_orca.py says how to read it).
from pasos_de_orca import DOS_VECES, RUIDO, Paso

AL_ABRIR = r"Salir (push )?button"


PASOS = [
    Paso(["Tab"], [r"Resistencia R en kiloohmios slider 1(\.0)?\b"]),
    Paso(["Up"], [r"\| 1\.1 \|", r"14\.469 KHz"]),
    # A burst of presses ends with the last result: R = 1.4 kΩ.
    Paso(["Up", "Up", "Up"], [r"11\.368 KHz\.? \|$"]),
    Paso(["Tab", "Tab"], [r"Valor de R en kiloohmios read only text\. \| 1\.4\. \|$"], [r"selected"]),
    # The high-pass cut-off equals the low-pass one, and is told again.
    Paso(["Tab", "Tab", "Down"], [r"Filtro Pasa Altos", r"11\.368 KHz"]),
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
]


LLEGANDO_DESPUES = [Paso(["Tab"], [r"Resistencia R en kiloohmios slider"]), Paso(["Up"], [r"14\.469 KHz"])]

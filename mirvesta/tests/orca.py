# What Orca says in mirvesta (tests/escritorio/pasos_de_orca.py says how to read it).
from pasos_de_orca import Paso

AL_ABRIR = r"Longitud de la bobina en centímetros read only text"


def pasos(_programa):
    return [
        Paso(["Tab"], [r"Longitud de la bobina en centímetros slider 0(\.0)?\b"]),
        Paso(["Up"], [r"\| 0\.1 \|", r"0\.0013 µH"]),
        Paso(["Tab"], [r"Número de espiras read only text\. \| 1\. \|$"]),
        # On the sliders' line, for the flat review.
        Paso(["Tab"], [r"Número de espiras slider 1\b"]),
        Paso(["KP_Up"] + ["KP_Home"] * 10, [r"L igual a R al cuadrado por n al cuadrado, dividido entre nueve R más veinticinco l",
                                            r"Longitud de la bobina en centímetros 0\.1"],
             [r"R   x   n|9R \+ 25 l|percent"]),
    ]


LLEGANDO_DESPUES = [Paso(["Tab"], [r"Longitud de la bobina en centímetros slider"]), Paso(["Up"], [r"0\.0013 µH"])]

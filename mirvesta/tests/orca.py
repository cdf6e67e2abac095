# What Orca says in mirvesta (tests/escritorio/pasos_de_orca.py says how to read it).
from pasos_de_orca import Paso

AL_ABRIR = r"Longitud de la bobina en centímetros read only text"


PASOS = [
    Paso(["Tab"], [r"Longitud de la bobina en centímetros slider 0(\.0)?\b"]),
    Paso(["Up"], [r"\| 0\.1 \|", r"0\.0013 µH"]),
    Paso(["Tab"], [r"Número de espiras read only text\. \| 1\. \|$"]),
    Paso(["Tab"], [r"Número de espiras slider 1\b"]),
]


LLEGANDO_DESPUES = [Paso(["Tab"], [r"Longitud de la bobina en centímetros slider"]), Paso(["Up"], [r"0\.0013 µH"])]

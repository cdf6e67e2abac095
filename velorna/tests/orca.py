# What Orca says in velorna (tests/escritorio/pasos_de_orca.py says how to read it).
from pasos_de_orca import DOS_VECES, RUIDO, Paso

AL_ABRIR = r"Capacitancia text"
AVISO = r"Atencion\.? \| Revise el valor\. No Deben existir valores en 0, ni decimales mal escritos"


PASOS = [
    Paso(["type:1", "Tab", "Tab", "type:1"], [r"Inductancia text"], [RUIDO]),
    Paso(["Return"], [r"Frecuencia 159\.155 KHz"]),
    Paso(["Tab", "Tab", "Tab"], [r"Calcular (push )?button"], [RUIDO]),
    Paso(["space"], [r"Frecuencia 159\.155 KHz"]),
    Paso(["KP_Up"] + ["KP_Home"] * 10, [r"F igual a uno entre el producto de dos pi por la raíz cuadrada de C por L",
                                        r"Capacitancia: 1 µF", r"Inductancia: 1 µH"],
         [r"F =|2 π"]),
    # Choosing what to compute: what the entries now ask for, once.
    Paso(["shift+Tab", "Down"], [r"Capacitancia", r"Frecuencia en MHz, Inductancia en µH"], [DOS_VECES]),
    Paso(["Up"], [r"Capacitancia en µF, Inductancia en µH"]),
    # A refused value, read whole where the focus stays.
    Paso(["shift+Tab"] * 4, [r"Capacitancia text"], [RUIDO]),
    Paso(["ctrl+a", "type:abc", "Return"], [AVISO, r"Aceptar"]),
    Paso(["Return"], [r"Capacitancia text\.? \|? ?abc\. \|$"]),
]


LLEGANDO_DESPUES = [Paso(["type:1", "Tab", "Tab", "type:1"], [r"Inductancia text"]),
                    Paso(["Return"], [r"Frecuencia 159\.155 KHz"])]

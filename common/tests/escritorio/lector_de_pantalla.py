#!/usr/bin/python3
"""Reads a calculator's window as a screen reader and a dock do.

    lector_de_pantalla.py PROGRAM MENU_ENTRY.desktop

Run inside an X display and a D-Bus session (tools/con-pantalla-virtual
dbus-run-session -- ...). Checks the tree: the window is a frame named by its
title, the pictures are images with names, each unit list and its entry carry
their Spanish name, drawn strokes carry none, and a slider says its value in
its unit, also after a key press. In velorna "Calcular" with empty entries
brings up the message box, whose button speaks Spanish. The window's X11
class is the StartupWMClass of the program's menu entry, so that docks and
task bars show the window under the entry's icon.
"""
import subprocess
import sys

from escritorio import Calculadora, Informe, buscar, esperar, nodos

ESPERADO = {
    "filtros": {
        "titulo": "Filtros Activos",
        "imagenes": ["Logotipo de Calculadoras RF", "Esquema del filtro pasa bajos",
                     "Esquema del filtro pasa altos", "Esquema del filtro pasa banda"],
        "listas": ["Unidad de la capacidad"],
        # slider, its description at start, keys, its description after them
        "deslizadores": [("Resistencia R en kiloohmios", "1 kΩ", ["Up"], "1.1 kΩ"),
                         ("Capacidad C", "0.01 uF", ["Up", "Up"], "0.03 uF")],
        # a unit typed into the list changes the unit the C slider speaks
        "unidad": ("Unidad de la capacidad", "nF", "Capacidad C", "0.03 nF"),
    },
    "velorna": {
        "titulo": "Velorna, generador de Onda Portadora",
        "imagenes": ["Logotipo de Calculadoras RF",
                     "Esquema de un oscilador de onda portadora con circuito tanque LC"],
        "listas": ["Unidad de la frecuencia", "Unidad de la capacitancia", "Unidad de la inductancia"],
        "deslizadores": [],
        "aviso": ("Calcular", "Atencion", "Aceptar"),
    },
    "mirvesta": {
        "titulo": "Cálculo de Inductancias Bajas",
        "imagenes": ["Logotipo de Calculadoras RF",
                     "Dibujo de la bobina vista de lado y de frente, con su longitud y su radio"],
        "listas": [],
        "deslizadores": [("Longitud de la bobina", "0 cm", ["Up"], "0.1 cm"),
                         ("Número de espiras", "1 espira", ["Up", "Up"], "3 espiras"),
                         ("Radio de una espira", "1 / 16 de pulgada", ["Up", "Up"], "3 / 16 de pulgada")],
    },
}


def leer(calculadora, informe):
    esperado = ESPERADO[calculadora.nombre]
    ventana = calculadora.ventana
    informe.comprobar(ventana.getRoleName() == "frame", f"la ventana es '{ventana.getRoleName()}', no 'frame'")
    informe.comprobar(ventana.name == esperado["titulo"], f"la ventana se llama '{ventana.name}'")

    for imagen in esperado["imagenes"]:
        informe.comprobar(buscar(ventana, "image", imagen), f"falta la imagen '{imagen}'")
    for lista in esperado["listas"]:
        nodo = buscar(ventana, "combo box", lista)
        informe.comprobar(nodo and buscar(nodo, "text", lista), f"falta la lista '{lista}' o su entrada")
    for nodo in nodos(ventana):
        papel = nodo.getRoleName()
        informe.comprobar(papel != "frame" or nodo == ventana, "un trazo o contorno se presenta como marco")
        informe.comprobar(papel != "filler" or not nodo.name, f"un relleno se llama '{nodo.name}'")

    for deslizador, al_abrir, teclas, despues in esperado["deslizadores"]:
        nodo = buscar(ventana, "slider", deslizador)
        informe.comprobar(nodo and nodo.description == al_abrir, f"'{deslizador}' no dice '{al_abrir}' al abrir")
        if nodo:
            nodo.queryComponent().grabFocus()
            calculadora.pulsar(*teclas)
            informe.comprobar(esperar(lambda: nodo.description == despues, 3),
                              f"'{deslizador}' dice '{nodo.description}' tras {teclas}, no '{despues}'")

    if "unidad" in esperado:
        lista, texto, deslizador, despues = esperado["unidad"]
        buscar(buscar(ventana, "combo box", lista), "text", lista).queryComponent().grabFocus()
        calculadora.pulsar("ctrl+a", *texto)
        nodo = buscar(ventana, "slider", deslizador)
        informe.comprobar(esperar(lambda: nodo.description == despues, 3),
                          f"'{deslizador}' dice '{nodo.description}' con la unidad '{texto}'")

    if "aviso" in esperado:
        boton, titulo, aceptar = esperado["aviso"]
        # A press through the bus would wait for the modal message box to close.
        buscar(ventana, "push button", boton).queryComponent().grabFocus()
        calculadora.pulsar("space")
        app = calculadora.aplicacion
        aviso = esperar(lambda: next((n for n in (app.getChildAtIndex(i) for i in range(app.childCount))
                                      if n is not None and n.name == titulo), None))
        informe.comprobar(aviso and buscar(aviso, "push button", aceptar),
                          f"no aparece el aviso '{titulo}' con su botón '{aceptar}'")


def clase_de_ventana(calculadora, entrada_de_menu, informe):
    with open(entrada_de_menu, encoding="utf-8") as archivo:
        claves = dict(linea.strip().split("=", 1) for linea in archivo if "=" in linea)
    wm_class = subprocess.run(["xprop", "-id", calculadora.ventana_x, "WM_CLASS"], capture_output=True,
                              text=True).stdout
    clase = wm_class.split("=")[1].split(",")[1].strip().strip('"')
    informe.comprobar(clase == claves.get("StartupWMClass"),
                      f"la ventana es de la clase '{clase}' y la entrada de menú espera "
                      f"'{claves.get('StartupWMClass')}'")


if __name__ == "__main__":
    informe = Informe()
    calculadora = Calculadora(sys.argv[1])
    try:
        if calculadora.ventana is None:
            informe.comprobar(False, "la ventana no aparece en el bus de accesibilidad")
        else:
            leer(calculadora, informe)
            clase_de_ventana(calculadora, sys.argv[2], informe)
    finally:
        calculadora.cerrar()
    sys.exit(informe.terminar("árbol de accesibilidad correcto"))

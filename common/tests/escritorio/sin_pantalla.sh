#!/usr/bin/env bash
# A calculator started where no display can be opened (over ssh, in a text
# console), once as it is and once with a Qt option that would name a
# platform, which the programs do not take: each time one Spanish line on
# standard error and status 1, not an abort.
#   sin_pantalla.sh PROGRAM
set -u
programa=$1
esperado="$(basename "$programa"): no se encontró un escritorio gráfico donde abrir la ventana."
fallos=0
for opciones in "" "-platform offscreen"; do
    # shellcheck disable=SC2086 # the options are words
    dicho=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$programa" $opciones 2>&1 >/dev/null)
    estado=$?
    if [ "$estado" -ne 1 ] || [ "$dicho" != "$esperado" ]; then
        echo "FALLO con '$opciones': estado $estado, dijo:"
        echo "$dicho"
        fallos=1
    fi
done
exit $fallos

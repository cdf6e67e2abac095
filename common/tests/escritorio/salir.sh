#!/usr/bin/env bash
# Starts a calculator on the current X display, clicks its "Salir" button
# at (X, Y) inside the window like a user, and passes when the program ends
# by itself with status 0.
#   salir.sh PROGRAM TITLE X Y
set -euo pipefail
ejecutable=$1 titulo=$2 x=$3 y=$4

"$ejecutable" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
ventana=
for _ in $(seq 50); do
    ventana=$(xdotool search --onlyvisible --name "^$titulo\$" 2>/dev/null | head -n 1) && [ -n "$ventana" ] && break
    sleep 0.2
done
if [ -z "$ventana" ]; then
    kill -0 "$pid" 2>/dev/null && echo "no apareció la ventana \"$titulo\"" || echo "el programa terminó sin mostrar su ventana"
    exit 1
fi
# A click that lands before the window takes input is lost: click again
# until the program ends, for a few seconds at most.
for _ in $(seq 10); do
    xdotool mousemove --window "$ventana" "$x" "$y" click 1 2>/dev/null || true
    for _ in $(seq 10); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" && estado=0 || estado=$?
            trap - EXIT
            echo "el programa terminó con estado $estado"
            exit "$estado"
        fi
        sleep 0.1
    done
done
echo "el programa sigue abierto tras pulsar Salir en la ventana:"
xdotool getwindowgeometry "$ventana" || true
exit 1

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
    ventana=$(xdotool search --name "^$titulo\$" 2>/dev/null | head -n 1) && [ -n "$ventana" ] && break
    sleep 0.2
done
[ -n "$ventana" ] || { echo "no apareció la ventana \"$titulo\""; exit 1; }
sleep 0.3
xdotool mousemove --window "$ventana" "$x" "$y" click 1

for _ in $(seq 50); do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" && estado=0 || estado=$?
        trap - EXIT
        echo "el programa terminó con estado $estado"
        exit "$estado"
    fi
    sleep 0.1
done
echo "el programa sigue abierto tras pulsar Salir"
exit 1

#!/usr/bin/env bash
# Writes the installer of a Windows folder, showing every licence shipped:
#   distribucion/windows/instalador.sh VERSION FOLDER BUILD INSTALLER.exe
# (BUILD: the Windows build, for its icon and Start menu entries.)
set -euo pipefail
version=$1 carpeta=$(realpath "$2") obra=$(realpath "$3") salida=$(realpath -m "$4")
cd "$(dirname "$0")"

licencias=$(mktemp)
trap 'rm -f "$licencias"' EXIT
for licencia in "$carpeta"/licencias/*.txt; do
    printf '==== %s ====\n\n' "$(basename "$licencia")"
    cat "$licencia"
    printf '\n'
done >"$licencias"
makensis -V2 -INPUTCHARSET UTF8 -NOCD -X"!addincludedir $obra/distribucion/windows" \
    -DVERSION="$version" -DCARPETA="$carpeta" -DLICENCIAS="$licencias" \
    -DICONO="$obra/distribucion/windows/calculadoras-rf.ico" -DSALIDA="$salida" instalador.nsi

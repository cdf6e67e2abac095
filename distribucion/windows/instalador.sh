#!/usr/bin/env bash
# Writes the installer of a Windows folder, showing every licence shipped:
#   distribucion/windows/instalador.sh VERSION FOLDER BUILD INSTALLER.exe
# (BUILD: the Windows build, for its icon and Start menu entries.)
set -euo pipefail
version=$1 carpeta=$(realpath "$2") obra=$(realpath "$3") salida=$(realpath -m "$4")
cd "$(dirname "$0")"

trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
# What the uninstaller removes, in one order (the same installer from the same
# folder): each file, then each folder, the deepest first.
# shellcheck disable=SC2016 # $INSTDIR is the installer's, in its own script.
(cd "$carpeta" && {
    find . -type f -printf '%P\n' | LC_ALL=C sort | sed 's|.*|Delete "$INSTDIR/&"|'
    find . -mindepth 1 -type d -printf '%P\n' | LC_ALL=C sort -r | sed 's|.*|RMDir "$INSTDIR/&"|'
} | sed 's|/|\\|g' >"$trabajo/quitar.nsh")
licencias=$trabajo/licencias.txt
for licencia in "$carpeta"/licencias/*.txt; do
    printf '==== %s ====\n\n' "$(basename "$licencia")"
    cat "$licencia"
    printf '\n'
done >"$licencias"
makensis -V2 -INPUTCHARSET UTF8 -NOCD -X"!addincludedir $obra/distribucion/windows" -X"!addincludedir $trabajo" \
    -DVERSION="$version" -DCARPETA="$carpeta" -DLICENCIAS="$licencias" \
    -DICONO="$obra/distribucion/windows/calculadoras-rf.ico" -DSALIDA="$salida" instalador.nsi

#!/usr/bin/env bash
# Builds the Debian package in BUILD_FOLDER and checks it: its dependencies
# come from the programs' libraries, and lintian finds no error.
#   probar-paquete.sh BUILD_FOLDER
set -euo pipefail
cd "$1"
rm -f calculadoras-rf_*.deb
cpack -G DEB >/dev/null
paquete=$(ls calculadoras-rf_*.deb)
dependencias=$(dpkg-deb --field "$paquete" Depends)
echo "Depends: $dependencias"
for necesaria in libqt6widgets6 libqt6svgwidgets6 libc6 fonts-liberation2 qt6-translations-l10n; do
    grep -q "$necesaria" <<<"$dependencias" || { echo "falta la dependencia $necesaria"; exit 1; }
done
lintian --fail-on error --no-tag-display-limit "$paquete"

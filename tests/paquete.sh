#!/usr/bin/env bash
# Builds the Debian package in BUILD_FOLDER and checks it: its dependencies
# come from the programs' libraries, a manual page comes with each program,
# and lintian, told to say everything, finds no error, no warning and none of
# the notes that Debian's hardening and stripping would have avoided.
#   paquete.sh BUILD_FOLDER PROGRAM...
set -euo pipefail
cd "$1"
shift
rm -f calculadoras-rf_*.deb
cpack -G DEB >/dev/null
paquete=$(ls calculadoras-rf_*.deb)
dependencias=$(dpkg-deb --field "$paquete" Depends)
echo "Depends: $dependencias"
for necesaria in libqt6widgets6 libqt6svg6 libc6 fonts-liberation2 qt6-translations-l10n; do
    grep -q "$necesaria" <<<"$dependencias" || { echo "falta la dependencia $necesaria"; exit 1; }
done
contenido=$(dpkg-deb --contents "$paquete")
for programa in "$@"; do
    grep -q "usr/share/man/man1/$programa.1.gz" <<<"$contenido" || { echo "falta el manual de $programa"; exit 1; }
done
informe=$(lintian -I --fail-on error,warning --tag-display-limit 0 "$paquete" 2>&1) || { echo "$informe"; exit 1; }
echo "$informe"
! grep -E 'hardening-no-bindnow|binary-has-unneeded-section' <<<"$informe"

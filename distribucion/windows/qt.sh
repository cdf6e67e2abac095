#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source package (the
# version of the host's Qt, whose tools the cross build runs), with Debian's
# patches, and prints the folder it is installed in. The build is kept
# outside the project, one folder per source version and set of options, and
# reused while both stay the same.
#   distribucion/windows/qt.sh
set -euo pipefail
cd "$(dirname "$0")"
aqui=$PWD

version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
cadena=$aqui/mingw-w64.cmake
# Only what the calculators use: widgets, SVG-free pictures, no network,
# no OpenGL, and none of the widgets, dialogs and text formats they never
# show. The +dfsg source has no tablet library (wintab); Qt 6.4 builds its
# DirectWrite font database only with Direct2D; the tests run on Windows' own
# platform, so no FreeType for the offscreen one.
opciones=(-xplatform win32-g++ -qt-host-path /usr -release -shared
    -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -no-fontconfig
    -no-feature-sql -no-feature-network -no-feature-printsupport
    -no-feature-concurrent -no-feature-xml -no-feature-tabletevent
    -no-feature-direct2d -no-feature-directwrite3 -no-feature-freetype -no-libjpeg
    -qt-zlib -qt-libpng -qt-harfbuzz -qt-pcre -no-zstd -no-gif
    -no-feature-graphicsview -no-feature-mdiarea -no-feature-calendarwidget
    -no-feature-wizard -no-feature-undoview -no-feature-undogroup
    -no-feature-undostack -no-feature-undocommand -no-feature-columnview
    -no-feature-datawidgetmapper -no-feature-dial -no-feature-lcdnumber
    -no-feature-keysequenceedit -no-feature-splashscreen
    -no-feature-commandlinkbutton -no-feature-textbrowser
    -no-feature-syntaxhighlighter -no-feature-toolbox -no-feature-textodfwriter
    -no-feature-textmarkdownreader -no-feature-textmarkdownwriter -no-feature-pdf
    -no-feature-movie -no-feature-vulkan -no-feature-systemtrayicon)
clave=$( (echo "${opciones[*]}"; cat "$cadena") | sha256sum | cut -c1-12)
destino=$("$aqui/../../tools/carpeta-de-cache" qt-windows)/$version-$clave
# Qt's Spanish texts are Debian's, the same files on every system.
dar_textos() { install -D -m 644 /usr/share/qt6/translations/qtbase_es.qm "$destino/translations/qtbase_es.qm"; }
if [ -e "$destino/.hecho" ]; then
    dar_textos
    echo "$destino"
    exit 0
fi

# Built in the same folder every time: Qt writes some of its source paths
# into its libraries, and a rebuild gives the same bytes.
trabajo=$destino.obra
rm -rf "$trabajo"
mkdir -p "$trabajo"
trap 'rm -rf "$trabajo"' EXIT
# The source comes from the archive this machine installs from, through a
# list of our own: the system's lists and cache are left as they are, and an
# apt-get install may run meanwhile.
mkdir -p "$trabajo/apt/listas/partial" "$trabajo/apt/partes" "$trabajo/apt/cache"
if [ -e /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$trabajo/apt/partes/fuentes.sources"
else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$trabajo/apt/partes/fuentes.list"
fi
apt_propio=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$trabajo/apt/partes"
    -o "Dir::State::Lists=$trabajo/apt/listas" -o "Dir::Cache=$trabajo/apt/cache")
apt-get "${apt_propio[@]}" update >&2
(cd "$trabajo" && apt-get "${apt_propio[@]}" source "qt6-base=$version" >&2)

fuente=$(find "$trabajo" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
mkdir "$trabajo/obra"
# Without the compiler cache the tests set: Qt is built only when its source
# or options change, when every object misses the cache, and each miss costs
# more than compiling alone.
(cd "$trabajo/obra" && env -u CMAKE_C_COMPILER_LAUNCHER -u CMAKE_CXX_COMPILER_LAUNCHER \
    "$fuente/configure" -prefix "$destino" "${opciones[@]}" -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$cadena" -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake") >&2
cmake --build "$trabajo/obra" --parallel "$(nproc)" >&2
rm -rf "$destino"
cmake --install "$trabajo/obra" >&2
dar_textos
touch "$destino/.hecho"
echo "$destino"

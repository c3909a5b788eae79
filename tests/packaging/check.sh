#!/usr/bin/env bash
# Checks on what `cmake --install` puts in place, one CTest test per mode:
#   check.sh install CMAKE BUILD_DIR PREFIX FILE...  install, then look for each FILE
#   check.sh desktop PREFIX DATADIR BINDIR           the launcher entry
#   check.sh metainfo PREFIX DATADIR BINDIR VERSION  the software-centre metadata
#   check.sh manual PAGE.gz VERSION [EXECUTABLE]     the manual page
#   check.sh docs DOCDIR VERSION                     copyright and changelog
#   check.sh deb CPACK_CONFIG OUTPUT_DIR             build the .deb, run lintian on it
#   check.sh window_class ENTRY EXECUTABLE           the launcher names the window's class
#   check.sh icons SOURCE_ICONS SIZE...              the committed icon bitmaps
# A missing tool is a failure, not a skip: scripts/deps.sh test installs them.
set -euo pipefail

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || {
            echo "FAIL: $tool is not installed (run scripts/deps.sh test)" >&2
            exit 1
        }
    done
}

# Runs a command that must succeed and print nothing on standard error;
# validators often warn on stderr yet exit 0.
quiet_ok() {
    local out status=0 err
    err=$(mktemp)
    out=$("$@" 2>"$err") || status=$?
    if [ "$status" -ne 0 ]; then
        fail "$* exited with status $status: $out $(cat "$err")"
    elif [ -s "$err" ]; then
        fail "$* warned: $(cat "$err")"
    fi
    rm -f "$err"
}

# Fails unless FILE was compressed as Debian asks: gzip at the best
# compression, with neither the original name nor a time stamp in the
# header, so that building twice gives the same bytes.
reproducible_gzip() {
    local -a h
    read -r -a h <<<"$(od -An -tu1 -N10 "$1")"
    if [ "${h[0]:-}" != 31 ] || [ "${h[1]:-}" != 139 ]; then
        fail "$1 is not gzip-compressed"
        return
    fi
    # FLG bit 3 announces a file name; bytes 4-7 hold the time stamp; XFL 2
    # means the slowest, best compression.
    [ $((h[3] & 8)) -eq 0 ] || fail "$1 carries the original file name"
    [ "${h[4]}${h[5]}${h[6]}${h[7]}" = 0000 ] || fail "$1 carries a time stamp"
    [ "${h[8]}" = 2 ] || fail "$1 is not compressed with -9"
}

# The value of KEY in the [Desktop Entry] group of a desktop file.
desktop_key() {
    sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1" | head -n 1
}

# Counts the opaque colours of a palette PNG and checks that its transparency
# is all or nothing, as an icon's mask is. Prints "WIDTHxHEIGHT COLOURS", or
# "not-a-palette" for any other kind of PNG.
png_palette() {
    local -a b
    read -r -a b <<<"$(od -An -tu1 -v "$1" | tr -s ' \n' '  ')"
    local width=$(((b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19]))
    local height=$(((b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]))
    if [ "${b[25]}" -ne 3 ]; then
        echo not-a-palette
        return
    fi
    local i=8 length type entries=0 opaque=0 j
    local -a alpha=()
    while [ "$i" -lt "${#b[@]}" ]; do
        length=$(((b[i] << 24) | (b[i + 1] << 16) | (b[i + 2] << 8) | b[i + 3]))
        # The chunk type as byte values: "PLTE" and "tRNS" in ASCII.
        type="${b[i + 4]} ${b[i + 5]} ${b[i + 6]} ${b[i + 7]}"
        case "$type" in
        "80 76 84 69") entries=$((length / 3)) ;;
        "116 82 78 83") for ((j = 0; j < length; j++)); do alpha+=("${b[i + 8 + j]}"); done ;;
        esac
        i=$((i + 12 + length))
    done
    for ((j = 0; j < entries; j++)); do
        local a=${alpha[j]:-255}
        if [ "$a" -eq 255 ]; then
            opaque=$((opaque + 1))
        elif [ "$a" -ne 0 ]; then
            echo "${width}x${height} partial-alpha"
            return
        fi
    done
    echo "${width}x${height} $opaque"
}

mode=${1:?mode}
shift
case "$mode" in
install)
    cmake=$1 build=$2 prefix=$3
    shift 3
    rm -rf "$prefix"
    # A DESTDIR left in the environment would send the files elsewhere.
    if ! env -u DESTDIR "$cmake" --install "$build" --prefix "$prefix" >/dev/null; then
        echo "FAIL: cmake --install into $prefix failed" >&2
        exit 1
    fi
    for file in "$@"; do
        [ -s "$prefix/$file" ] || fail "$file was not installed or is empty"
    done
    for file in "$@"; do
        case "$file" in
        */bin/*) [ -x "$prefix/$file" ] || fail "$file is not executable" ;;
        esac
    done
    ;;

desktop)
    need desktop-file-validate
    prefix=$1 datadir=$2 bindir=$3
    entry="$prefix/$datadir/applications/org.vexel.Vexel.desktop"
    quiet_ok desktop-file-validate "$entry"
    # The launcher must name what is really installed, or it opens nothing
    # and shows a generic icon; the validator cannot know either.
    # The entry's own Exec and those of its actions alike.
    for exec_program in $(sed -n 's/^Exec=//p' "$entry" | cut -d' ' -f1); do
        [ -x "$prefix/$bindir/$exec_program" ] || fail "Exec=$exec_program is not in $bindir"
    done
    icon=$(desktop_key "$entry" Icon)
    [ -f "$prefix/$datadir/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon has no scalable icon"
    [ -f "$prefix/$datadir/icons/hicolor/48x48/apps/$icon.png" ] || fail "Icon=$icon has no 48x48 icon"
    [ "$(desktop_key "$entry" Terminal)" = false ] || fail "Terminal is not false"
    categories=";$(desktop_key "$entry" Categories)"
    for category in Game ArcadeGame; do
        case "$categories" in
        *";$category;"*) ;;
        *) fail "Categories does not list $category" ;;
        esac
    done
    ;;

metainfo)
    need appstreamcli
    prefix=$1 datadir=$2 bindir=$3 version=$4
    metainfo="$prefix/$datadir/metainfo/org.vexel.Vexel.metainfo.xml"
    if ! out=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
        fail "appstreamcli validate --no-net: $out"
    fi
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
    [ -f "$prefix/$datadir/applications/$launchable" ] || fail "launchable $launchable is not installed"
    binary=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")
    [ -x "$prefix/$bindir/$binary" ] || fail "provided binary $binary is not installed"
    # Software centres show the newest release; it has to be this build's.
    newest=$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$metainfo" | head -n 1)
    [ "$newest" = "$version" ] || fail "newest release is $newest, the project is $version"
    ;;

manual)
    need man groff col gzip
    compressed=$1 version=$2 executable=${3:-}
    reproducible_gzip "$compressed"
    page=$(mktemp)
    trap 'rm -f "$page"' EXIT
    gzip -dc "$compressed" >"$page" || fail "$compressed does not decompress"
    LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 quiet_ok man --warnings -l "$page"
    quiet_ok groff -ww -z -man "$page"
    text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | col -b)
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES ENVIRONMENT "EXIT STATUS"; do
        grep -qx "$section" <<<"$text" || fail "the page has no $section section"
    done
    grep -q "Vexel $version" <<<"$text" || fail "the page is not for version $version"
    grep -q 'XDG_DATA_HOME/vexel/vexel.ini' <<<"$text" || fail "the page does not name the score file"
    # Every option the program itself advertises must be documented.
    if [ -n "$executable" ]; then
        help=$("$executable" --help) || fail "$executable --help failed"
        options=$(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u)
        [ -n "$options" ] || fail "$executable --help lists no options"
        for option in $options; do
            grep -qe "$option" <<<"$text" || fail "$option is missing from the page"
        done
    fi
    ;;

docs)
    need dpkg-parsechangelog gzip
    docdir=$1 version=$2
    copyright="$docdir/copyright"
    # Debian's machine-readable format: the format line first, then a
    # Files paragraph naming the licence, whose text follows in full.
    [ "$(head -n 1 "$copyright")" = \
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
        fail "$copyright does not start with the machine-readable format line"
    grep -qx 'Files: \*' "$copyright" || fail "$copyright has no 'Files: *' paragraph"
    grep -qx 'License: Expat' "$copyright" || fail "$copyright does not name the Expat (MIT) licence"
    grep -q '^ Permission is hereby granted' "$copyright" || fail "$copyright lacks the licence text"
    changelog="$docdir/changelog.gz"
    reproducible_gzip "$changelog"
    plain=$(mktemp)
    trap 'rm -f "$plain"' EXIT
    gzip -dc "$changelog" >"$plain" || fail "$changelog does not decompress"
    newest=$(dpkg-parsechangelog -l "$plain" -S Version 2>&1) || fail "dpkg-parsechangelog: $newest"
    [ "$newest" = "$version" ] || fail "the changelog's newest entry is $newest, the project is $version"
    ;;

deb)
    # Section games, so the executable must be in /usr/games; lintian knows
    # the rest of Debian's rules. Its info and pedantic notes are advice.
    need cpack dpkg-deb lintian
    config=$1 output=$2
    rm -rf "$output"
    if ! out=$(cpack -G DEB --config "$config" -B "$output" 2>&1); then
        echo "FAIL: cpack failed: $out" >&2
        exit 1
    fi
    deb=$(find "$output" -maxdepth 1 -name '*.deb')
    [ -n "$deb" ] || { echo "FAIL: cpack made no .deb in $output" >&2; exit 1; }
    contents=$(dpkg-deb -c "$deb")
    grep -q ' \./usr/games/vexel$' <<<"$contents" || fail "the package has no /usr/games/vexel"
    ! grep -q ' \./usr/bin/' <<<"$contents" || fail "the package still has /usr/bin"
    recommends=$(dpkg-deb -f "$deb" Recommends)
    [ "$recommends" = qt6-translations-l10n ] || fail "the package recommends '$recommends', not Qt's translations"
    report=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $report"
    grep -qE "^[EW]: " <<<"$report" && fail "lintian reported errors or warnings"
    ;;

window_class)
    # Desktops match a running window to its launcher by StartupWMClass; a
    # mismatch shows the game as a second, nameless application. Only a
    # real X server tells what class the toolkit gives the window.
    need xvfb-run xauth xwininfo xprop
    entry=$1 executable=$2
    wanted=$(desktop_key "$entry" StartupWMClass)
    [ -n "$wanted" ] || fail "$entry has no StartupWMClass"
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    mkdir -m 700 "$scratch/runtime"
    class=$(env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$scratch/runtime" \
        xvfb-run -a -s "-screen 0 640x480x24" bash "$0" window_class_probe "$executable" "$scratch") ||
        { echo "FAIL: the game's window did not appear on the X server" >&2; exit 1; }
    # WM_CLASS(STRING) = "instance", "class"
    class=${class##*, \"}
    class=${class%\"}
    [ "$class" = "$wanted" ] || fail "the window's class is '$class', StartupWMClass is '$wanted'"
    ;;

window_class_probe)
    # Inside the X server: start the game, wait for its window, print its
    # WM_CLASS property.
    executable=$1 scratch=$2
    "$executable" --scores-file "$scratch/vexel.ini" -platform xcb >/dev/null 2>&1 &
    game=$!
    trap 'kill "$game" 2>/dev/null' EXIT
    window=
    for _ in $(seq 100); do
        window=$(xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "Vexel.*/\1/p' | head -n 1)
        [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || exit 1
    xprop -id "$window" WM_CLASS
    ;;

icons)
    need file
    icons=$1
    shift
    for size in "$@"; do
        png="$icons/hicolor/$size/org.vexel.Vexel.png"
        file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "$png is not a $size x $size PNG"
    done
    file -b "$icons/org.vexel.Vexel.svg" | grep -q SVG || fail "the scalable icon is not an SVG"
    # The window's icon group: two 32-pixel images in 2 and 16 colours and a
    # 16-pixel one in 16 colours, each with a hard transparency mask.
    for expected in "vexel-32x32-2.png 32x32 2" "vexel-32x32-16.png 32x32 16" "vexel-16x16-16.png 16x16 16"; do
        read -r name dims colours <<<"$expected"
        read -r got_dims got_colours <<<"$(png_palette "$icons/window/$name")"
        if [ "$got_dims" != "$dims" ]; then
            fail "$name is $got_dims, not a $dims palette image"
        elif ! [ "$got_colours" -le "$colours" ] 2>/dev/null; then
            fail "$name should have at most $colours opaque colours and a hard mask, has: $got_colours"
        fi
    done
    ;;

*)
    echo "check.sh: unknown mode $mode" >&2
    exit 2
    ;;
esac

[ "$failures" -eq 0 ]

#!/usr/bin/env bash
# Checks on what `cmake --install` puts in place, one CTest test per mode:
#   check.sh install CMAKE BUILD_DIR PREFIX FILE...  install, then look for each FILE
#   check.sh desktop PREFIX DATADIR BINDIR           the launcher entry
#   check.sh metainfo PREFIX DATADIR BINDIR VERSION  the software-centre metadata
#   check.sh manual PAGE VERSION [EXECUTABLE]        the manual page
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
    exec_program=$(desktop_key "$entry" Exec | cut -d' ' -f1)
    [ -x "$prefix/$bindir/$exec_program" ] || fail "Exec=$exec_program is not in $bindir"
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
    need man groff col
    page=$1 version=$2 executable=${3:-}
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

#!/usr/bin/env bash
# Installs the game twice, with cmake --install into a prefix and from the
# Debian package into a scratch root, and checks each installed tree from the
# outside: every file in its place, the launcher runs the game from another
# folder, the game finds its files beside itself, and its command line behaves.
# usage: test_install.sh BUILD_DIR VERSION CPACK CMAKE
set -uo pipefail
build=$1 version=$2 cpack=$3 cmake=$4

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

# What the game reads from its own folder at run time.
needed=(pain.wav death.wav exb.wav cut.wav add.wav down.wav rangeup.wav getammo.wav bolt.wav
        oneheart.wav tenheart.wav ding.wav orchhit.wav orchhitl.wav orchhith.wav
        Open.mid gimmeall.mid)
for n in $(seq 2 49); do needed+=("small title/zofftitle $n.bmp"); done

# checktree PREFIX WHAT: the installed tree under PREFIX works.
checktree() {
    local prefix=$1 what=$2
    local launcher=$prefix/bin/zoff game=$prefix/lib/zoff/zoff
    [[ -x $launcher ]] || fail "$what: no launcher $launcher"
    [[ -x $game ]] || fail "$what: no program $game"
    local desktop=$prefix/share/applications/zoff.desktop
    local icon=$prefix/share/icons/hicolor/scalable/apps/zoff.svg
    [[ -f $desktop ]] || fail "$what: no desktop entry"
    [[ -s $icon ]] || fail "$what: no icon"
    # The menu entry starts the launcher by name and names the installed icon.
    grep -qx 'Exec=zoff' "$desktop" || fail "$what: desktop entry does not run zoff"
    grep -qx 'Icon=zoff' "$desktop" || fail "$what: desktop entry does not name the icon"
    grep -qx 'Type=Application' "$desktop" || fail "$what: desktop entry is no application"
    grep -q '<svg' "$icon" || fail "$what: icon is no SVG"

    # Everything runs from a folder that holds none of the game's files.
    local elsewhere=$tmp/elsewhere
    mkdir -p "$elsewhere"
    local out rc

    local f missing=0 home
    home=$(readlink -f "$prefix/lib/zoff")
    for f in "${needed[@]}"; do
        [[ -s $home/$f ]] || { fail "$what: missing or empty beside the program: $f"; missing=1; }
    done
    [[ $missing -eq 0 ]] && echo "$what: all ${#needed[@]} files beside $home"

    out=$(cd "$elsewhere" && "$launcher" --version 2>"$tmp/err")
    rc=$?
    if [[ $rc -ne 0 ]]; then
        fail "$what: the launcher does not run the game (--version exits $rc): $(cat "$tmp/err")"
        return
    fi
    [[ $out == "zoff $version" ]] || fail "$what: --version prints \"$out\""

    out=$(cd "$elsewhere" && "$launcher" --help 2>"$tmp/err")
    rc=$?
    [[ $rc -eq 0 ]] || fail "$what: --help exits $rc"
    for word in 'usage: zoff' --one --two --help --version; do
        grep -qF -- "$word" <<<"$out" || fail "$what: --help does not mention $word"
    done
    # The game's own idea of its folder, reached through the launcher, must be
    # the installed one: that is where it looks for the files above.
    local dir
    dir=$(sed -n 's/^Sounds, tunes and title frames are read from //p' <<<"$out")
    [[ $dir == "$home" ]] || fail "$what: the game reads its files from \"$dir\", not from $home"

    out=$(cd "$elsewhere" && "$launcher" --bogus 2>"$tmp/err")
    rc=$?
    [[ $rc -eq 2 ]] || fail "$what: an unknown argument exits $rc, not 2"
    [[ -z $out ]] || fail "$what: an unknown argument prints to stdout"
    grep -q 'unknown argument "--bogus"' "$tmp/err" || fail "$what: no clear usage error: $(cat "$tmp/err")"

    # A real start: the game opens its window headless and keeps running until
    # it is killed (status 137; it takes SIGTERM for a window close and plays
    # on); an early exit means it failed, a missing font for one.
    (cd "$elsewhere" && timeout -s KILL 2 "$launcher" --one >"$tmp/out" 2>"$tmp/err")
    rc=$?
    [[ $rc -eq 137 ]] || fail "$what: the game stopped by itself with $rc: $(cat "$tmp/err")"
}

# 1. cmake --install into a prefix.
if "$cmake" --install "$build" --prefix "$tmp/prefix" >"$tmp/install.log" 2>&1; then
    checktree "$tmp/prefix" "cmake --install"
else
    fail "cmake --install failed: $(cat "$tmp/install.log")"
fi

# 2. The Debian package, unpacked into a scratch root.
if (cd "$build" && "$cpack" --config CPackConfig.cmake -G DEB -B "$tmp/pkg") >"$tmp/cpack.log" 2>&1; then
    deb=$(ls "$tmp"/pkg/*.deb 2>/dev/null | head -n 1)
    if [[ -z $deb ]]; then
        fail "cpack made no .deb: $(cat "$tmp/cpack.log")"
    else
        depends=$(dpkg-deb -f "$deb" Depends)
        for p in libsdl2-2.0-0 libsdl2-ttf-2.0-0 libsdl2-mixer-2.0-0 libfontconfig1 \
                 fonts-liberation fonts-dejavu-core timgm6mb-soundfont; do
            grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fail "package does not depend on $p: $depends"
        done
        [[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "package version is not $version"
        dpkg -x "$deb" "$tmp/root"
        checktree "$tmp/root/usr" "package"
    fi
else
    fail "cpack failed: $(cat "$tmp/cpack.log")"
fi

if [[ $failures -ne 0 ]]; then
    echo "$failures failure(s)" >&2
    exit 1
fi
echo "install and package: all checks passed"

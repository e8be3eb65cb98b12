#!/usr/bin/env bash
# End to end: the installed game in a real X window on its own Xvfb, driven only
# by real input events from xdotool, and judged only by what the screen shows,
# what the game sent to the sound card and how the process ends.
#
# usage: test_e2e.sh SOURCE_DIR BUILD_DIR CMAKE SCENARIO
#   one     the menu; ONE PLAYER; player 1 steps, drops a bomb, walks away, the
#           bomb burns and breaks a block; Esc
#   two     the same through TWO PLAYER with player 2's keys
#   scaled  the menu at twice its size, sharp; a click at the doubled place of
#           ONE PLAYER starts the game; the board at twice its size; a step; Esc
#
# The screen is read straight from Xvfb's frame buffer (-fbdir), so a flame that
# burns for a few hundredths of a second can be caught. Screenshots of every
# stage go to BUILD_DIR/e2e-shots/SCENARIO/, and FAIL-*.png with a failure.
set -uo pipefail
src=$1 build=$2 cmake=$3 scenario=$4
screenreader=$src/tests/e2e_screen.pl

for tool in Xvfb xdotool convert sox perl; do
    command -v "$tool" >/dev/null || { echo "FAIL [$scenario]: $tool is missing (see tools/packages.txt)" >&2; exit 1; }
done

tmp=$(mktemp -d)
shots=$build/e2e-shots/$scenario
rm -rf "$shots"
mkdir -p "$shots" "$tmp/fb" "$tmp/elsewhere"
fb=$tmp/fb/Xvfb_screen0
xvfb='' game=''
cleanup() {
    [[ -n $game ]] && kill -KILL "$game" 2>/dev/null
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

failures=0
fail() {
    echo "FAIL [$scenario]: $*" >&2
    failures=$((failures + 1))
}
# A failure the rest of the scenario cannot go on from.
die() {
    fail "$@"
    if [[ -s $tmp/game.err ]]; then
        echo "the game's standard error ends with:" >&2
        grep -v '^zoff-trace' "$tmp/game.err" | tail -n 5 >&2
    fi
    echo "screenshots in $shots" >&2
    exit 1
}
say() { echo "[$scenario ${SECONDS}s] $*"; }

# Milliseconds, from the shell's own clock.
ms() {
    local t=${EPOCHREALTIME/./}
    echo $((10#$t / 1000))
}

# ---------------------------------------------------------------------------
# What the windows are drawn from: the menu's layout and level 0's map.

flat=$(tr '\n' ' ' <"$src/src/screens/form2.cpp" | tr -s ' ')
outerwidth=$(sed -n 's/.*form2outerwidth = \([0-9]*\).*/\1/p' "$src/src/menu/form2.h")
[[ -n $outerwidth ]] || die "no form2outerwidth in src/menu/form2.h"

# designbox NAME: the menu layout's row for the control NAME, as
# "top width height" in twips.
designbox() {
    local re="\{&$1, \"$1\", K::[A-Za-z]+, nullptr, (-?[0-9]+), (-?[0-9]+), ([0-9]+), ([0-9]+),"
    [[ $flat =~ $re ]] || die "no layout row for $1 in src/screens/form2.cpp"
    echo "${BASH_REMATCH[2]} ${BASH_REMATCH[3]} ${BASH_REMATCH[4]}"
}

# The menu's start-up centres the title and puts each item 15 twips left of
# the centre. Boxes are "x y w h" in pixels of 15 twips; they are only looked
# into, so a twip lost to rounding does not matter.
declare -A itembox
items=(oneplayer twoplayer options highscores About quit)
for item in "${items[@]}"; do
    row=$(designbox "$item") || exit 1
    read -r top width height <<<"$row"
    left=$(((outerwidth - width) / 2 - 15))
    itembox[$item]="$((left / 15)) $((top / 15)) $((width / 15)) $((height / 15))"
done
row=$(designbox title) || exit 1
read -r top width height <<<"$row"
titlebox="$(((outerwidth - width) / 2 / 15)) $((top / 15)) $((width / 15)) $((height / 15))"

# Level 0's map: 13 rows of 17 letters (g ground, r rock, b block, c coin,
# e enemy, 1 and 2 the players' starts).
levelflat=$(tr '\n' ' ' <"$src/src/state/levels.cpp")
levelflat=${levelflat#*levelmaps\[3\]\[13\] = \{}
maprows=()
while [[ ${#maprows[@]} -lt 13 && $levelflat =~ \"([a-z0-9]+)\" ]]; do
    maprows+=("${BASH_REMATCH[1]}")
    levelflat=${levelflat#*\""${BASH_REMATCH[1]}"\"}
done
[[ ${#maprows[@]} -eq 13 ]] || die "cannot read level 0's map from src/state/levels.cpp"

# Squares an enemy can walk to: all but rock and block that are joined to an
# enemy's start. The rest of the ground stays bare until a player comes.
declare -A enemyroom
todo=()
for y in {0..12}; do for x in {0..16}; do
    [[ ${maprows[y]:x:1} == e ]] && enemyroom[$x,$y]=1 && todo+=("$x,$y")
done; done
while ((${#todo[@]})); do
    IFS=, read -r x y <<<"${todo[0]}"
    todo=("${todo[@]:1}")
    for d in 1,0 -1,0 0,1 0,-1; do
        IFS=, read -r dx dy <<<"$d"
        nx=$((x + dx)) ny=$((y + dy))
        ((nx >= 0 && nx <= 16 && ny >= 0 && ny <= 12)) || continue
        [[ -n ${enemyroom[$nx,$ny]:-} || ${maprows[ny]:nx:1} == [rb] ]] && continue
        enemyroom[$nx,$ny]=1
        todo+=("$nx,$ny")
    done
done

# ---------------------------------------------------------------------------
# The screen. Positions are in the window's picture (796 x 591); the window's
# origin and the scale (2 in a window of twice the size) make them positions
# on the screen.
wx=0 wy=0 scale=1

# The board lies right of the 80-pixel scoreboard column (1200 twips), at the
# window's top; its 714 x 598 pixels hold 17 x 13 squares of 42 x 46. The
# window is 591 high and shows only the top 39 rows of the bottom squares, so
# squares are looked at in that part.
# sq X Y: sets B to the picture box of square (X, Y).
sq() { B=($((80 + 42 * $1)) $((46 * $2)) 42 39); }
# at X Y W H: sets S to the screen box of a picture box.
at() { S=($((wx + scale * $1)) $((wy + scale * $2)) $((scale * $3)) $((scale * $4))); }
# area W H: the number of screen pixels of a picture box of that size.
area() { echo $((scale * scale * $1 * $2)); }

snap() { cp "$fb" "$tmp/snap.xwd"; }
# shot NAME: the window's part of the last snapshot as NAME.png.
shot() {
    convert "xwd:$tmp/snap.xwd" -crop "$((scale * 796))x$((scale * 591))+$wx+$wy" +repage \
        "$shots/$1.png" 2>/dev/null || echo "(could not save $1.png)" >&2
}

# A check is a list of questions to the screen reader about the last snapshot,
# each with what its answer must be. expect TEST WHAT QUERY... adds one: TEST
# is an arithmetic condition on the answer a. judge asks them all at once and
# leaves the answers in $seen (the unmet ones, if any).
expect() {
    tests+=("$1")
    whats+=("$2")
    shift 2
    queries+=("$@")
}
newcheck() { tests=() whats=() queries=(); }
judge() {
    local answers i a bad=() all=()
    mapfile -t answers < <(perl "$screenreader" "$tmp/snap.xwd" "${queries[@]}")
    if ((${#answers[@]} != ${#tests[@]})); then
        seen="the screen reader gave ${#answers[@]} answers to ${#tests[@]} questions"
        return 1
    fi
    lastanswers=("${answers[@]}")
    for i in "${!tests[@]}"; do
        a=${answers[i]}
        all+=("${whats[i]}: $a")
        (("${tests[i]}")) || bad+=("${whats[i]}: $a (wanted ${tests[i]})")
    done
    if ((${#bad[@]})); then
        seen=$(printf '%s; ' "${bad[@]:0:8}")
        ((${#bad[@]} > 8)) && seen+="and $((${#bad[@]} - 8)) more"
        return 1
    fi
    seen=$(printf '%s; ' "${all[@]}")
}

# waitfor SECONDS WHAT CHECK...: takes snapshots until CHECK (a function that
# ends in judge) holds; past the time the scenario fails with what the last
# snapshot showed, and that snapshot is kept.
seen=''
waitfor() {
    local secs=$1 what=$2
    shift 2
    local end=$(($(ms) + secs * 1000))
    while :; do
        snap
        "$@" && return 0
        if (($(ms) > end)); then
            shot "FAIL-${what//[^a-zA-Z0-9]/-}"
            die "$what: not within $secs s; saw $seen"
        fi
        sleep 0.05
    done
}

# ---------------------------------------------------------------------------
# Checks of the screen.

# The menu: the title's box is lit over a quarter of it at least, and every
# item's box holds white text. WHITE, when given, is the count of white pixels
# of each item at scale 1: a sharp picture at scale 2 has exactly four times as
# many.
declare -A white
menushown() {
    local sharp=${1:-} b n
    newcheck
    read -r -a b <<<"$titlebox"
    at "${b[@]}"
    n=$(area "${b[2]}" "${b[3]}")
    expect "a * 4 >= $n" "title: lit pixels of $n" count nonblack "${S[@]}"
    for item in "${items[@]}"; do
        read -r -a b <<<"${itembox[$item]}"
        at "${b[@]}"
        if [[ -n $sharp ]]; then
            expect "a == 4 * ${white[$item]}" "$item: white pixels" count white "${S[@]}"
        else
            expect "a >= 40" "$item: white pixels" count white "${S[@]}"
        fi
    done
    judge
}
# notewhite: keeps the items' white counts from the last menushown.
notewhite() {
    local i
    for i in "${!items[@]}"; do white[${items[i]}]=${lastanswers[i + 1]}; done
}

# The board as level 0 draws it: every rock square the same picture as the one
# at (1,1), every block the same as the first block, the two different and
# neither with ground in it; bare ground all ground; coins and players drawn.
# PLAYERS says whether player 2's start shows him or bare ground.
boardshown() {
    local players=$1 x y l full rock block
    full=$(area 42 39)
    newcheck
    sq 1 1 && at "${B[@]}" && rock=("${S[@]}")
    for y in {0..12}; do for x in {0..16}; do
        [[ ${maprows[y]:x:1} == b && -z ${block:-} ]] && sq "$x" "$y" && at "${B[@]}" && block=("${S[@]}")
    done; done
    expect "a == 0" "rock (1,1): ground pixels" count ground "${rock[@]}"
    expect "a == 0" "the first block: ground pixels" count ground "${block[@]}"
    expect "a * 4 >= $full" "rock (1,1) against the first block: differing pixels" \
        diff "${rock[@]:0:2}" "${block[@]}"
    for y in {0..12}; do for x in {0..16}; do
        l=${maprows[y]:x:1}
        sq "$x" "$y"
        at "${B[@]}"
        case $l in
        r) expect "a == 0" "rock ($x,$y) against (1,1): differing pixels" diff "${S[@]:0:2}" "${rock[@]}" ;;
        b) expect "a == 0" "block ($x,$y) against the first: differing pixels" diff "${S[@]:0:2}" "${block[@]}" ;;
        g | c | 1 | 2)
            [[ -n ${enemyroom[$x,$y]:-} ]] && continue
            if [[ $l == g || ($l == 2 && $players == 1) ]]; then
                expect "a == $full" "bare ground ($x,$y): ground pixels" count ground "${S[@]}"
            else
                expect "a * 10 <= $full * 8" "$l ($x,$y): ground pixels" count ground "${S[@]}"
            fi ;;
        esac
    done; done
    judge
}

# squares STATE X Y [STATE X Y]...: each square is bare ground ("ground"), or
# has something drawn over a fifth of it at least ("drawn": a sprite, a bomb).
squares() {
    newcheck
    addsquares "$@"
    judge
}
addsquares() {
    local full
    full=$(area 42 39)
    while (($#)); do
        sq "$2" "$3"
        at "${B[@]}"
        case $1 in
        ground) expect "a == $full" "($2,$3): ground pixels" count ground "${S[@]}" ;;
        drawn) expect "a * 10 <= $full * 8" "($2,$3): ground pixels" count ground "${S[@]}" ;;
        esac
        shift 3
    done
}

# xdo ARGS...: an xdotool action, which must not hang (--sync waits).
xdo() { timeout 10 xdotool "$@" || die "xdotool $* failed or hung"; }

# The shown windows called Zoff (SDL keeps hidden ones of its own).
zoffwindows() { xdotool search --onlyvisible --name '^Zoff$' 2>/dev/null; }

# usewindow ID: the window's place and size into wx, wy, ww, wh.
usewindow() {
    local k v
    while IFS='=' read -r k v; do
        case $k in X) wx=$v ;; Y) wy=$v ;; WIDTH) ww=$v ;; HEIGHT) wh=$v ;; esac
    done < <(xdotool getwindowgeometry --shell "$1" 2>/dev/null)
}

# resize ID W H: asks for a new size and waits until the window has it.
resize() {
    say "resizing window $1 to $2 x $3"
    xdo windowsize "$1" "$2" "$3"
    local end=$(($(ms) + 5000))
    while usewindow "$1" && [[ $ww != "$2" || $wh != "$3" ]]; do
        (($(ms) > end)) && die "window $1 is $ww x $wh 5 s after asking for $2 x $3"
        sleep 0.05
    done
}

# ---------------------------------------------------------------------------
# The program.

say "installing into a scratch prefix"
"$cmake" --install "$build" --prefix "$tmp/prefix" >"$tmp/install.log" 2>&1 ||
    die "cmake --install failed: $(tail -n 5 "$tmp/install.log")"
[[ -x $tmp/prefix/bin/zoff ]] || die "no launcher $tmp/prefix/bin/zoff after the install"

# Xvfb picks a free display and writes its number to fd 3 once it takes
# clients. The screen has room for a window of twice the game's size; at 96
# dots per inch the game opens its windows at their own size.
: >"$tmp/display"
Xvfb -displayfd 3 -screen 0 1920x1440x24 -dpi 96 -nolisten tcp -noreset -fbdir "$tmp/fb" \
    3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
end=$(($(ms) + 10000))
until [[ $(wc -l <"$tmp/display") -ge 1 && -f $fb ]]; do
    kill -0 "$xvfb" 2>/dev/null || die "Xvfb did not start: $(cat "$tmp/xvfb.log")"
    (($(ms) > end)) && die "Xvfb gave no display number within 10 s"
    sleep 0.05
done
DISPLAY=:$(head -n 1 "$tmp/display")
export DISPLAY
say "Xvfb on $DISPLAY"

# start: the game through its launcher, from a folder that holds none of its
# files, its sound going to a file; waits for the menu window.
start() {
    (cd "$tmp/elsewhere" &&
        exec env -u SDL_VIDEODRIVER -u GDK_SCALE SDL_AUDIODRIVER=disk \
            SDL_DISKAUDIOFILE="$tmp/audio.raw" "$tmp/prefix/bin/zoff" \
            >"$tmp/game.out" 2>"$tmp/game.err") &
    game=$!
    local end=$(($(ms) + 15000)) ids
    while :; do
        kill -0 "$game" 2>/dev/null || die "the game ended at its start"
        ids=$(zoffwindows)
        [[ -n $ids ]] && break
        (($(ms) > end)) && die "no window called Zoff within 15 s"
        sleep 0.05
    done
    [[ $(wc -l <<<"$ids") -eq 1 ]] || die "the menu opened $(wc -l <<<"$ids") windows"
    menuwindow=$ids
    usewindow "$menuwindow"
    menux=$wx menuy=$wy
    [[ $ww == 796 && $wh == 591 ]] || fail "the menu window is $ww x $wh, not 796 x 591"
}

# click ITEM: the left button in the middle of the menu item.
click() {
    local b
    read -r -a b <<<"${itembox[$1]}"
    local cx=$((wx + scale * (b[0] + b[2] / 2))) cy=$((wy + scale * (b[1] + b[3] / 2)))
    say "clicking $1 at $cx,$cy"
    xdo mousemove --sync "$cx" "$cy" click 1
}

# gamewindow: waits for the game window to take the menu's place.
gamewindow() {
    local end=$(($(ms) + 10000)) ids
    while :; do
        kill -0 "$game" 2>/dev/null || die "the game ended after the click"
        ids=$(zoffwindows)
        [[ -n $ids && $ids != *"$menuwindow"* ]] && break
        if (($(ms) > end)); then
            snap
            shot FAIL-no-game-window
            die "the menu window is still there 10 s after the click (windows: ${ids//$'\n'/ })"
        fi
        sleep 0.05
    done
    [[ $(wc -l <<<"$ids") -eq 1 ]] || fail "$(wc -l <<<"$ids") windows after the click, not one: ${ids//$'\n'/ }"
    gamewin=$(head -n 1 <<<"$ids")
    usewindow "$gamewin"
    say "the game window $gamewin: $ww x $wh at $wx,$wy"
    [[ $wx == "$menux" && $wy == "$menuy" ]] ||
        fail "the game window opened at $wx,$wy, not at the menu's place $menux,$menuy"
}

# quit: Esc ends the program at once, with status 0: within a second. A
# slower end is waited for a few seconds more, to tell slow from never.
quit() {
    xdo windowfocus --sync "$1"
    xdo key Escape
    local t0 took rc
    t0=$(ms)
    while kill -0 "$game" 2>/dev/null && (($(ms) - t0 < 5000)); do sleep 0.02; done
    took=$(($(ms) - t0))
    if kill -0 "$game" 2>/dev/null; then
        snap
        shot FAIL-esc
        die "the game still runs 5 s after Esc"
    fi
    wait "$game"
    rc=$?
    game=''
    say "Esc: the game ended $took ms after the key with status $rc"
    ((took <= 1000)) || fail "the game ended $took ms after Esc, not within 1 s"
    ((rc == 0)) || fail "Esc ended the game with status $rc, not 0"
}

# The sound: what the game gave the sound card goes to a file, 16-bit stereo
# at 44100 Hz as the game opens the mixer. peak FROM: the peak amplitude (of
# full scale 1) of what was written from byte FROM on, into $peak, and into
# $frames how many sample frames that was.
peak() {
    local from=$(($1 / 4 * 4)) to
    to=$(stat -c %s "$tmp/audio.raw" 2>/dev/null || echo 0)
    to=$((to / 4 * 4))
    frames=$(((to - from) / 4)) peak=0
    ((to > from)) || return 0
    peak=$(tail -c +$((from + 1)) "$tmp/audio.raw" | head -c $((to - from)) |
        sox -t raw -r 44100 -e signed -b 16 -c 2 -L - -n stat 2>&1 |
        awk '/^Maximum amplitude/ {m = $3} /^Minimum amplitude/ {n = -$3}
             END {print (m > n ? m : n) + 0}')
}
# loud P: the peak P is above 1% of full scale, far above any rounding noise.
loud() { awk -v p="$1" 'BEGIN {exit !(p > 0.01)}'; }
# soundcheck WHAT FROM SECONDS: waits until the sound written from byte FROM on
# is loud.
soundcheck() {
    local what=$1 from=$2 end=$(($(ms) + $3 * 1000))
    while :; do
        peak "$from"
        loud "$peak" && break
        if (($(ms) > end)); then
            fail "$what: silence for $3 s, peak amplitude $peak over $frames sample frames"
            return
        fi
        sleep 0.1
    done
    say "$what: peak amplitude $peak over $frames sample frames"
}

# ---------------------------------------------------------------------------
# A player's walk and bomb. The player starts on column START of the top row
# and steps one square towards the middle (direction DIR) with the key TOWARD;
# a block stops him there. He drops a bomb with DROP, steps back with BACK and
# goes down three squares with DOWN, out of the fire's reach. The bomb burns
# its square and the start square, breaks the block beyond, and gives the
# player his bomb back and 10 points for the block.
walkandbomb() {
    local n=$1 start=$2 dir=$3 toward=$4 back=$5 down=$6 drop=$7
    local next=$((start + dir)) beyond=$((start + 2 * dir))
    xdo windowfocus --sync "$gamewin"

    xdo keydown "$toward"
    waitfor 5 "player $n steps from ($start,0) to ($next,0) while $toward is held" \
        squares ground "$start" 0 drawn "$next" 0
    xdo keyup "$toward"
    shot "player$n-stepped"

    # The player's frame of the scoreboard (player 2's starts 4885 twips
    # down): the bomb counter at 840,1440 twips in it, 255 x 375, and the
    # score at 120,480, 975 x 375.
    local frametop=$((n == 1 ? 0 : 4885))
    local counter=(56 $(((frametop + 1440) / 15)) 17 25) score=(8 $(((frametop + 480) / 15)) 65 25)
    cp "$tmp/snap.xwd" "$tmp/before.xwd"
    # changed HOW BOX WHAT: the box against the snapshot before the drop.
    changed() {
        at "${@:2:4}"
        expect "a $1 0" "$6: pixels changed since before the drop" diffile "$tmp/before.xwd" "${S[@]}"
    }
    counterdown() { newcheck && changed '>' "${counter[@]}" "the bomb counter" && judge; }
    xdo keydown "$drop"
    waitfor 3 "player $n's bomb counter changes while $drop is held" counterdown
    xdo keyup "$drop"

    # The fire burns for a few hundredths of a second: from now on the frame
    # buffer itself is watched, in a part of the start square's middle row
    # (where the bomb's arm burns) and the top rows of the bomb's square (where
    # its own flame stands up), both away from the bomb's flickering digit.
    # Nothing else there is drawn in the flames' colours, the sprites neither.
    local half=$((dir > 0 ? 0 : 21))
    sq "$start" 0 && at $((B[0] + half)) 23 21 1 && local arm=("${S[@]}")
    sq "$next" 0 && at "${B[0]}" 2 42 10 && local own=("${S[@]}")
    perl "$screenreader" "$fb" watch fire 10 "$tmp/fire.xwd" 2 "${arm[@]}" "${own[@]}" >"$tmp/fire" &
    local watcher=$!

    # Away from the bomb: back to the start square, then down out of reach.
    xdo keydown "$back"
    waitfor 5 "player $n steps back onto ($start,0) while $back is held" squares drawn "$start" 0
    xdo keyup "$back"
    xdo keydown "$down"
    waitfor 5 "player $n walks down to ($start,3) while $down is held, the bomb shows on ($next,0)" \
        squares ground "$start" 0 ground "$start" 1 ground "$start" 2 drawn "$start" 3 drawn "$next" 0
    xdo keyup "$down"
    shot "player$n-bomb"

    wait "$watcher"
    if [[ $(cat "$tmp/fire") == seen ]]; then
        say "fire seen"
        cp "$tmp/fire.xwd" "$tmp/snap.xwd"
        shot "player$n-fire"
    else
        snap
        shot "FAIL-player$n-no-fire"
        fail "no fire on ($start,0) or ($next,0) within 10 s of the bomb's drop"
    fi

    # After the fire: the two squares are bare ground again, the block is gone
    # (ground, or a power-up it left), the counter is as before the drop and
    # the score has changed once the block's award faded.
    local blockref
    sq 1 2 && at "${B[@]}" && blockref=("${S[@]}") # a block no fire here reaches
    afterfire() {
        newcheck
        addsquares ground "$next" 0 ground "$start" 0
        sq "$beyond" 0 && at "${B[@]}"
        expect "a > 0" "($beyond,0) against a block: differing pixels" diff "${S[@]:0:2}" "${blockref[@]}"
        changed '==' "${counter[@]}" "the bomb counter"
        changed '>' "${score[@]}" "the score"
        addsquares drawn "$start" 3
        judge
    }
    waitfor 5 "after the fire: ($next,0) and ($start,0) bare, the block at ($beyond,0) broken, the bomb back, points scored" afterfire
    shot "player$n-after"
}

# ---------------------------------------------------------------------------

case $scenario in
one | two)
    start
    waitfor 10 "the menu shows its title and items" menushown
    say "menu: $seen"
    shot menu
    soundcheck "the menu's tune" 0 5
    click "$([[ $scenario == one ]] && echo oneplayer || echo twoplayer)"
    gamewindow
    [[ $ww == 796 && $wh == 591 ]] || fail "the game window is $ww x $wh, not 796 x 591"
    players=$([[ $scenario == one ]] && echo 1 || echo 2)
    waitfor 10 "the game window shows level 0's board" boardshown "$players"
    shot board
    soundfrom=$(stat -c %s "$tmp/audio.raw" 2>/dev/null || echo 0)
    if [[ $scenario == one ]]; then
        walkandbomb 1 0 1 Right Left Down ctrl
    else
        walkandbomb 2 16 -1 a d s q
        waitfor 2 "player 1 still stands on (0,0)" squares drawn 0 0
    fi
    soundcheck "the game's sound since its board showed" "$soundfrom" 5
    quit "$gamewin"
    ;;
scaled)
    start
    waitfor 10 "the menu shows its title and items" menushown
    notewhite
    resize "$menuwindow" 1592 1182
    scale=2
    waitfor 10 "the menu shows its title and items at twice the size, sharp" menushown sharp
    say "menu at twice the size: $seen"
    shot menu-doubled
    click oneplayer
    gamewindow
    # The game window takes the menu's place; at twice the size, or at its
    # own size and then made twice as large.
    if [[ $ww == 796 && $wh == 591 ]]; then
        scale=1
        waitfor 10 "the game window shows level 0's board" boardshown 1
        resize "$gamewin" 1592 1182
    fi
    [[ $ww == 1592 && $wh == 1182 ]] || die "the game window is $ww x $wh"
    scale=2
    waitfor 10 "the game window shows level 0's board at twice the size" boardshown 1
    shot board-doubled
    xdo windowfocus --sync "$gamewin"
    xdo keydown Right
    waitfor 5 "player 1 steps from (0,0) to (1,0) at twice the size" squares ground 0 0 drawn 1 0
    xdo keyup Right
    shot player1-stepped-doubled
    quit "$gamewin"
    ;;
*)
    die "unknown scenario $scenario (one, two or scaled)"
    ;;
esac

if ((failures)); then
    echo "$failures failure(s); screenshots in $shots" >&2
    exit 1
fi
say "all checks passed"

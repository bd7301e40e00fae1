#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the game from BUILD_DIR into a temporary prefix, starts it from its menu entry in a
# real X server (Xvfb), and plays it with xdotool as a player would: a short game by mouse,
# saving with F4, opening with F3, help with F1, closing through the File menu. It is started
# in another folder than its data, and must still be heard and show its help. The saved files
# must equal what reikoboy-replay writes for the same moves. Screenshots of every stage are
# left in OUT_DIR. Usage: play_installed_game.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$(realpath "$1")
out=$2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
source "$source_dir/tests/e2e/x_server.sh"
moves=$source_dir/data/sample-game.txt
rm -rf "$out"
mkdir -p "$out"
out=$(realpath "$out")
work=$(mktemp -d)
stage="setting up"
xvfb="" game=""

fail() {
    echo "e2e: FAILED at stage '$stage': $*" >&2
    shot "failed" || true
    exit 1
}
cleanup() {  # every process this script started, by its id, whatever their exit status
    local pid
    for pid in $game $xvfb; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
shot() {
    shots=$((shots + 1))
    "$build/bin/reikoboy-screengrab" "$out/$(printf '%02d' $shots)-$1.png"
}
shots=0

for tool in Xvfb xdotool; do command -v $tool >/dev/null || fail "needs $tool"; done

# --- installing, as a packager would
stage="install"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" || fail "cmake --install: $(tail -3 "$work/install.log")"
entry=$work/prefix/share/applications/org.example.Reikoboy.desktop
[ -f "$entry" ] || fail "no menu entry at share/applications"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ "$exec_line" = "$work/prefix/bin/reikoboy" ] || fail "menu entry runs '$exec_line'"
grep -q '^Path=' "$entry" && fail "menu entry sets a starting folder"
data_dir=$work/prefix/share/reikoboy
for f in Click.wav Fishka.wav Baraban.wav Reika.wav index.htm; do
    [ -f "$data_dir/$f" ] || fail "$f is not in the data folder"
done

# --- a real X server of our own
stage="X server"
start_x_server "$work"

# --- starting from the menu entry, in the home folder as a desktop does; OpenAL Soft's wave
# writer stands in for the sound card and records what a player would hear
stage="start from the menu entry"
printf '[general]\ndrivers=wave\n[wave]\nfile=%s\n' "$work/heard.wav" >"$work/alsoft.conf"
export ALSOFT_CONF=$work/alsoft.conf
(cd "$HOME" && exec $exec_line) >"$work/game.log" 2>&1 &
game=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game" --name '^Рейкобой$' | head -1) ||
    fail "no window titled Рейкобой within 20 s: $(cat "$work/game.log")"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 634 ] || fail "window is $WIDTH pixels wide, not 634"
# The inner area is the 634 x 408 pixels below the menu bar, at the bottom of the window.
left=$X top=$((Y + HEIGHT - 408))
xdotool windowfocus --sync "$window"
sleep 1
shot "started"

click() {  # click X Y inside the inner area
    xdotool mousemove --sync $((left + $1)) $((top + $2)) click 1
}
window_count() { xdotool search --onlyvisible --pid "$game" 2>/dev/null | wc -l; }
wait_for_dialog() {  # wait_for_dialog WHAT: a second window of the game appears
    for _ in $(seq 100); do [ "$(window_count)" -gt 1 ] && { sleep 0.3; return 0; }; sleep 0.1; done
    fail "no $1 appeared"
}
wait_for_no_dialog() {
    for _ in $(seq 100); do [ "$(window_count)" -le 1 ] && return 0; sleep 0.1; done
    fail "the $1 did not close"
}
wait_for_file() {
    for _ in $(seq 50); do [ -s "$1" ] && return 0; sleep 0.1; done
    fail "no file $1"
}
# The centre of each board button, in inner-area pixels.
play() {  # play MOVE [ARG]
    case $1 in
        Command1) click $((180 + 40 * $2 + 16)) 56 ;;
        Command2) click 24 $((80 + 40 * $2 + 16)) ;;
        Command3) click 608 $((80 + 40 * $2 + 16)) ;;
        Command4) local xs=(480 480 152 152) ys=(336 368 336 368); click "${xs[$2]}" "${ys[$2]}" ;;
        Command5) click 316 32 ;;
        *) fail "cannot play '$1'" ;;
    esac
    sleep 1.5  # the slide and every fall run to their end
}
key() {  # key KEY...: to the main window, which has no window manager to give it the focus
    xdotool windowfocus --sync "$window"
    xdotool key "$@"
}
save_as() {  # the open or save dialog: replace the name with a full path, press Enter
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 5 "$1"
    xdotool key Return
}

# --- a short game: drops, a shift with a fall, a drum turn, a pass
stage="playing"
played=()
while read -r move arg; do
    [[ -z "$move" || "$move" == \#* ]] && continue
    stage="playing $move $arg"
    play "$move" "$arg"
    played+=("$move $arg")
done <"$moves"
shot "played"

stage="save with F4"
key F4
wait_for_dialog "save dialog"
shot "save-dialog"
save_as "$work/first.sav"
wait_for_file "$work/first.sav"
wait_for_no_dialog "save dialog"
printf '%s\n' "${played[@]}" | "$build/bin/reikoboy-replay" >"$work/replayed.sav" || fail "replay refused the moves"
cmp "$work/first.sav" "$work/replayed.sav" || fail "the saved game differs from the replayed one"
shot "saved"

stage="open with F3"
key F3
wait_for_dialog "open dialog"
save_as "$work/first.sav"
wait_for_no_dialog "open dialog"
sleep 0.5
shot "opened"

stage="help with F1"
key F1
wait_for_dialog "help window"
help_window=$(xdotool search --onlyvisible --pid "$game" --name '^Справка$' | head -1)
[ -n "$help_window" ] || fail "the help window is not titled Справка"
shot "help"
# Started in the home folder, the game finds its help in its data folder: the page with its
# board picture, not the plain text that says the help is missing.
eval "$(xdotool getwindowgeometry --shell "$help_window")"
coloured=$("$build/bin/reikoboy-screengrab" --coloured "$X" "$Y" 569 353)
[ "$coloured" -gt 1000 ] || fail "the help page shows no pictures ($coloured coloured pixels): not found?"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool key Return
wait_for_no_dialog "help window"

stage="one more move after opening"
play Command4 0
played+=("Command4 0")
shot "moved"

close_through_menu() {  # the File menu, its last item (Exit)
    click 20 $((-(HEIGHT - 408) / 2))
    sleep 0.5
    xdotool key Up Return
}
stage="close, then cancel"
close_through_menu
wait_for_dialog "close question"
shot "close-question"
xdotool key Escape
wait_for_no_dialog "close question"
kill -0 "$game" 2>/dev/null || fail "Cancel closed the game"
settings=$XDG_CONFIG_HOME/Рейкобой/Рейкобой.ini
[ -f "$settings" ] || fail "no settings written after Cancel"

stage="close, save on the way out"
close_through_menu
wait_for_dialog "close question"
xdotool key Return  # Yes, the default
sleep 0.5
wait_for_dialog "save dialog"
save_as "$work/last.sav"
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game is still running after Yes and a save"
wait "$game" || fail "the game exited with status $?"
game=""
printf '%s\n' "${played[@]}" | "$build/bin/reikoboy-replay" >"$work/replayed-last.sav" || fail "replay refused the moves"
cmp "$work/last.sav" "$work/replayed-last.sav" || fail "the game saved on closing differs from the replayed one"

stage="sounds"
# The home folder holds no sounds: what was heard came from the installed data folder. The
# recording's samples follow its 68-byte header; silence is all zero bytes.
[ -s "$work/heard.wav" ] || fail "nothing was recorded from the game's sound device"
samples=$(($(stat -c %s "$work/heard.wav") - 68))
cmp -s <(tail -c "$samples" "$work/heard.wav") <(head -c "$samples" /dev/zero) &&
    fail "the game played only silence"

stage="settings"
grep -q '^\[Settings\]' "$settings" || fail "no [Settings] section: $(cat "$settings")"
# QSettings writes the keys "&Звук" and "Фон" escaped: sound on, no background chosen.
grep -qx '%26%U0417%U0432%U0443%U043A=0' "$settings" || fail "the sound setting is not 0: $(cat "$settings")"
grep -qx '%U0424%U043E%U043D=' "$settings" || fail "the background setting is not empty: $(cat "$settings")"
cp "$settings" "$out/settings.ini"
shot "closed"
echo "e2e: the installed game played, saved, opened, showed help and closed; pictures in $out"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# End-to-end runs of reikoboy-replay: exit codes, trace lines and the bytes it writes.
# Usage: replay_test.sh REPLAY_BINARY CASE
set -u
replay=$1
case_name=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL ($case_name): $*" >&2; exit 1; }

run() {  # run STDIN_TEXT ARGS... ; sets rc, out, err
    printf '%b' "$1" >"$work/in"; shift
    "$replay" "$@" <"$work/in" >"$work/out" 2>"$work/err"
    rc=$?
}

# Writes last.sav: blue's last chip over rail 5, fifteen gone; a left slide of rail 5 ends it.
last_chip_game() {
    run ''
    awk 'NR==13{print "0,40,60,8,8,0,15,-1\r"; next}
         NR>=140 && NR<=195 {k=(NR-140)%7; i=int((NR-140)/7);
            if (i==7 && k==0) {print "304\r"; next}
            if (i==7 && k==1) {print "257\r"; next}
            if (i==7 && k==2) {print "#TRUE#\r"; next}
            if (k==6) {print (i==7 ? "0,1" : "1,1") "\r"; next}
            if (k==2 || k==5) {print "#FALSE#\r"; next}
            print "0\r"; next}
         {print}' "$work/out" >"$work/last.sav"
}

case "$case_name" in
startup)
    run ''
    [ "$rc" -eq 0 ] || fail "exit $rc"
    [ "$(wc -l <"$work/out")" -eq 212 ] || fail "not 212 lines"
    [ "$(sed -n 13p "$work/out")" = $'0,0,0,,,,,-1\r' ] || fail "line 13: $(sed -n 13p "$work/out")"
    [ ! -s "$work/err" ] || fail "stderr not empty"
    ;;
trace)
    run '# a drop, a shift and a pass\n\nCommand1 3\nCommand3 1\nCommand1 1\nCommand5\n' --trace
    [ "$rc" -eq 0 ] || fail "exit $rc"
    [ "$(cat "$work/err")" = $'sound 0\nsound 3\nsound 0\nsound 0' ] || fail "trace: $(cat "$work/err")"
    # The blue chip fell from level 0 through rail 1 and rail 2 onto rail 3.
    [ "$(sed -n 141p "$work/out")" = $'177\r' ] || fail "chip Top: $(sed -n 141p "$work/out")"
    ;;
refused-move)
    run 'Command1 3\nCommand2 2\nCommand2 2\n'
    [ "$rc" -eq 2 ] || fail "exit $rc"
    [ ! -s "$work/out" ] || fail "stdout not empty"
    grep -q 'line 3' "$work/err" || fail "message does not name line 3: $(cat "$work/err")"
    ;;
bad-lines)
    for line in 'Command1 7' 'Command1' 'Command9 1' 'Command5 0' 'Nova 1' 'command1 3' 'Command4 x'; do
        run "$line\n"
        [ "$rc" -eq 2 ] || fail "'$line' gave exit $rc"
        [ ! -s "$work/out" ] || fail "'$line' wrote to stdout"
        grep -q 'line 1' "$work/err" || fail "'$line': $(cat "$work/err")"
    done
    ;;
from-file)
    run 'Command1 3\nCommand3 1\nCommand4 1\n'
    cp "$work/out" "$work/game.sav"
    run 'Command2 3\n' --from "$work/game.sav"
    [ "$rc" -eq 0 ] || fail "exit $rc"
    cp "$work/out" "$work/continued.sav"
    run 'Command1 3\nCommand3 1\nCommand4 1\nCommand2 3\n'
    cmp -s "$work/out" "$work/continued.sav" || fail "opened game went on differently"
    ;;
from-refused)
    printf 'not a saved game\r\n' >"$work/bad.sav"
    run 'Command1 3\n' --from "$work/bad.sav"
    [ "$rc" -eq 3 ] || fail "exit $rc"
    grep -q 'Этот файл не сохранённая игра!' "$work/err" || fail "message: $(cat "$work/err")"
    [ ! -s "$work/out" ] || fail "stdout not empty"
    run '' --from "$work/missing.sav"
    [ "$rc" -eq 3 ] || fail "missing file gave exit $rc"
    ;;
from-midway)
    # Saved while rail 5 slid back home, 20 pixels short: opened, the slide runs to its end.
    run ''
    awk 'NR==11{print "76\r"; next} {print}' "$work/out" >"$work/midway.sav"
    run 'Command1 3\n' --from "$work/midway.sav"
    [ "$rc" -eq 0 ] || fail "exit $rc: $(cat "$work/err")"
    [ "$(sed -n 11p "$work/out")" = $'56\r' ] || fail "rail 5 Left: $(sed -n 11p "$work/out")"
    awk 'NR==11{print "74\r"; next} {print}' "$work/midway.sav" >"$work/between.sav"
    run '' --from "$work/between.sav"
    [ "$rc" -eq 3 ] || fail "a rail between the animation's steps gave exit $rc"
    ;;
question)
    # Blue's last chip waits over rail 5 with fifteen gone; a left slide of rail 5 ends the game.
    last_chip_game
    run 'Command2 5\n' --from "$work/last.sav" --trace --answer no
    [ "$rc" -eq 0 ] || fail "exit $rc: $(cat "$work/err")"
    grep -qx 'question Поздравляю! Ничья!\\n\\rХотите сыграть ещё?' "$work/err" \
        || fail "question: $(cat "$work/err")"
    [ "$(sed -n 13p "$work/out")" = $'0,60,60,8,8,1,16,5\r' ] || fail "line 13: $(sed -n 13p "$work/out")"
    run 'Command2 5\n' --from "$work/last.sav" --answer yes
    [ "$(sed -n 13p "$work/out")" = $'0,0,0,0,0,0,0,-1\r' ] || fail "yes: $(sed -n 13p "$work/out")"
    ;;
undo-redo)
    run 'Command1 3\nCommand3 1\nCommand1 1\nCommand5\n'
    cp "$work/out" "$work/played.sav"
    for script in 'Command1 3\nUndo\nRedo\nCommand3 1\nUndo\nRedo\nCommand1 1\nCommand5\n' \
                  'Command1 3\nCommand3 1\nCommand1 1\nCommand5\nUndo\nUndo\nUndo\nRedo\nRedo\nRedo\n' \
                  'Command1 3\nCommand3 1\nCommand1 1\nCommand2 4\nUndo\nCommand5\n'; do
        run "$script"
        [ "$rc" -eq 0 ] || fail "'$script' gave exit $rc: $(cat "$work/err")"
        cmp -s "$work/out" "$work/played.sav" || fail "'$script' played differently"
    done
    run 'Command1 3\nCommand3 1\n'
    cp "$work/out" "$work/shifted.sav"
    run 'Command1 3\nCommand3 1\nCommand4 0\nUndo\n'
    cmp -s "$work/out" "$work/shifted.sav" || fail "undo did not restore the board"
    # Taken back, no sound; played again, the slide sounds again.
    run 'Command3 1\nUndo\nRedo\n' --trace
    [ "$(cat "$work/err")" = $'sound 3\nsound 3' ] || fail "trace: $(cat "$work/err")"
    ;;
undo-refused)
    for script in 'Undo\n' 'Redo\n' 'Command1 3\nRedo\n' 'Command1 3\nUndo\nCommand1 1\nRedo\n' \
                  'Command1 3\nNova\nUndo\n' 'Command1 3\nUndo\nUndo\n'; do
        run "$script"
        [ "$rc" -eq 2 ] || fail "'$script' gave exit $rc"
        [ ! -s "$work/out" ] || fail "'$script' wrote to stdout"
        last=$(printf '%b' "$script" | wc -l)
        word=$(printf '%b' "$script" | tail -n 1)
        [ "$(cat "$work/err")" = "line $last: $word: this button is not offered now" ] \
            || fail "'$script': $(cat "$work/err")"
    done
    run 'Undo 1\n'
    [ "$rc" -eq 2 ] && grep -q 'line 1' "$work/err" || fail "'Undo 1' gave exit $rc"
    # An opened game is as far back as undo goes.
    run 'Command1 3\nCommand3 1\n'
    cp "$work/out" "$work/game.sav"
    run 'Command2 3\nCommand1 1\nUndo\nUndo\n' --from "$work/game.sav"
    [ "$rc" -eq 0 ] || fail "exit $rc"
    cmp -s "$work/out" "$work/game.sav" || fail "not back to the opened game"
    run 'Command2 3\nUndo\nUndo\n' --from "$work/game.sav"
    [ "$rc" -eq 2 ] || fail "undo past the opened game gave exit $rc"
    ;;
undo-end)
    # The end answered no: undo brings the last chip back. Answered yes: a new game, nothing to undo.
    last_chip_game
    run '' --from "$work/last.sav"
    cp "$work/out" "$work/before.sav"
    run 'Command2 5\nUndo\n' --from "$work/last.sav" --answer no
    [ "$rc" -eq 0 ] || fail "exit $rc: $(cat "$work/err")"
    cmp -s "$work/out" "$work/before.sav" || fail "the end was not taken back"
    run 'Command2 5\nUndo\nCommand4 1\nCommand2 5\n' --from "$work/last.sav" --trace
    grep -q 'question Поздравляю! Выиграли красные фишки!' "$work/err" || fail "$(cat "$work/err")"
    run 'Command2 5\nUndo\n' --from "$work/last.sav" --answer yes
    [ "$rc" -eq 2 ] || fail "undo after a new game from the question gave exit $rc"
    ;;
unreadable)
    "$replay" <"$work" >"$work/out" 2>"$work/err"
    rc=$?
    [ "$rc" -eq 1 ] || fail "a folder as the moves gave exit $rc"
    [ ! -s "$work/out" ] || fail "stdout not empty"
    grep -q 'cannot read' "$work/err" || fail "message: $(cat "$work/err")"
    # A 10 MB line is refused without being held or repeated.
    head -c 10000000 /dev/zero | tr '\0' x >"$work/in"
    "$replay" <"$work/in" >"$work/out" 2>"$work/err"
    rc=$?
    [ "$rc" -eq 2 ] || fail "a 10 MB line gave exit $rc"
    [ "$(wc -c <"$work/err")" -lt 200 ] || fail "message of $(wc -c <"$work/err") bytes"
    # A long comment within the limit is still a comment.
    { printf '#'; head -c 65535 /dev/zero | tr '\0' x; printf '\nCommand1 3\n'; } >"$work/in"
    "$replay" <"$work/in" >"$work/out" 2>"$work/err"
    [ $? -eq 0 ] || fail "a 64 KB comment: $(cat "$work/err")"
    # A long bad word is quoted to 80 characters.
    x80=$(head -c 80 /dev/zero | tr '\0' x)
    run "Command9${x80}yz\n"
    [ "$(cat "$work/err")" = "line 1: unknown move \"Command9${x80:8}…\"" ] \
        || fail "message: $(cat "$work/err")"
    ;;
suggest)
    # The computer's turn for the side to move: moves that replay, ending with the one that
    # passes the turn, the same every time.
    for level in novice amateur master; do
        run 'Command1 3\nCommand3 1\n' --suggest --level "$level"
        [ "$rc" -eq 0 ] || fail "$level: exit $rc: $(cat "$work/err")"
        [ ! -s "$work/err" ] || fail "$level: stderr: $(cat "$work/err")"
        cp "$work/out" "$work/turn"
        grep -qvE '^(Command1 [0-6]|Command[23] [0-5]|Command4 [0-3]|Command5)$' "$work/turn" \
            && fail "$level: not moves: $(cat "$work/turn")"
        tail -n 1 "$work/turn" | grep -q '^Command1' && fail "$level: the turn does not pass"
        run 'Command1 3\nCommand3 1\n' --suggest --level "$level"
        cmp -s "$work/out" "$work/turn" || fail "$level: a different turn the second time"
        run "Command1 3\nCommand3 1\n$(cat "$work/turn")\n" --trace
        [ "$rc" -eq 0 ] || fail "$level: the suggested turn does not replay: $(cat "$work/err")"
        [ "$(sed -n 13p "$work/out" | cut -d, -f6)" = 0 ] || fail "$level: blue is not to move after it"
    done
    # Over: nothing to suggest.
    last_chip_game
    run 'Command2 5\n' --from "$work/last.sav" --suggest
    [ "$rc" -eq 0 ] && [ ! -s "$work/out" ] || fail "after the end: exit $rc, $(cat "$work/out")"
    run '' --suggest --level grandmaster
    [ "$rc" -eq 1 ] || fail "an unknown level gave exit $rc"
    ;;
usage)
    run '' --answer maybe
    [ "$rc" -eq 1 ] || fail "exit $rc"
    # The usage names every option, on standard error for a mistake...
    for option in --from --answer --trace --suggest --level; do
        grep -q -- "$option" "$work/err" || fail "the usage does not name $option: $(cat "$work/err")"
    done
    # ... and on standard output, with success, when asked for.
    run '' --help
    [ "$rc" -eq 0 ] && [ ! -s "$work/err" ] && grep -q -- '--suggest' "$work/out" || fail "--help: exit $rc"
    # A strength without a computer to play it is refused, in any order.
    run '' --level amateur
    [ "$rc" -eq 1 ] && [ ! -s "$work/out" ] || fail "--level without --suggest gave exit $rc"
    run '' --level novice --suggest
    [ "$rc" -eq 0 ] || fail "--level before --suggest gave exit $rc"
    ;;
*) fail "unknown case" ;;
esac
exit 0

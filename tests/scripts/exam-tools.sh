#!/usr/bin/env bash
# The exam simulator's helper programs answer as tools do: a usage line and
# exit 2 on bad usage, a message and exit 1 when they cannot do the job.
# Usage: exam-tools.sh MAKE-EXAM-RESOURCES EXAMSIM-UI-SHOTS INTERFACE-LANGUAGE
set -uo pipefail
resources=$1 shots=$2 language=$3
. "$(dirname "$0")/expect.sh"
export QT_QPA_PLATFORM=offscreen

out=$("$resources" 2>&1); expect "make-exam-resources without arguments" 2 $? "$out" '^usage: make-exam-resources'
out=$("$resources" "$tmp/new/folder" 2>&1); expect "make-exam-resources into a missing folder" 0 $? "$out"
[ -s "$tmp/new/folder/ProgIcon.png" ] && [ -s "$tmp/new/folder/SoundGood.wav" ]
expect "make-exam-resources wrote its files" 0 $?
touch "$tmp/plain-file"
out=$("$resources" "$tmp/plain-file/sub" 2>&1); expect "make-exam-resources into a file" 1 $? "$out" 'cannot create'

out=$("$shots" 2>&1); expect "examsim_ui_shots without arguments" 2 $? "$out" '^usage: examsim_ui_shots'
out=$("$shots" "$tmp/no-such-samples" "$tmp/shots" 2>&1)
expect "examsim_ui_shots with a wrong samples folder" 1 $? "$out" 'no question bank'
[ -z "$(ls -A "$tmp/shots" 2>/dev/null)" ]; expect "examsim_ui_shots wrote no picture for it" 0 $?

out=$(env -u LANGUAGE LC_ALL=fr_CA.UTF-8 LANG=C.UTF-8 "$language"); expect "LC_ALL French, LANG C" 0 $? "$out" '^fr$'
out=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=fr_FR.UTF-8 "$language"); expect "LANG French" 0 $? "$out" '^fr$'
out=$(env -u LANGUAGE LC_ALL=en_CA.UTF-8 LANG=fr_CA.UTF-8 "$language"); expect "LC_ALL English, LANG French" 0 $? "$out" '^en$'
out=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 "$language"); expect "LANG C" 0 $? "$out" '^en$'

[ $failures -eq 0 ]

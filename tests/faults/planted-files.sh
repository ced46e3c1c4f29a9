#!/usr/bin/env bash
# Special files planted in a shared folder under the names the programs
# read: a FIFO (which blocks whoever opens it to read), a link to /dev/zero
# (which never ends) and a file longer than the readers take. Every command
# and program is run as a whole process under a time limit: the commands
# must end with their refusal, naming the file, and the programs must reach
# their window (waiting in the event loop, not in an open or a read) and
# stay up, with the rest of the folder.
# Usage: planted-files.sh SAMPLES ULVORANE-BANK OSTRILON-DIAGRAMS [ULVORANE OSTRILON]
set -uo pipefail
samples=$1 bank=$2 diagrams=$3 ulvorane=${4:-} ostrilon=${5:-}
. "$(dirname "$0")/../scripts/expect.sh"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
unset LANG LANGUAGE

notRegular='err=22 not a regular file \(a FIFO, a device or a folder\), refused'
notRegularFr='err=22 pas un fichier ordinaire \(FIFO, périphérique ou dossier\), refusé'
tooLong='err=27 longer than 16777216 bytes, refused'

mkdir "$tmp/share"
cd "$tmp/share"
mkfifo Questions_Fifo.txt Diagrams_Fifo.txt Ulvorane_Log.txt
ln -s /dev/zero Questions_Zero.txt
ln -s /dev/zero Diagrams_Zero.txt
truncate -s 16777217 Questions_Long.txt
truncate -s 16777217 Diagrams_Long.txt

# The commands, each on each file; 124 is the time limit's own exit code.
for name in Fifo Zero; do
    out=$(timeout 20 "$bank" check "Questions_$name.txt" 2>&1)
    expect "ulvorane-bank check on Questions_$name.txt" 1 $? "$out" "^ $notRegular \$"
    [ "$(head -1 <<<"$out")" = "myReadQuestionBank, cannot open file " ] && grep -qx " ./Questions_$name.txt" <<<"$out"
    expect "... in the message naming the file" 0 $?
    out=$(timeout 20 "$bank" --lang fr check "Questions_$name.txt" 2>&1)
    expect "ulvorane-bank --lang fr check on Questions_$name.txt" 1 $? "$out" "^ $notRegularFr \$"
    out=$(timeout 20 "$diagrams" check "Diagrams_$name.txt" 2>&1)
    expect "ostrilon-diagrams check on Diagrams_$name.txt" 1 $? "$out" \
        "^myReadQuestionBank, cannot open file Diagrams_$name\.txt $notRegular\$"
done
out=$(timeout 20 "$bank" check Questions_Long.txt 2>&1)
expect "ulvorane-bank check on a bank over the limit" 1 $? "$out" "^ $tooLong \$"
out=$(timeout 20 "$diagrams" check Diagrams_Long.txt 2>&1)
expect "ostrilon-diagrams check on a diagram file over the limit" 1 $? "$out" \
    "^myReadQuestionBank, cannot open file Diagrams_Long\.txt $tooLong\$"

# A log named outright that is a folder or a FIFO gets its error number.
cp "$samples/Questions_Basic-English.txt" "$tmp/Questions_Basic-English.txt"
out=$(timeout 20 "$bank" progress --log "$tmp" "$tmp/Questions_Basic-English.txt" 2>&1)
expect "ulvorane-bank progress --log FOLDER" 1 $? "$out" \
    "^ulvorane-bank progress, cannot open the log .* err=21 not a regular file"
out=$(timeout 20 "$bank" progress --log Ulvorane_Log.txt "$tmp/Questions_Basic-English.txt" 2>&1)
expect "ulvorane-bank progress --log FIFO" 1 $? "$out" \
    "^ulvorane-bank progress, cannot open the log Ulvorane_Log\.txt $notRegular\$"

# started PROGRAM ARGS...: the program, started in the background, must be
# up and waiting in its event loop (poll or ppoll) within 20 s; it is then
# ended. Prints what it found: "waiting", "exit N" or "system call N".
started() {
    "$@" >"$tmp/program.out" 2>&1 &
    local pid=$! call=""
    for _ in $(seq 40); do
        sleep 0.5
        if ! kill -0 $pid 2>/dev/null; then
            wait $pid
            echo "exit $?"
            return
        fi
        call=$(cut -d' ' -f1 /proc/$pid/syscall 2>/dev/null)
        # Still busy starting (running) or waiting for its events?
        if [ "$call" = 7 ] || [ "$call" = 271 ]; then
            sleep 1
            call=$(cut -d' ' -f1 /proc/$pid/syscall 2>/dev/null)
            if [ "$call" = 7 ] || [ "$call" = 271 ]; then
                kill $pid
                wait $pid 2>/dev/null
                echo waiting
                return
            fi
        fi
    done
    kill -9 $pid
    wait $pid 2>/dev/null
    echo "system call $call"
}

if [ -n "$ulvorane" ]; then
    cp "$samples/Questions_Basic-English.txt" .
    out=$(started "$ulvorane" "/P=$tmp/share")
    expect "Ulvorane in the folder reaches its window" 0 0 "$out" '^waiting$'
fi
if [ -n "$ostrilon" ]; then
    # Ostrilon opens the first diagram file it lists by itself: let that be
    # the sample, then the FIFO, the link and the long file come after it.
    cp "$samples/Diagrams_Basic-English.txt" Diagrams_A.txt
    out=$(started "$ostrilon" "/P=$tmp/share")
    expect "Ostrilon in the folder reaches its window" 0 0 "$out" '^waiting$'
fi

[ $failures -eq 0 ]

#!/usr/bin/env bash
# What a clerk does, for real: the program on a virtual X server, driven by real key presses and
# mouse clicks, against the demo data on the throwaway server that scripts/test started. Lists every
# groupable invoice of client 101, ticks them all from the first column's title, generates the order
# and checks what reached the database.
#
#   tests/e2e/generate_order.sh PROGRAM SOURCE_DIR
set -euo pipefail

program="$1"
source_dir="$2"
: "${QUELVAR_PG_HOST:?run through scripts/test}"

work="$(mktemp -d)"
database="quelvar_e2e_$$"
xvfb_pid=""
program_pid=""

psql_in() {
    PGPASSWORD="$QUELVAR_PG_PASSWORD" psql -X -q -v ON_ERROR_STOP=1 -h "$QUELVAR_PG_HOST" -p "$QUELVAR_PG_PORT" \
        -U "$QUELVAR_PG_USER" -d "$1" "${@:2}"
}
value() { psql_in "$database" -At -c "$1"; }

cleanup() {
    [[ -n "$program_pid" ]] && kill "$program_pid" 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    psql_in postgres -c "drop database if exists $database with (force)" >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    printf 'e2e: %s\n' "$*" >&2
    if [[ -n "${DISPLAY:-}" ]]; then
        import -window root "$work/screen.png" 2>/dev/null && cp "$work/screen.png" "${TMPDIR:-/tmp}/quelvar-e2e-failure.png" &&
            printf 'e2e: the screen at the failure: %s\n' "${TMPDIR:-/tmp}/quelvar-e2e-failure.png" >&2
    fi
    [[ -s "$work/program.log" ]] && sed 's/^/program: /' "$work/program.log" >&2
    exit 1
}

# Polls until the query gives the expected text, for a slow machine's sake.
wait_for() {
    local query="$1" expected="$2" got=""
    for _ in $(seq 1 100); do
        got="$(value "$query")"
        [[ "$got" == "$expected" ]] && return 0
        sleep 0.2
    done
    fail "waited for «$query» to give «$expected», it gives «$got»"
}

psql_in postgres -c "create database $database template $QUELVAR_PG_TEMPLATE" >/dev/null
psql_in "$database" --single-transaction -f "$source_dir/db/demo_data.sql" >/dev/null

# A display of our own: Xvfb picks a free number and tells it.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 50); do
    [[ -s "$work/display" ]] && break
    sleep 0.1
done
[[ -s "$work/display" ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM

LANG=pt_BR.UTF-8 "$program" "$QUELVAR_PG_HOST" "$QUELVAR_PG_PORT" "$QUELVAR_PG_USER" "$QUELVAR_PG_PASSWORD" \
    "$database" 1 10 clerk >"$work/program.log" 2>&1 &
program_pid=$!
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Quelvar$' | head -1)" ||
    fail "the main window did not appear"
xdotool windowfocus --sync "$window"

# Focus starts in the date kind; on to "Qualquer data", tick it, on to the client code.
xdotool key --delay 60 Tab Tab Tab space Tab
xdotool type --delay 60 101
# Leaving the code looks the client up and moves on to "Selecionar", which Enter presses at once
# (its accelerator would press it a moment later, after the click below could already be handled).
xdotool key --delay 200 Tab Return

expected_rows="$(value "select count(*) from nf join opnf on opnfcod = nfopnfcod where nfparcod = 101 and opnfsta = 'G'")"
((expected_rows > 1)) || fail "the demo data should give client 101 several groupable invoices"
sleep 1

# The first column's title ticks every row; its middle is 10 pixels in and a few below the grid's
# top (title panel 33 and selection group 104 pixels high).
xdotool mousemove --window "$window" 10 146 click 1
sleep 0.5
xdotool key alt+g

wait_for "select count(*) from pv" 1
# The success message is answered as the clerk would, with Enter on its OK button.
sleep 0.5
xdotool key Return

wait_for "select pvcliparcod || ' ' || pvtccod from pv" "101 $(value "select clitccod from clitc join cli on cliparcod = clitccliparcod join plpg on plpgcod = cli_plano_pagamento join tc on tccod = clitctccod and plpgpzmedio between tcpzmediomin and tcpzmediomax where cliparcod = 101 order by clitcseq limit 1")"
wait_for "select (select sum(nfvl) from nf join opnf on opnfcod = nfopnfcod where nfparcod = 101 and opnfsta = 'G') = pvvltotal from pv" t
wait_for "select count(*) from pvi" \
    "$(value "select count(distinct (nfiprocod, nfinfempparcod)) from nfi join nf on nfcod = nfinfcod and nfempparcod = nfinfempparcod join opnf on opnfcod = nfopnfcod where nfparcod = 101 and opnfsta = 'G'")"
notes="$(value "select pvobsped from pv")"
[[ "$(grep -o ', ' <<<"$notes" | wc -l)" == "$expected_rows" ]] || fail "the remarks name $notes"

kill "$program_pid" 2>/dev/null || true
printf 'e2e: one order of %s invoices written through the window\n' "$expected_rows"

# The start of an online update as the end-to-end scripts drive it; source after
# brelk_program.sh. update_run_start SECONDS serves an update of three files (liesmich.txt,
# paket.bin sent slowly over SECONDS, and the stand-in updater update.exe) from a test server,
# lays out the program with that server as both of its servers, starts brelk.exe and starts the
# update from its page. answer_question then confirms the message box beside the main window.

update_run_start() {
    STANDIN=$(dirname "$EXE")/tests/record_start.exe
    [ -f "$STANDIN" ] || fail "no stand-in updater $STANDIN"
    start_test_server 180
    trap stop_test_server EXIT
    dwn="$WWW/premium/2005b/dwn"
    mkdir -p "$dwn"
    printf '[Options]\r\nVersion=5.1\r\nFiles=3\r\n[Files]\r\n1=liesmich.txt\r\n2=paket.bin\r\n3=update.exe\r\n' \
        >"$dwn/update.ini"
    printf 'Neu in 5.1\r\n' >"$dwn/liesmich.txt"
    head -c 400000 /dev/zero >"$dwn/paket.bin"
    cp "$STANDIN" "$dwn/update.exe"
    echo "/premium/2005b/dwn/paket.bin slow $1" >"$WWW/_behaviour"
    layout_program 0 0
    printf '[Onlineservices]\r\nServer1=%s\r\nServer2=%s\r\nping=no\r\n' "$BRELK_TEST_SERVER" \
        "$BRELK_TEST_SERVER" >"$DIR/modules/oservices.ini"
    start_brelk
    click_at 200 451 # menu "Update"
    click_at 170 133 # "Update durchführen >"
}

# Presses Return on the first message box beside the main window within a minute; fails
# naming the question ($1) when none comes.
answer_question() {
    for _ in $(seq 1 240); do
        for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
            [ "$id" = "$MAIN" ] && continue
            xdotool windowactivate --sync "$id" key Return 2>/dev/null ||
                xdotool key --window "$id" Return
            sleep 0.5
            return 0
        done
        sleep 0.25
    done
    [ -n "${SHOTS:-}" ] && mkdir -p "$SHOTS" && "$ROOT/tools/screenshot.sh" "$SHOTS/${NAME}_failed.png"
    fail "no question appeared: $1 (requests: $(tr "\n" " " <"$BRELK_TEST_SERVER_LOG"))"
}

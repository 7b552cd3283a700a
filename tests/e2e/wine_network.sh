# Varnolux.exe on a serial port over the network: ser2net serves the simulated
# target's terminal over RFC 2217 on a loopback port, and [Comms] Port= names
# it. The rate is detected through the server and the list shows the target's values.
#
# Needs the native simulator beside the Windows build (VARNOLUX_SIM, or
# build/native/varnolux-sim) and ser2net.

network_free_port() {
    python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

network_accepts() {
    python3 -c 'import socket,sys; socket.create_connection(("127.0.0.1", int(sys.argv[1])), 0.2).close()' "$1"
}

# network_ser2net_start PORT: ser2net serving the simulator's terminal over RFC 2217 at PORT.
network_ser2net_start() {
    command -v ser2net >/dev/null || fail "ser2net is not installed (make deps)"
    printf 'connection: &target\n  accepter: telnet(rfc2217),tcp,127.0.0.1,%s\n  connector: serialdev,%s,115200n81,local\n' \
        "$1" "$(readlink -f "$E2E_WORK/com1")" >"$E2E_WORK/ser2net.yaml"
    ser2net -n -d -c "$E2E_WORK/ser2net.yaml" -P "$E2E_WORK/ser2net.pid" \
        >"$E2E_WORK/ser2net.log" 2>&1 &
    SER2NET_PID=$!
    wait_for 10 network_accepts "$1" || fail "ser2net did not start: $(cat "$E2E_WORK/ser2net.log")"
}

network_ser2net_stop() {
    kill "$SER2NET_PID" 2>/dev/null || return 0
    wait "$SER2NET_PID" 2>/dev/null || true
}

network_status_is() {
    [ "$(probe status "$MAIN_CLASS" "$1")" == "$2" ]
}

test_network_port_detects_the_rate_through_rfc2217_and_lists_the_targets_values() {
    local dir port wrong
    dir=$(quiet_demo_folder)
    port=$(network_free_port)
    sed -i "s|^Port=.*|Port=rfc2217://127.0.0.1:$port\r|; s/^Baud=.*/Baud=0\r/" "$dir/Varnolux.ini"
    start_sim "$dir" --baud 57600 --dumps 12
    network_ser2net_start "$port"
    start_varnolux "$dir"
    wait_for 60 network_status_is 0 " Comms established" ||
        fail "status part 0: '$(probe status "$MAIN_CLASS" 0)'"
    assert_eq " rfc2217://127.0.0.1:$port  57600 A" "$(probe status "$MAIN_CLASS" 2)" "status part 2"
    continuous_dumps 12
    sleep 1  # timer 1 takes the last dump into the list
    wrong=$(values_against_truth)
    [ -z "$wrong" ] || fail "values differ from the target's RAM: $wrong"
    probe close "$MAIN_CLASS"
    wait_exit "$VARNOLUX_PID" 20
    stop_sim
    network_ser2net_stop
}

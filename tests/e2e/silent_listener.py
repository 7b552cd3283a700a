#!/usr/bin/env python3
"""A loopback TCP port where nothing answers a connect, until told to.

The listener's backlog is one connection (listen(fd, 0)) and is filled by
connections of its own that it does not accept: the system then drops every
further SYN, as a host behind a firewall does. Once the file GO exists, it
accepts, closes its own connections and passes the first other one's bytes
to and from the serial device at the rate given (raw TCP, as ser2net's tcp
accepter does).

Usage: silent_listener.py PORTFILE GO DEVICE RATE
PORTFILE gets the TCP port once the backlog is full.
"""
import os
import select
import socket
import sys
import termios
import time
import tty

port_file, go_file, device, rate = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])

listener = socket.socket()
listener.bind(("127.0.0.1", 0))
listener.listen(0)
port = listener.getsockname()[1]
# Fill the backlog until a connect finds no answer (on Linux one connection does).
own = []
while True:
    probe = socket.socket()
    probe.settimeout(0.3)
    try:
        probe.connect(("127.0.0.1", port))
    except socket.timeout:
        probe.close()
        break
    own.append(probe)
    if len(own) > 64:
        sys.exit("silent_listener: the backlog does not fill")
own_ports = {s.getsockname()[1] for s in own}
with open(port_file + ".part", "w") as f:
    f.write("%d\n" % port)
os.rename(port_file + ".part", port_file)

while not os.path.exists(go_file):
    time.sleep(0.05)
while True:
    peer, address = listener.accept()
    if address[1] in own_ports:
        peer.close()
        continue
    break
for s in own:
    s.close()

line = os.open(device, os.O_RDWR | os.O_NOCTTY)
tty.setraw(line)
attributes = termios.tcgetattr(line)
speed = getattr(termios, "B%d" % rate)
attributes[4] = attributes[5] = speed
termios.tcsetattr(line, termios.TCSANOW, attributes)
while True:
    ready, _, _ = select.select([peer, line], [], [])
    if peer in ready:
        data = peer.recv(4096)
        if not data:
            break
        os.write(line, data)
    if line in ready:
        peer.sendall(os.read(line, 4096))

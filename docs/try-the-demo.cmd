@echo off
rem Replays the recorded session of the demo thermostat in Varnolux, which
rem sits one folder up: every window steps through the recorded dumps, no
rem board or COM port needed.
start "" "%~dp0..\Varnolux.exe" --replay "%~dp0Thermo session.pcapng"

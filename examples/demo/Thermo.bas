'****************************************************************
'*  Name    : Thermo.bas                                        *
'*  Author  : Varnolux demo                                     *
'*  Notice  : A small thermostat to show the debugger at work   *
'*  Date    : 07/12/2026                                        *
'*  Version : 1.0                                               *
'*  Notes   : dump points 1, 5, 12 and 20 here, 150 and 151 in  *
'*          : Sensors.inc                                       *
'****************************************************************
Device = 18F25K22
Declare Xtal = 16
Declare Hserial_Baud = 115200
Declare All_Digital = True
$define D_HeapSize 24

Declare LCD_DTPin = PORTB.4
Declare LCD_RSPin = PORTB.2
Declare LCD_ENPin = PORTB.3

Symbol Heater = PORTC.2         ' heater relay
Symbol Fan = PORTC.1            ' cooling fan
Symbol Keys = PORTA             ' key pad rows

Dim tick As Word                ' timer ticks since start
Dim state As Byte               ' 0 idle, 1 heating, 2 cooling
Dim trim As SByte               ' sensor trim in tenths
Dim setPoint As SWord           ' wanted temperature in 0.1 °C
Dim diff As SWord               ' setPoint - temperature
Dim uptime As DWord             ' seconds since reset
Dim drift As SDword             ' accumulated difference
Dim gain As Float               ' proportional gain
Dim heating As Bit              ' heater output state
Dim fault As Bit                ' sensor fault seen
Dim cmdBuf[8] As Byte Heap      ' last command received
Dim history[4] As SWord Heap    ' last four temperatures
Dim counts[2] As DWord          ' heater and fan switch counts
Dim readings[3] As Float        ' raw sensor readings
Dim greeting As String * 12     ' text shown at start
Dim _time As Word               ' minutes of the day
Dim _cmdBin[2] As Byte          ' command digits
Dim i As Byte

    GoTo Main

Include "Sensors.inc"

Main:
    tick = 0 : state = 0 : trim = -3
    setPoint = 215 : gain = 0.75
    uptime = 0 : drift = 0
    greeting = "Thermo v1.0"
    Clear history
    Print At 1, 1, greeting
    Dump 1                      ' start-up done

Loop:
    Inc tick
    GoSub ReadSensor
    Dumpw 5                     ' top of the control loop
    diff = setPoint - temperature
    drift = drift + diff
    If diff > 5 Then
        If heating = 0 Then Inc counts[0]
        heating = 1 : state = 1
    ElseIf diff < -5 Then
        heating = 0 : state = 2
        Inc counts[1]
    Else
        heating = 0 : state = 0
    EndIf
    Heater = heating
    Fan = state.1
    Dumpw 12                    ' after the heater was switched
    HSerIn 10, NoCommand, [Str cmdBuf\8]
    _cmdBin[0] = cmdBuf[0] - "0"
    _cmdBin[1] = cmdBuf[1] - "0"
    Dump(20)                    ' command received
NoCommand:
    For i = 3 To 1 Step -1
        history[i] = history[i - 1]
    Next
    history[0] = temperature
    GoTo Loop

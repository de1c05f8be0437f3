#!/usr/bin/python3
# Writes a state record with the trainer's defaults and the small-car bank chosen, so a
# scripted start of the trainer (screenshots, start-up measuring) meets no first-start
# message. Usage: write-state.py <path of sys.dat>
import struct
import sys

rec = bytearray(2472788)
struct.pack_into("<iiiiii", rec, 0, 1, 0, 0, 10, 10, 2)
struct.pack_into("<iiiiiiiii", rec, 24, 0, 105, 102, 97, 98, 99, 100, 1000, 2700)
path = "veltdata\\小车.stk".encode("gbk")
rec[2472072:2472072 + len(path)] = path
with open(sys.argv[1], "wb") as out:
    out.write(rec)

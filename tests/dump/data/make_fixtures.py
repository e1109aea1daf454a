#!/usr/bin/env python3
"""Writes the memory image fixtures of the conversion tests (run by hand from
this folder; the outputs are committed)."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from sonvarimage import other_record, padded, survey_record  # noqa: E402

FIRST = survey_record(
    1700000000, (100, 200, 300), 150, 1, -1, "", [("B", 0), ("R", -500), ("B", 235)],
    reference_bytes=bytes(10), filler=0xEE)
SECOND = survey_record(
    0x7FFFFFFF, (0x80000000, 0xFFFFFFFE, 7), -1, None, None, "REF-2", [])

records = (other_record(0x05) + other_record(0x45) + FIRST + other_record(0x80) +
           other_record(0xBF) + other_record(0xBE) + SECOND + b"\xc0" + b"\x00" * 5)
with open("two_surveys.bin", "wb") as out:
    out.write(padded(records))
print("two_surveys.bin: valid length %#x" % len(records))

# The second survey cut short: its 62 bytes do not fit in the valid length.
truncated = other_record(0x05) + FIRST + SECOND[:40]
with open("truncated.bin", "wb") as out:
    out.write(padded(truncated))
print("truncated.bin: valid length %#x" % len(truncated))

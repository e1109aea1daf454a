#!/usr/bin/env python3
"""sonvar-convert, then kalvo-inspect: every survey and value of generated
memory images must come back from the survey document KALVO reads.

usage: convert_readback.py --convert SONVAR_CONVERT --inspect KALVO_INSPECT --work FOLDER
"""

import argparse
import json
import os
import random
import shutil
import struct
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sonvarimage import crc16, other_record, padded, survey_record  # noqa: E402

ALPHABET = "".join(chr(c) for c in range(32, 96))


def random_survey(rng):
    levels = []
    for _ in range(rng.choice([0, 1, 5, 40, 300])):
        # Mostly below 100.0 dBµV, some above (not counted), both extremes.
        tenths = rng.choice([rng.randint(-500, 999), rng.randint(-500, 999),
                             rng.randint(1000, 32267), -500, 32267, 999, 1000])
        levels.append((rng.choice("RB"), tenths))
    reference = "".join(rng.choice(ALPHABET) for _ in range(rng.randint(0, 12)))
    return {
        "start": rng.choice([0, 86399, 0x7FFFFFFF, 0xFFFFFFFF, rng.randint(0, 0xFFFFFFFF)]),
        "serials": tuple(rng.choice([0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF,
                                     rng.randint(0, 0xFFFFFFFF)]) for _ in range(3)),
        "pressure": rng.randint(-32768, 32767),
        "black": rng.choice([None, 0, rng.randint(-32768, 32767)]),
        "red": rng.choice([None, rng.randint(-499, 4000)]),
        "reference": reference,
        "levels": levels,
    }


def image_of(surveys, rng):
    records = b""
    for survey in surveys:
        for _ in range(rng.randint(0, 3)):
            records += other_record(rng.choice([0x00, 0x3F, 0x40, 0x7F, 0x80, 0xBE, 0xBF]))
        records += survey_record(survey["start"], survey["serials"], survey["pressure"],
                                 survey["black"], survey["red"], survey["reference"], survey["levels"],
                                 filler=rng.choice([0x00, 0xFF, 0xC3]))
    return records + b"\xff"


def signed32(value):
    return struct.unpack(">i", struct.pack(">I", value))[0]


def kalvo_date(start):
    """The import turns "Www Mmm DD hh:mm:ss YYYY" into "Www DD Mmm YYYY hh:mm:ss"."""
    fields = time.gmtime(start)
    return time.strftime("%a %d %b %Y %H:%M:%S", fields)


def check(surveys, store):
    problems = []
    if len(store["surveys"]) != len(surveys):
        return ["%d surveys read back instead of %d" % (len(store["surveys"]), len(surveys))]
    hardware = {h["id"]: h for h in store["hardware"]}
    for number, (survey, read) in enumerate(zip(surveys, store["surveys"]), 1):
        def differs(what, expected, actual):
            if expected != actual:
                problems.append("survey %d: %s %r instead of %r" % (number, what, actual, expected))

        counted = sum(1 for _, tenths in survey["levels"] if tenths < 1000)
        listed = survey["levels"][:counted]
        differs("surveyDate", kalvo_date(survey["start"]), read["surveyDate"])
        differs("nbMeasurements", counted, read["nbMeasurements"])
        differs("pressure", survey["pressure"], read["pressure"])
        differs("reference", survey["reference"].rstrip(" "), read["reference"])
        for sensor, key, absent in (("black", "blackValue", "noBlackBase"),
                                    ("red", "redValue", "noRedBase")):
            # A base of 0.0 is stored as the no-base marker: it reads back absent.
            base = survey[sensor] or None
            differs(absent, base is None, read[absent])
            if base is not None:
                differs(key, round(base / 10, 1), round(read[key], 1))
        box = hardware[read["hardwareId"]]
        differs("serials", tuple(signed32(s) for s in survey["serials"]),
                (box["serialSwitchBox"], box["serialNbVEK"], box["serialNbPCB"]))
        differs("values", [(s, t) for s, t in listed],
                [(d["sensor"], round(d["dataValue"] * 10)) for d in read["data"]])
    return problems


def run(command):
    return subprocess.run(command, capture_output=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--convert", required=True)
    parser.add_argument("--inspect", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    shutil.rmtree(args.work, ignore_errors=True)
    os.makedirs(args.work)
    failures = []
    checked = [0, 0]

    for seed in range(8):
        rng = random.Random(seed)
        surveys = [random_survey(rng) for _ in range(rng.randint(0, 12))]
        valid = image_of(surveys, rng)
        image = os.path.join(args.work, "image%d.bin" % seed)
        document = os.path.join(args.work, "document%d.VEK" % seed)
        with open(image, "wb") as out:
            out.write(padded(valid, rng.choice([128, 1024])))
        converted = run([args.convert, image, document, "--length", "%x" % len(valid),
                         "--crc", "%x" % crc16(valid)])
        if converted.returncode != 0:
            failures.append("seed %d: sonvar-convert failed: %s" % (seed, converted.stderr))
            continue
        inspected = run([args.inspect, document])
        if inspected.returncode != 0:
            failures.append("seed %d: kalvo-inspect failed: %s" % (seed, inspected.stderr))
            continue
        checked[0] += len(surveys)
        checked[1] += sum(len(s["levels"]) for s in surveys)
        failures += ["seed %d: %s" % (seed, p)
                     for p in check(surveys, json.loads(inspected.stdout))]

    # A wrong CRC converts nothing and writes no document.
    image = os.path.join(args.work, "image0.bin")
    refused = os.path.join(args.work, "refused.VEK")
    wrong = run([args.convert, image, refused, "--crc", "1", "--lang", "FR"])
    if wrong.returncode != 1 or os.path.exists(refused) or b"CRC error" not in wrong.stderr:
        failures.append("a wrong CRC was not refused: %r" % (wrong,))
    usage = run([args.convert, image])
    if usage.returncode != 1 or b"usage" not in usage.stderr:
        failures.append("a missing document argument was not refused: %r" % (usage,))

    print("%d surveys and %d values read back" % (checked[0], checked[1]))
    for failure in failures:
        print(failure)
    print("%d problems" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
# The place's own clock, one running copy, the place of the computer's zone.
# First starts with fresh settings: on Europe/Belgrade Prishtinë stays with
# no window in the way; on Europe/Zurich "Vendi juaj" names Cyrih and
# "Zgjidhe" selects it. Then on a computer left on UTC, on 15 April 2026 at
# 11:29:30 UTC (13:29:30 in Zürich, Dhuhri 13:31) the window counts two
# minutes to Dhuhri and shows Zürich's clock; hidden, it comes forward at
# 11:31 UTC with the adhan. A second start ends and leaves the first, its
# window shown.
# Usage: place_clock.py KOLVIRA_DB NAME PROGRAM DATABASE ARTEFACTS
import os
import shutil
import subprocess
import sys

from session import DAILY_HZ, DAWN_HZ, Session

kolvira_db = sys.argv.pop(1)
DAY = "2026-04-15"


# Starts the program afresh: its settings gone, the computer's zone set.
def first_start(s, zone, clock="09:00:00"):
    if s.app_process:
        s.app_process.terminate()
        s.app_process.wait(10)
    shutil.rmtree(os.environ["XDG_CONFIG_HOME"], ignore_errors=True)
    os.environ["TZ"] = zone
    s.start_program(f"{DAY} {clock}")
    return s.window("Kolvira")


with Session() as s:
    s.prepare_program(database=False)
    subprocess.run([kolvira_db, "generate", f"{s.app_dir}/kolvira.db", "--year", "2026"],
                   check=True, capture_output=True)
    main = first_start(s, "Europe/Belgrade")
    s.wait("a moment for a proposal", lambda: s.label(main, "Qyteti i zgjedhur").name, 5)
    s.check(not s.shown("Vendi juaj"), "a place proposed on Kosovo's zone")

    first_start(s, "Europe/Zurich")
    proposal = s.window("Vendi juaj")
    s.check(s.label(proposal, "Vendi i propozuar").name == "Cyrih", "Zürich is not proposed")
    s.press(proposal, "Zgjidhe", closes=True)
    s.check(s.selected_city()[0][0] == "Cyrih", "Cyrih is not stored")

    main = first_start(s, "UTC", "11:29:30")
    s.find(main, name="Dreka në 13:31\nedhe 2 minuta", role="label", limit=10)
    s.check(not s.shown("Vendi juaj"), "the place proposed again")
    s.check(s.label(main, "Ora e vendit").name.startswith("Ora e Cyrihut: 13:2"), "no place clock")
    s.jump(f"{DAY} 11:30:45")
    s.adhan(main, "11:31:00", DAILY_HZ, DAWN_HZ)

    s.close_box(main)
    second = subprocess.run([s.program], timeout=60, capture_output=True)
    s.check(second.returncode == 0, f"the second start ended with {second.returncode}")
    s.wait("the first copy's window shown again", lambda: main.showing)
    s.running("after a second start")

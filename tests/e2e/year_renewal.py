#!/usr/bin/python3
"""The first start in a new year, on a database written for the year before:
the main window shows the new year's times of the day, with its own summer
time (2027's begins on 28 March, a day before 2026's), the adhan comes at
them, and the selected city stays.
Usage: year_renewal.py KOLVIRA_DB NAME PROGRAM DATABASE ARTEFACTS"""
import subprocess
import sys

from session import DAILY_HZ, DAWN_HZ, Session, tone_energy

kolvira_db = sys.argv.pop(1)
# 28 March in standard time one hour on: the clocks of Kosovo went forward that night.
TIMES = {"Sehuri (imsaku)": "04:44", "Fexhri (sabahu)": "05:04", "Lindja e diellit": "06:18",
         "Dhuhri (dreka)": "12:45", "Asri (ikindia)": "16:16", "Magribi (akshami)": "19:05",
         "Isha (jacia)": "20:37"}

with Session() as s:
    s.prepare_program(database=False)
    subprocess.run([kolvira_db, "generate", f"{s.app_dir}/kolvira.db", "--year", "2026"],
                   check=True, capture_output=True)
    s.sql("UPDATE Qytetet SET ESelektuar = (Qyteti = 'Prizren')")
    s.record_sink()
    s.start_program("2027-03-28 12:44:40")  # 20 s before Dhuhri
    main = s.window("Kolvira")
    read = {caption: s.value(main, caption) for caption in TIMES}
    s.log(f"main window: {read}")
    s.check(read == TIMES, "the main window does not show 2027's times")
    s.check(s.value(main, "Qyteti i zgjedhur") == "Prizren", "the main window lost the city")
    s.check(s.selected_city() == [("Prizren", 0)], f"{s.selected_city()} stored, not Prizren")
    s.check(s.sql("SELECT Viti FROM Kalendari") == [(2027,)], "the rows were not rewritten")
    clock = s.label(main, "Koha")
    s.close_box(main)
    s.wait("main window hidden", lambda: not main.showing, 5)
    s.check(clock.name < "12:45:00", f"the window was hidden only at {clock.name}")
    s.wait("main window back at Dhuhri", lambda: main.showing, 30)
    s.check(clock.name >= "12:45:00", f"the window came back at {clock.name}, before Dhuhri")
    s.wait("adhan heard for two seconds", lambda: s.loud(2), 15)
    heard = s.heard(2)
    s.check(tone_energy(heard, DAILY_HZ) > 100 * tone_energy(heard, DAWN_HZ),
            "not the daily recording")
    s.shot("adhan")

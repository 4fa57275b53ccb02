#!/usr/bin/python3
# The first start in a new year, on a database written for the year before:
# the main window shows the new year's times of the day, with its own summer
# time (2027's begins on 28 March, a day before 2026's), the adhan comes at
# them, and the selected city stays.
# Usage: year_renewal.py KOLVIRA_DB NAME PROGRAM DATABASE ARTEFACTS
import subprocess
import sys

from session import DAILY_HZ, DAWN_HZ, Session

kolvira_db = sys.argv.pop(1)
# 28 March in standard time one hour on: the clocks of Kosovo went forward that night.
EXPECTED = {"Sehuri (imsaku)": "04:44", "Fexhri (sabahu)": "05:04", "Lindja e diellit": "06:18",
            "Dhuhri (dreka)": "12:45", "Asri (ikindia)": "16:16", "Magribi (akshami)": "19:05",
            "Isha (jacia)": "20:37", "Qyteti i zgjedhur": "Prizren"}

with Session() as s:
    s.prepare_program(database=False)
    subprocess.run([kolvira_db, "generate", f"{s.app_dir}/kolvira.db", "--year", "2026"],
                   check=True, capture_output=True)
    s.sql("UPDATE Qytetet SET ESelektuar = (Qyteti = 'Prizren')")
    s.start_program("2027-03-28 12:44:40")  # 20 s before Dhuhri
    main = s.window("Kolvira")
    s.check(s.values(main, EXPECTED) == EXPECTED, "the main window does not show 2027's day")
    s.check(s.selected_city() == [("Prizren", 0)], f"{s.selected_city()} stored, not Prizren")
    s.check(s.sql("SELECT Viti FROM Kalendari") == [(2027,)], "the rows were not rewritten")
    s.adhan(main, "12:45:00", DAILY_HZ, DAWN_HZ)

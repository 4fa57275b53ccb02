#!/usr/bin/python3
# An Albanian city keeps its own calendar: chosen in the city window, the main
# window shows Tiranë's times of the day as the Muslim Community of Albania
# publishes them, without minutes, and the adhan comes at them. Prishtinë
# chosen again gives back the table of Kosovo with its -1, the file's rows as
# they were. Shkup on the morning of Kurban Bajram 2023 shows the prayer the
# Skopje mufti announced: BFI's sunrise + 45.
# Usage: albanian_city.py KOLVIRA_DB NAME PROGRAM DATABASE ARTEFACTS
import subprocess
import sys

from session import DAILY_HZ, DAWN_HZ, Session

kolvira_db = sys.argv.pop(1)
TIRANA = {"Sehuri (imsaku)": "04:55", "Fexhri (sabahu)": "04:55", "Lindja e diellit": "06:23",
          "Dhuhri (dreka)": "12:51", "Asri (ikindia)": "16:22", "Magribi (akshami)": "19:09",
          "Isha (jacia)": "20:30", "Qyteti i zgjedhur": "Tiranë", "Minutat e qytetit": "0"}
# The table as printed; Prishtinë's adhan comes a minute before each time.
PRISHTINA = {"Sehuri (imsaku)": "04:41", "Fexhri (sabahu)": "05:01", "Lindja e diellit": "06:16",
             "Dhuhri (dreka)": "12:44", "Asri (ikindia)": "16:16", "Magribi (akshami)": "19:06",
             "Isha (jacia)": "20:38", "Qyteti i zgjedhur": "Prishtinë", "Minutat e qytetit": "-1"}


def choose(s, main, city, shown):
    s.press(main, "Qyteti...")
    cities = s.window("Zgjedhja e qytetit")
    s.find(cities, name=city, role="list item", showing=False).doActionNamed("Toggle")
    s.press(cities, "Aktivoje", closes=True)
    s.wait(f"{city} in the main window", lambda: main.showing and s.values(main, shown) == shown)


with Session() as s:
    s.prepare_program(database=False)
    subprocess.run([kolvira_db, "generate", f"{s.app_dir}/kolvira.db", "--year", "2026"],
                   check=True, capture_output=True)
    rows = s.sql("SELECT * FROM kolvira ORDER BY Muaji, Dita")
    s.start_program("2026-03-29 12:50:35")  # the first day of summer time
    main = s.window("Kolvira")
    s.check(s.values(main, PRISHTINA) == PRISHTINA, "Prishtinë's day is not the table's")
    choose(s, main, "Tiranë", TIRANA)
    s.adhan(main, "12:51:00", DAILY_HZ, DAWN_HZ)
    choose(s, main, "Prishtinë", PRISHTINA)
    s.check(s.sql("SELECT * FROM kolvira ORDER BY Muaji, Dita") == rows, "the table came back changed")
    choose(s, main, "Shkup", {"Qyteti i zgjedhur": "Shkup", "Minutat e qytetit": "0"})
    s.jump("2023-06-28 05:00:00")
    s.wait("Shkup's Bajram prayer", lambda: s.label(main, "Namazi i Bajramit").name ==
           "Namazi i Bajramit: 05:41", 30)

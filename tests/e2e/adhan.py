#!/usr/bin/python3
# At Fexhri the hidden main window comes back and the dawn recording plays.
# The clock starts 20 s before the minute. (The daily recording at Dhuhri is
# heard in year_renewal.py.)
from session import DAILY_HZ, DAWN_HZ, DAY, TIMES, Session

with Session() as s:
    s.prepare_program()
    s.start_program(f"{DAY} 05:09:40")
    s.adhan(s.window("Kolvira"), TIMES["Fexhri"] + ":00", DAWN_HZ, DAILY_HZ)

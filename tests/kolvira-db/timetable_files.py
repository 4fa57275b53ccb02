#!/usr/bin/python3
# The files "kolvira-db timetable" writes, read by real readers:
# - the PDF of March 2026 for Ulqin is one A4 page with its fonts embedded,
#   and its text (pdftotext) holds each day's row with the seven times of the
#   printed calendar and the town's minutes, and the Albanian letters intact;
# - the calendar file of 2026 parses with python3-icalendar; every Magribi is
#   at the printed time less a minute in Europe/Belgrade (summer time from
#   29 March), by the zone the file itself describes; Imsaku comes only in
#   Ramadan; a line folded at 75 octets is never cut inside a letter; a
#   second export gives the same UIDs; a zone of India, Newfoundland, Iran or
#   Adelaide is described with its minutes;
# - an unknown city ends with status 3, a wrong command line with 2.
# Usage: timetable_files.py KOLVIRA_DB DATABASE PRINTED_TSV
import sqlite3
import subprocess
import sys
import tempfile
from datetime import datetime, timedelta
from zoneinfo import ZoneInfo

import icalendar

tool, database, printed_file = sys.argv[1:]
work = tempfile.mkdtemp(prefix="kolvira-timetable.")
takvim = {}
for line in open(printed_file, encoding="utf-8"):
    if line.startswith("2026-"):
        day, *times = line.split()
        takvim[day] = times


# The printed calendar with a town's minutes.
def with_minutes(minutes):
    return {day: [(datetime.strptime(t, "%H:%M") + timedelta(minutes=minutes)).strftime("%H:%M")
                  for t in times] for day, times in takvim.items()}


printed = with_minutes(-1)  # Prishtinë's


def timetable(*options, status=0, city="Prishtinë", database=database):
    result = subprocess.run([tool, "timetable", database, "--city", city, "--year", "2026",
                             *options], capture_output=True, text=True)
    assert result.returncode == status, f"{options}: status {result.returncode}: {result.stderr}"
    return result.stderr


def output(*command):
    return subprocess.run(command, capture_output=True, text=True, check=True).stdout


pdf = f"{work}/mars.pdf"
# A town whose minutes are neither 0 nor Prishtinë's.
ulqin = sqlite3.connect(database).execute("SELECT Minuta FROM Qytetet WHERE Qyteti = 'Ulqin'")
ulqin = int(ulqin.fetchone()[0])
assert ulqin not in (0, -1), ulqin
timetable("--month", "3", "--pdf", pdf, city="Ulqin")
info = output("pdfinfo", pdf)
assert "Pages:           1\n" in info and "(A4)" in info, info
fonts = output("pdffonts", pdf).splitlines()[2:]
assert fonts and all(f.split()[-5] == "yes" for f in fonts), fonts  # the "emb" column
text = output("pdftotext", "-layout", pdf, "-")
for word in ("Mars 2026", "Ramadan – Shewwal 1447", f"Ulqin ({ulqin:+d} min)",
             "Takvimi i Bashkësisë Islame të Kosovës", "E mërkurë", "Lindja e"):
    assert word in text, f"{word!r} not in the PDF's text"
for day in range(1, 32):
    row = next((line.split() for line in text.splitlines() if f"{day:02}.03.2026" in line), [])
    assert row[-7:] == with_minutes(ulqin)[f"2026-03-{day:02}"], f"{day} March reads {row}"

uids = []
for run in range(2):
    ics = f"{work}/2026-{run}.ics"
    timetable("--ics", ics, "--alarm", "10")
    raw = open(ics, "rb").read()
    # Each folded line on its own is whole UTF-8: no letter cut in two.
    for line in raw.split(b"\r\n"):
        assert len(line) <= 75 and line.decode("utf-8", "replace").encode() == line, line
    assert b"\n" not in raw.replace(b"\r\n", b""), "a line not ended by CRLF"
    calendar = icalendar.Calendar.from_ical(raw)
    zone = calendar.walk("VTIMEZONE")[0].to_tz()
    events = calendar.walk("VEVENT")
    uids.append([str(e["UID"]) for e in events])
    magribi = {}
    imsaku = set()
    for event in events:
        start = event["DTSTART"]
        assert start.params["TZID"] == "Europe/Belgrade", start.params
        # The wall-clock time, placed by the file's own zone, is the instant in Kosovo.
        naive = start.dt.replace(tzinfo=None)
        instant = zone.localize(naive).astimezone(ZoneInfo("Europe/Belgrade"))
        day = instant.strftime("%Y-%m-%d")
        if "Magribi" in event["SUMMARY"]:
            magribi[day] = instant.strftime("%H:%M")
        if "imsaku" in event["SUMMARY"].lower():
            imsaku.add(day)
        assert event.walk("VALARM")[0]["TRIGGER"].dt == timedelta(minutes=-10)
    assert magribi == {day: times[5] for day, times in printed.items()}, "Magribi differs"
    assert magribi["2026-03-29"] == "19:05", magribi["2026-03-29"]
    assert min(imsaku) == "2026-02-19" and max(imsaku) == "2026-03-19" and len(imsaku) == 29, imsaku
assert uids[0] == uids[1] and len(set(uids[0])) == len(uids[0]), "UIDs not stable and unique"

# A zone not a whole number of hours from UTC is described with its minutes.
for zone, at in (("Asia/Kolkata", "28.61,77.21"), ("America/St_Johns", "47.56,-52.71"),
                 ("Asia/Tehran", "35.69,51.39"), ("Australia/Adelaide", "-34.93,138.6")):
    place = f"{work}/{zone.replace('/', '-')}.db"
    subprocess.run([tool, "generate", place, "--year", "2026", "--at", at, "--zone", zone,
                    "--name", "Vendi"], check=True, capture_output=True)
    timetable("--ics", ics, city="Vendi", database=place)
    calendar = icalendar.Calendar.from_ical(open(ics, "rb").read())
    described = calendar.walk("VTIMEZONE")[0].to_tz()
    for event in calendar.walk("VEVENT"):
        naive = event["DTSTART"].dt.replace(tzinfo=None)
        offset = described.localize(naive).utcoffset()
        assert offset == naive.replace(tzinfo=ZoneInfo(zone)).utcoffset(), (zone, naive, offset)

assert "nuk është në listën e qyteteve" in subprocess.run(
    [tool, "timetable", database, "--city", "Atlantidë", "--year", "2026", "--ics", ics],
    capture_output=True, text=True).stderr
timetable("--ics", ics, "--pdf", pdf, status=2)
print("timetable files: PDF and iCalendar read right")

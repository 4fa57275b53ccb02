#!/usr/bin/python3
# On 16 March 2026, the evening that begins the Night of Kadr (27 Ramadan 1447):
# - at Akshami the notice of the night arrives, and only once;
# - "Ditët e shenjta" (the main window's button, the icon's menu) lists the
#   night of 1447 on that evening with its weekday; "Viti tjetër" moves to 1448;
# - the March timetable saved as PDF shows "Nata e Kadrit" on the row of
#   16 March, as pdftotext reads it; its calendar file holds the night as an
#   all-day event of that day.
import subprocess

import icalendar

from session import Session

DAY = "2026-03-16"
NOTICE = "Sonte është Nata e Kadrit"


def holy_days(s, window, year, line):
    s.wait(f"the year {year}", lambda: s.label(window, "Viti hixhri").name == f"Viti hixhri {year}", 5)
    table = s.find(window, name="Ditët dhe netët e shenjta", role="table").queryTable()
    lines = [table.getAccessibleAt(r, 0).name for r in range(table.nRows)]
    s.log(f"{year}: {lines}")
    s.check(line in lines and len(lines) == 12, f"{line!r} not among the year's holy days")


with Session() as s:
    s.prepare_program(day=DAY)  # Magribi at 16:02
    s.start_notices()
    s.start_program(f"{DAY} 16:01:45")
    main = s.window("Kolvira")
    s.notice(NOTICE)

    s.press(main, "Ditët e shenjta")
    window = s.window("Ditët e shenjta")
    holy_days(s, window, 1447, "Nata e Kadrit: e hënë, 16 mars 2026, pas akshamit")
    s.press(window, "Viti tjetër")
    holy_days(s, window, 1448, "Nata e Kadrit: e xhuma, 5 mars 2027, pas akshamit")
    s.press(window, "Mbyll", closes=True)
    s.click_icon(3)
    s.find(s.menu(), name="Ditët e shenjta", role="menu item", limit=5).doActionNamed("Press")
    window = s.window("Ditët e shenjta")
    holy_days(s, window, 1447, "Fitër Bajrami: e xhuma, 20 mars 2026")
    s.press(window, "Mbyll", closes=True)

    s.press(main, "Takvimi i muajit")
    timetable = s.window("Takvimi i muajit")
    s.press(timetable, "Ruaje si PDF...")
    dialog = s.window("Ruaje si PDF")
    # Qt's own dialog reads in Albanian, with none of its English words.
    read = {n.name for n in dialog.findChildren(lambda n: n.showing and n.roleName in (
        "label", "push button", "check box", "column header", "table column header"))}
    s.check({"Shiko te:", "Emri i skedarit:", "Ruaj", "Anulo"} <= read and not read & {
        "Look in:", "File name:", "Files of type:", "Save", "Cancel", "Back", "Detail View",
        "Name", "Size", "Date Modified"}, f"the file dialog reads {sorted(read)}")
    pdf = f"{s.work}/mars.pdf"
    s.find(dialog, role="text").text = pdf
    s.press(dialog, "Ruaj", closes=True)
    s.wait("the PDF saved", lambda: s.label(timetable, "Gjendja").name.startswith("U ruajt"))
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True,
                          check=True).stdout
    row = next((line for line in text.splitlines() if "16.03.2026" in line), "")
    s.check("Nata e Kadrit" in row, f"the row of 16 March reads {row!r}")
    s.press(timetable, "Eksporto në kalendar (.ics)...")
    dialog = s.window("Eksporto në kalendar")
    s.find(dialog, role="text").text = ics = f"{s.work}/mars.ics"
    s.press(dialog, "Ruaj", closes=True)
    s.wait("the calendar file saved", lambda: s.label(timetable, "Gjendja").name.endswith(".ics"))
    events = icalendar.Calendar.from_ical(open(ics, "rb").read()).walk("VEVENT")
    kadr = [(str(e["UID"]), e["DTSTART"].dt.isoformat()) for e in events
            if e["SUMMARY"] == "Nata e Kadrit"]
    s.check(kadr == [("20260316-kadri@kolvira.org", "2026-03-16")], f"the night's events: {kadr}")
    s.press(timetable, "Mbyll", closes=True)

    s.jump(f"{DAY} 20:00:00")  # later that evening: told no more
    s.wait("the clock past 20:00", lambda: s.label(main, "Koha").name >= "20:00:00")
    told = [n["body"] for n in s.notices()].count(NOTICE)
    s.check(told == 1, f"the night's notice came {told} times")

#!/usr/bin/python3
"""At start the splash, then the main window with the day: dates, clock, the
seven times ("--:--" for one the program cannot read), the city. The close
box hides the window, the icon in the notification area shows it again and
hides it; "Dalje" in the icon's menu ends the program with status 0."""
import time

from session import QUIET, Session

with Session() as s:
    s.prepare_program()
    s.sql("UPDATE kolvira SET Asri = 'ora katër' WHERE Dita = 6 AND Muaji = 12")
    s.start_program(QUIET)

    s.window("Kolvira po niset")
    splash_seen = time.monotonic()
    s.check(not s.shown("Kolvira"), "the main window is shown beside the splash")
    main = s.window("Kolvira")
    s.check(not s.shown("Kolvira po niset"), "the splash is shown beside the main window")
    # The splash's two seconds count from when it reached the screen. The
    # tree tells that only once the program's bridge is up, which may come
    # later; the start came before it at any rate.
    after = time.monotonic() - s.app_started
    s.log(f"main window {after:.2f} s after the start, "
          f"{time.monotonic() - splash_seen:.2f} s after the splash was seen")
    s.check(after >= 2, "the main window came too soon")
    expected = {"Data gregoriane": "E diel, 6 Dhjetor (12), 2026",
                "Data sipas hixhrit": "E diel, 27 Xhumadeth-Thani (06), 1448",
                "Sehuri (imsaku)": "05:00", "Fexhri (sabahu)": "05:10",
                "Lindja e diellit": "06:51", "Dhuhri (dreka)": "12:15", "Asri (ikindia)": "--:--",
                "Magribi (akshami)": "16:02", "Isha (jacia)": "17:37",
                "Qyteti i zgjedhur": "Prishtinë", "Minutat e qytetit": "0"}
    read = {caption: s.value(main, caption) for caption in expected}
    s.log(f"main window: {read}")
    s.check(read == expected, "the main window does not show the day as stored")
    clock = s.value(main, "Koha")
    s.check("09:30:00" <= clock < "09:31:00", f"the clock reads {clock}")
    for name, role in (("Luaj", "push button"), ("Ndalo", "push button"),
                       ("Pozicioni", "slider"), ("Volumi", "slider")):
        s.find(main, name=name, role=role)

    s.close_box(main)
    s.wait("main window hidden by the close box", lambda: not s.shown("Kolvira"), 5)
    s.running("after the close box")
    s.click_icon()
    s.window("Kolvira", 5)
    s.click_icon()
    s.wait("main window hidden by the icon", lambda: not s.shown("Kolvira"), 5)

    s.click_icon(3)
    exit_item = s.find(s.menu(), name="Dalje", role="menu item", limit=5)
    try:
        exit_item.doActionNamed("Press")
    except Exception:  # the program may end before it answers
        pass
    status = s.ended()
    s.check(status == 0, f"exit status {status} after \"Dalje\"")

#!/usr/bin/python3
""""Ditëlindja" opens the birthday window with its figures for the birth
date it starts with, on the test day; "Rreth programit" opens the window
about the program with the contact address. "Kthehu" closes each."""
from session import QUIET, Session

with Session() as s:
    s.prepare_program()
    s.start_program(QUIET)
    main = s.window("Kolvira")

    s.press(main, "Ditëlindja")
    birthday = s.window("Ditëlindja sipas hixhrit")
    s.check(s.find(birthday, role="spin button").name == "Data Gregoriane", "no birth date field")
    # Born on Saturday 14 June 1975, 4 Jumada al-Akhira 1395; the test day is
    # 27 Jumada al-Akhira 1448, so this year's birthday was 23 days before it.
    expected = {"Hixhri": "04.06.1395",
                "Ditëlindja sipas hixhrit": "E shtunë, 04 Xhumadeth-Thani (06), 1395",
                "Sot keni sipas hixhrit": "53 vite, 0 muaj dhe 23 ditë",
                "Ditëlindja në këtë vit": "E xhuma, 13 Nëntor (11), 2026"}
    read = {caption: s.value(birthday, caption) for caption in expected}
    s.log(f"birthday window: {read}")
    s.check(read == expected, "the birthday window's figures are wrong")
    s.press(birthday, "Kthehu")
    s.wait("birthday window closed", lambda: not birthday.showing, 5)

    s.press(main, "Rreth programit")
    about = s.window("Rreth programit")
    s.find(about, name="kolvira@kolvira.org", role="label")
    s.press(about, "Kthehu")
    s.wait("about window closed", lambda: not about.showing, 5)
    s.check(main.showing, "the main window went away")
    s.running("after both windows")

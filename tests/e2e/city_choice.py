#!/usr/bin/python3
"""Choosing a city: "Qyteti..." opens the list, "Kthehu" closes it and stores
nothing; a city picked and "Aktivoje" is stored, and the main window shows
it with its minutes; with no city picked "Aktivoje" says so and stores
nothing."""
from session import QUIET, Session

with Session() as s:
    s.prepare_program()
    s.start_program(QUIET)
    main = s.window("Kolvira")
    first = s.selected_city()
    title = "Zgjedhja e qytetit"

    s.press(main, "Qyteti...")
    s.press(s.window(title), "Kthehu")
    s.wait("city window closed", lambda: not s.shown(title), 5)
    s.check(s.selected_city() == first, f"{s.selected_city()} stored after \"Kthehu\"")

    s.press(main, "Qyteti...")
    cities = s.window(title)
    s.find(cities, name="Gjilan", role="list item", showing=False).doActionNamed("Toggle")
    s.wait("the minutes of Gjilan", lambda: s.value(cities, "Minuta") == "-1", 5)
    s.press(cities, "Aktivoje")
    s.wait("Gjilan in the main window", lambda: not s.shown(title) and main.showing and
           s.value(main, "Qyteti i zgjedhur") == "Gjilan", 5)
    s.check(s.value(main, "Minutat e qytetit") == "-1", "the main window lacks Gjilan's minutes")
    s.check(s.selected_city() == [("Gjilan", -1)], f"{s.selected_city()} stored, not Gjilan")

    s.press(main, "Qyteti...")
    cities = s.window(title)
    s.type_into(cities, "Qyteti", "xyz")  # no city's name begins so
    s.wait("no minutes shown", lambda: s.value(cities, "Minuta") == "", 5)
    s.press(cities, "Aktivoje")
    message = s.find(s.app, name="Zgjidhni një qytet nga lista.", role="label").parent
    s.press(message, "Në rregull")
    s.wait("message closed", lambda: not message.showing, 5)
    s.check(cities.showing, "the city window closed after the message")
    s.press(cities, "Kthehu")
    s.wait("city window closed", lambda: not s.shown(title), 5)
    s.check(s.selected_city() == [("Gjilan", -1)], f"{s.selected_city()} stored without a city")
    s.check(s.value(main, "Qyteti i zgjedhur") == "Gjilan", "the main window changed its city")

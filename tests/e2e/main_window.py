#!/usr/bin/python3
# The main window and the windows it opens, in one session:
# - At start the splash, then the main window with the day: dates, clock, the
#   seven times ("--:--" for one the program cannot read), the city.
# - Choosing a city: "Qyteti..." opens the list, "Kthehu" closes it and stores
#   nothing; a city picked and "Aktivoje" is stored, and the main window shows
#   it with its minutes; with no city picked "Aktivoje" says so and stores
#   nothing.
# - "Ditëlindja" opens the birthday window with its figures for the birth date
#   it starts with; "Rreth programit" opens the window about the program with
#   the contact address. "Kthehu" closes each. "Takvimi i muajit" opens the
#   month's timetable of the city, today's row read cell by cell with the
#   column names; "Mbyll" closes it.
# - The close box hides the main window, the icon in the notification area
#   shows it again and hides it; "Dalje" in the icon's menu ends the program
#   with status 0.
from session import QUIET, Session, run

DAY_SHOWN = {"Data gregoriane": "E diel, 6 Dhjetor (12), 2026",
             "Data sipas hixhrit": "E diel, 27 Xhumadeth-Thani (06), 1448",
             "Sehuri (imsaku)": "05:00", "Fexhri (sabahu)": "05:10", "Lindja e diellit": "06:51",
             "Dhuhri (dreka)": "12:15", "Asri (ikindia)": "--:--", "Magribi (akshami)": "16:02",
             "Isha (jacia)": "17:37", "Qyteti i zgjedhur": "Prishtinë", "Minutat e qytetit": "0"}
GJILAN = {"Qyteti i zgjedhur": "Gjilan", "Minutat e qytetit": "-1"}
# Born on Saturday 14 June 1975, 4 Jumada al-Akhira 1395; the test day is
# 27 Jumada al-Akhira 1448, so this year's birthday was 23 days before it.
BIRTHDAY = {"Hixhri": "04.06.1395",
            "Ditëlindja sipas hixhrit": "E shtunë, 04 Xhumadeth-Thani (06), 1395",
            "Sot keni sipas hixhrit": "53 vite, 0 muaj dhe 23 ditë",
            "Ditëlindja në këtë vit": "E xhuma, 13 Nëntor (11), 2026"}
CITIES = "Zgjedhja e qytetit"
# Today in the month's timetable: the calendar's own times, Gjilan's minute taken off.
TODAY_ROW = ["Data: 06.12.2026", "Dita: E diel", "Data sipas hixhrit: 27 Xhumadeth-Thani",
             "Imsaku: 05:05", "Fexhri: 05:25", "Lindja e diellit: 06:46", "Dhuhri: 11:31",
             "Asri: 13:53", "Magribi: 16:09", "Isha: 17:47"]

with Session() as s:
    s.prepare_program()
    s.sql("UPDATE kolvira SET Asri = 'ora katër' WHERE Dita = 6 AND Muaji = 12")
    s.start_program(QUIET)
    s.window("Kolvira po niset")
    s.check(not s.shown("Kolvira"), "the main window is shown beside the splash")
    main = s.window("Kolvira")
    s.check(not s.shown("Kolvira po niset"), "the splash is shown beside the main window")
    s.check(s.values(main, DAY_SHOWN) == DAY_SHOWN, "the main window does not show the day")
    clock = s.label(main, "Koha").name
    s.check("09:30:00" <= clock < "09:31:00", f"the clock reads {clock}")
    for name, role in (("Luaj", "push button"), ("Ndalo", "push button"),
                       ("Pozicioni", "slider"), ("Volumi", "slider")):
        s.find(main, name=name, role=role)

    s.press(main, "Qyteti...")
    s.press(s.window(CITIES), "Kthehu", closes=True)
    s.check(s.selected_city() == [("Prishtinë", 0)], f"{s.selected_city()} stored after Kthehu")
    s.press(main, "Qyteti...")
    cities = s.window(CITIES)
    s.find(cities, name="Gjilan", role="list item", showing=False).doActionNamed("Toggle")
    s.wait("the minutes of Gjilan", lambda: s.label(cities, "Minuta").name == "-1", 5)
    s.press(cities, "Aktivoje", closes=True)
    s.wait("Gjilan in the main window", lambda: main.showing and s.values(main, GJILAN) == GJILAN)
    s.check(s.selected_city() == [("Gjilan", -1)], f"{s.selected_city()} stored, not Gjilan")
    s.press(main, "Qyteti...")
    cities = s.window(CITIES)
    field = s.find(cities, name="Qyteti", role="text")
    field.doActionNamed("SetFocus")
    s.wait("typing into the list's field", lambda: field.focused, 5)
    run(["xdotool", "type", "xyz"])  # no city's name begins so
    s.wait("no minutes shown", lambda: s.label(cities, "Minuta").name == "", 5)
    s.press(cities, "Aktivoje")
    message = s.find(s.app, name="Zgjidhni një qytet nga lista.", role="label").parent
    s.press(message, "Në rregull", closes=True)
    s.check(cities.showing, "the city window closed after the message")
    s.press(cities, "Kthehu", closes=True)
    s.check(s.selected_city() == [("Gjilan", -1)], f"{s.selected_city()} stored without a city")
    s.check(s.values(main, GJILAN) == GJILAN, "the main window changed its city")

    s.press(main, "Ditëlindja")
    birthday = s.window("Ditëlindja sipas hixhrit")
    s.check(s.find(birthday, role="spin button").name == "Data Gregoriane", "no birth date field")
    s.check(s.values(birthday, BIRTHDAY) == BIRTHDAY, "the birthday window's figures are wrong")
    s.press(birthday, "Kthehu", closes=True)
    s.press(main, "Rreth programit")
    about = s.window("Rreth programit")
    s.find(about, name="kolvira@kolvira.org", role="label")
    s.press(about, "Kthehu", closes=True)
    s.press(main, "Takvimi i muajit")
    timetable = s.window("Takvimi i muajit")
    s.check(s.label(timetable, "Qyteti dhe kalendari").name.startswith("Gjilan (-1 min)"),
            "the timetable names another city")
    table = s.find(timetable, name="Takvimi i muajit", role="table").queryTable()
    row = next(r for r in range(table.nRows) if table.getAccessibleAt(r, 0).name == TODAY_ROW[0])
    read = [table.getAccessibleAt(row, c).name for c in range(table.nColumns)]
    s.log(f"today's row: {read}")
    s.check(read == TODAY_ROW, "today's row of the timetable reads wrong")
    s.press(timetable, "Mbyll", closes=True)
    s.check(main.showing, "the main window went away")

    s.close_box(main)
    s.running("after the close box")
    s.click_icon()
    s.window("Kolvira", 5)
    s.click_icon()
    s.wait("main window hidden by the icon", lambda: not s.shown("Kolvira"), 5)
    s.click_icon(3)
    menu = s.menu()
    s.find(menu, name="Takvimi i muajit", role="menu item", limit=5)
    exit_item = s.find(menu, name="Dalje", role="menu item", limit=5)
    try:
        exit_item.doActionNamed("Press")
    except Exception:  # the program may end before it answers
        pass
    s.check(s.app_process.wait(10) == 0, "exit status not 0 after \"Dalje\"")

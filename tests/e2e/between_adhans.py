#!/usr/bin/python3
# Between the adhans, on a day of Ramadan, hidden in the notification area,
# with the clock set by hand and the notices read at the test's own
# notification service; Fexhri set to a notice only, a reminder 15 minutes
# before Dhuhri:
# - the icon's tip (the main window's line tells it too) counts to the iftar;
# - at Fexhri a notice, no sound and no window;
# - 15 minutes before Dhuhri the reminder, no sound;
# - Dhuhri's adhan plays and "Ndalo ezanin" in the icon's menu stops it; the
#   menu's first line, which cannot be chosen, counts to the iftar;
# - a clock set over Asri and Akshami tells once that Akshami's time came,
#   and plays nothing.
import os

from session import Session, rms

DAY = "2026-03-01"  # 11 Ramadan 1447
TIP = ("Kolvira\nIftari (akshami) në 16:02 — edhe 10 orë e 53 minuta\n"
       "E diel, 11 Ramadan (09), 1447")


def quiet(s, seconds=2):
    return rms(s.heard(seconds)) < 0.001


with Session() as s:
    s.prepare_program(day=DAY, seconds=60)  # a recording that lasts: only the stop ends it
    os.makedirs(folder := f"{os.environ['XDG_CONFIG_HOME']}/kolvira")
    open(f"{folder}/kolvira.conf", "w").write("[Ezani]\nSabahu=njoftimi\n[Kujtesa]\nDreka=15\n")
    s.start_notices()
    s.start_program(f"{DAY} 05:09:45")
    main = s.window("Kolvira")
    s.wait("the tip in the main window", lambda: main.findChild(
        lambda n: n.roleName == "label" and n.description == TIP, retry=False))
    s.close_box(main)

    fexhri = s.notice("Koha e Sabahut hyri në 05:10")
    s.check(fexhri["app"] == "Kolvira" and fexhri["icon"] == "kolvira", f"notice: {fexhri}")
    s.check(not s.shown("Kolvira") and quiet(s, 0), "Fexhri brought the window or a sound")

    s.jump(f"{DAY} 11:59:56")
    s.notice("Edhe 15 minuta deri në Drekën (12:15)")
    s.check(quiet(s, 0), "sound before Dhuhri")

    s.jump(f"{DAY} 12:14:57")
    s.window("Kolvira")
    s.wait("the adhan heard", lambda: rms(s.heard(1)) > 0.05)
    adhan = s.notice("Ezani: Dhuhri (dreka), 12:15")
    s.check(adhan["actions"] == ["ndalo", "Ndalo ezanin"], f"the adhan's notice: {adhan}")
    s.click_icon(3)
    first = s.menu()[0]
    s.check(first.name.startswith("Iftari (akshami) në 16:02 — edhe 3 orë e 4")
            and not first.sensitive, f"the menu's first line: {first.name!r}")
    s.find(s.menu(), name="Ndalo ezanin", role="menu item", limit=5).doActionNamed("Press")
    s.wait("the adhan stopped", lambda: quiet(s), 5)

    count = len(s.notices())
    s.jump(f"{DAY} 16:05:00")
    s.notice("Koha e Akshamit hyri në 16:02")
    s.check(len(s.notices()) == count + 1, f"more than one notice: {s.notices()[count:]}")
    s.check(quiet(s), "sound after the clock was set over Akshami")

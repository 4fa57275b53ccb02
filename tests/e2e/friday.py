#!/usr/bin/python3
# On Friday 20 March 2026 before noon, with a reminder of 30 minutes before
# Xhumaja and none before Dhuhri on the other days:
# - the next-prayer line and the icon's tip (the line's description) name
#   Xhumaja, at Dhuhri's time;
# - half an hour before it the reminder names Xhumaja, and so does the
#   adhan's notice;
# - "Kibla..." in the city window tells Prishtinë's Qibla in words, beside
#   and under its drawn compass rose.
import os

from session import Session

DAY = "2026-03-20"

with Session() as s:
    s.prepare_program(day=DAY)
    os.makedirs(folder := f"{os.environ['XDG_CONFIG_HOME']}/kolvira")
    open(f"{folder}/kolvira.conf", "w").write("[Kujtesa]\nXhumaja=30\n")
    s.start_notices()
    s.start_program(f"{DAY} 10:00:00")
    main = s.window("Kolvira")
    line = s.wait("the next-prayer line", lambda: main.findChild(
        lambda n: n.roleName == "label" and n.name.startswith("Xhumaja në 12:15\nedhe 2 orë"),
        retry=False, requireResult=False))
    s.check("\nXhumaja në 12:15 — edhe 2 orë" in line.description, f"the tip: {line.description!r}")

    s.jump(f"{DAY} 11:44:57")
    s.notice("Edhe 30 minuta deri në Xhumanë (12:15)")
    s.jump(f"{DAY} 12:14:57")
    s.notice("Ezani: Xhumaja, 12:15")

    s.press(main, "Qyteti...")
    cities = s.window("Zgjedhja e qytetit")
    s.press(cities, "Drejtimi i kiblës")
    qibla = s.window("Kibla: Prishtinë")
    text = "Kibla: 137.9° (juglindje), 2 930 km deri në Qabe"
    s.find(qibla, name=text, role="label")
    rose = s.find(qibla, name="Busulla e kiblës")
    s.check(rose.description == text, f"the rose tells {rose.description!r}")
    s.press(qibla, "Mbyll", closes=True)

#!/usr/bin/python3
# On 20 March 2026, 1 Shawwal 1447, in Prishtinë with the takvim of Kosovo:
# - the main window shows the Bajram prayer, the takvim's sunrise (05:33)
#   + 45 minutes with Prishtinë's -1;
# - "Cilësimet..." opens the settings window, every control in it named;
#   a Hijri adjustment of +1 kept with "Ruaj" moves the main window's Hijri
#   date and the birthday window's a day on (so the Bajram line goes), a
#   volume of 30 moves the player's slider; both are written to
#   ~/.config/kolvira/kolvira.conf.
import os
import shutil

from session import Session

with Session() as s:
    s.prepare_program(database=False)
    shutil.copy(s.database, s.app_dir)
    s.start_program("2026-03-20 09:00:00")
    main = s.window("Kolvira")
    shown = {"Data sipas hixhrit": "E xhuma, 01 Shewwal (10), 1447",
             "Namazi i Bajramit": "Namazi i Bajramit: 06:17"}
    s.check(s.values(main, shown) == shown, "no Bajram prayer on 1 Shawwal")

    s.press(main, "Cilësimet...")
    window = s.window("Cilësimet")
    controls = window.findChildren(lambda n: n.roleName in ("combo box", "spin button"))
    s.check(len(controls) == 14 and all(c.name for c in controls), "a control without a name")
    s.find(window, name="Korrigjimi i datës hixhri, në ditë", role="spin button").value = 1
    s.find(window, name="Volumi i ezanit", role="spin button").value = 30
    s.press(window, "Ruaj", closes=True)
    shown = {"Data sipas hixhrit": "E xhuma, 02 Shewwal (10), 1447", "Namazi i Bajramit": ""}
    s.wait("the Hijri date a day on", lambda: s.values(main, shown) == shown, 5)
    kept = open(f"{os.environ['XDG_CONFIG_HOME']}/kolvira/kolvira.conf").read()
    s.check("KorrigjimiHixhri=1" in kept and "Volumi=30" in kept, "the settings were not kept")
    s.wait("the player's volume", lambda: s.find(main, "Volumi", "slider").value == 30, 5)

    s.press(main, "Ditëlindja")
    birthday = s.window("Ditëlindja sipas hixhrit")
    born = {"Ditëlindja sipas hixhrit": "E shtunë, 05 Xhumadeth-Thani (06), 1395"}
    s.check(s.values(birthday, born) == born, "the birthday window kept the unadjusted date")

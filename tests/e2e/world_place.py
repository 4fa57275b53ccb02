#!/usr/bin/python3
# A place of the world on a computer in Zürich: a name that is no place finds
# nothing, "Prishtina" finds the list's Prishtinë first; found as "Cyrih" in the
# search and kept under its Albanian name, chosen with Diyanet's method, it shows its own times of the day and
# the adhan comes at its Dhuhri. The mosque's printed table: a file with a
# wrong line, or no text at all, is refused, nothing changed; a
# good one gives the window its times and the adhan. Prishtinë chosen again
# gives back the table of Kosovo, the file's rows as they were. Cyrih is taken
# off the list after a question; the selected place cannot be. Tromsø at
# midsummer, where the sun does not set, shows its sunrise as an estimate.
# Usage: world_place.py KOLVIRA_DB NAME PROGRAM DATABASE ARTEFACTS
import os
import subprocess
import sys

from session import DAILY_HZ, DAWN_HZ, Session, rms, run

kolvira_db = sys.argv.pop(1)
DAY = "2026-03-10"
CAPTIONS = ("Sehuri (imsaku)", "Fexhri (sabahu)", "Lindja e diellit", "Dhuhri (dreka)",
            "Asri (ikindia)", "Magribi (akshami)", "Isha (jacia)", "Qyteti i zgjedhur")


def shown(times, city):
    return dict(zip(CAPTIONS, times.split() + [city]))


# Diyanet's method at GeoNames' Zürich (47.36667, 8.55), as `kolvira-db
# generate --at` writes it; Diyanet's own Konstanz table, 0.6° east, has the
# same Dhuhri.
ZURICH = shown("05:07 05:07 06:42 12:41 15:49 18:30 19:53", "Cyrih")
MOSQUE = shown("05:00 05:10 06:41 12:50 15:55 18:35 20:00", "Cyrih")
MWL = "Lidhja Botërore Myslimane (MWL)"  # its Isha on 11 March: 20:02, Diyanet's 19:54
BAD_TABLE = "Data;Imsaku;Sabahu;Lindja;Dreka;Ikindia;Akshami;Jacia\n" \
    "09.03.2026;05:02;05:12;06:43;12:50;15:54;18:33;19:58\n" \
    "10.03.2026;05:00;05:10;06:41;12:50;18:35;15:55;20:00\n"
GOOD_TABLE = BAD_TABLE.replace("18:35;15:55", "15:55;18:35")


def in_city_window(s, main, city, then):
    s.press(main, "Qyteti...")
    cities = s.window("Zgjedhja e qytetit")
    s.find(cities, name=city, role="list item", showing=False).doActionNamed("Toggle")
    s.press(cities, then)


def import_table(s, mosque, path):
    s.press(mosque, "Importo tabelën...")
    dialog = s.window("Tabela e xhamisë")
    s.find(dialog, role="text").text = path
    s.press(dialog, "Hap", closes=True)
    message = s.wait("the message", lambda: s.app.findChild(
        lambda n: n.roleName == "label" and "importua" in n.name and n.showing, retry=False,
        requireResult=False))
    text = message.name
    s.press(message.parent, "Në rregull")
    return text


with Session() as s:
    s.prepare_program(database=False)
    subprocess.run([kolvira_db, "generate", f"{s.app_dir}/kolvira.db", "--year", "2026"],
                   check=True, capture_output=True)
    rows = s.sql("SELECT * FROM kolvira ORDER BY Muaji, Dita")
    os.environ["TZ"] = "Europe/Zurich"  # the user's computer, and its clock
    s.start_program(f"{DAY} 12:30:00")
    main = s.window("Kolvira")

    s.press(s.window("Vendi juaj"), "Kërko tjetër...")  # the place of the zone, not taken
    search = s.window("Kërko vendin")
    field = s.find(search, name="Emri i vendit", role="text")
    found = s.find(search, name="Vendet e gjetura")
    field.text = "xqzzv"
    s.wait("no hit", lambda: [n.name for n in found] == ["Asnjë vend me këtë emër."])
    field.text = "Prishtina"
    s.wait("the list's Prishtinë first", lambda: found.childCount and found[0].name == "Prishtinë")
    field.text = "Cyrih"
    s.find(search, name="Cyrih — Zürich (Zvicër)", role="list item").doActionNamed("Toggle")
    s.press(search, "Zgjidhe", closes=True)
    s.wait("Zürich in the main window", lambda: main.showing and s.values(main, ZURICH) == ZURICH)
    s.jump(f"{DAY} 12:40:50")
    s.adhan(main, "12:41:00", DAILY_HZ, DAWN_HZ)
    s.press(main, "Pusho")
    s.wait("quiet", lambda: rms(s.heard(1)) < 0.001, 10)
    heard_before = len(s.heard())

    in_city_window(s, main, "Cyrih", "Sipas xhamisë")
    mosque = s.window("Sipas xhamisë: Cyrih")
    [s.find(mosque, name=f"Minutat e {n}", role="spin button") for n in ("Imsakut", "Ishasë")]
    # A combo box is read by its choice; the methods' is the one whose list has
    # MWL, chosen as by the keyboard: MWL comes after Diyanet.
    methods = s.find(mosque, name=MWL, role="list item", showing=False).parent.parent
    import pyatspi  # once the session's accessibility bus is there
    s.wait(f"{mosque.name} active", lambda: mosque.getState().contains(pyatspi.STATE_ACTIVE))
    run(["xdotool", "key", "alt+m", "Down"])  # the label "&Metoda:", then the next method
    s.wait("MWL chosen", lambda: methods.name == MWL)
    s.press(mosque, "Ruaj metodën")
    s.press(s.wait("the method's message", lambda: s.shown("Sipas xhamisë")), "Në rregull")
    s.check(s.sql("SELECT Isha FROM kolvira WHERE Dita = 11 AND Muaji = 3") == [("20:02:00",)],
            "the rows follow no other method")
    table = f"{s.work}/xhamia.csv"
    open(table, "w").write(BAD_TABLE)
    before = s.sql("SELECT * FROM kolvira"), s.sql("SELECT * FROM TabelaEXhamise")
    refusal = import_table(s, mosque, table)
    s.check("Rreshti 3" in refusal, f"the refusal names no line: {refusal!r}")
    s.check((s.sql("SELECT * FROM kolvira"), s.sql("SELECT * FROM TabelaEXhamise")) == before,
            "a refused table changed the database")
    open(table, "wb").write(bytes(range(256)) * 8)
    refusal = import_table(s, mosque, table)
    s.check("nuk u importua" in refusal, f"a file of no text was not refused: {refusal!r}")
    s.check((s.sql("SELECT * FROM kolvira"), s.sql("SELECT * FROM TabelaEXhamise")) == before,
            "a file of no text changed the database")
    open(table, "w").write(GOOD_TABLE)
    told = import_table(s, mosque, table)
    s.check("u importua: 2 ditë" in told, f"the import told {told!r}")
    s.press(mosque, "Mbyll", closes=True)
    s.press(s.window("Zgjedhja e qytetit"), "Aktivoje", closes=True)
    s.wait("the mosque's times", lambda: main.showing and s.values(main, MOSQUE) == MOSQUE)
    # Dhuhri has been called today; the method would call Asri at 15:49.
    s.jump(f"{DAY} 15:54:50")
    s.adhan(main, "15:55:00", DAILY_HZ, DAWN_HZ, heard_before)

    in_city_window(s, main, "Prishtinë", "Aktivoje")
    s.wait("Prishtinë again", lambda: s.label(main, "Qyteti i zgjedhur").name == "Prishtinë")
    s.check(s.sql("SELECT * FROM kolvira ORDER BY Muaji, Dita") == rows,
            "the table came back changed")

    s.press(main, "Qyteti...")
    cities = s.window("Zgjedhja e qytetit")
    remove = s.find(cities, name="Hiq vendin", role="push button")
    s.check(not remove.sensitive, "the selected Prishtinë could be removed")
    s.find(cities, name="Cyrih", role="list item", showing=False).doActionNamed("Toggle")
    s.wait("Cyrih removable", lambda: remove.sensitive)
    s.press(cities, "Hiq vendin")
    s.press(s.app, "Hiqe")
    s.wait("Cyrih off the list", lambda: s.sql("SELECT Qyteti FROM Qytetet WHERE IDQyteti >= "
                                               "100000 UNION ALL SELECT IDQyteti FROM "
                                               "VendetEBotes") == [])
    s.check(s.sql("SELECT count(*) FROM TabelaEXhamise") == [(0,)], "its table stayed")

    s.press(cities, "Kërko vendin...")
    search = s.window("Kërko vendin")
    s.find(search, name="Emri i vendit", role="text").text = "Tromsø"
    s.find(search, name="Tromsø (Norvegji)", role="list item").doActionNamed("Toggle")
    s.press(search, "Zgjidhe", closes=True)
    s.jump("2026-06-21 10:00:00")
    s.wait("midsummer's sunrise told as an estimate", lambda: s.label(
        main, "Lindja e diellit, e përafërt, sipas rregullit të netëve të shkurtra: Një e shtata "
        "e natës").name == "≈01:38")
    s.running("at the end")

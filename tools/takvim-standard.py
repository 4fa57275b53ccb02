#!/usr/bin/env python3
"""Turns a printed yearly takvim (local time of Kosovo, with that year's
summer time) into the perpetual table the program keeps: standard time
(UTC+1) for every day and month, 29 February included.

    python3 tools/takvim-standard.py PRINTED.tsv > data/kosova-takvimi.tsv
"""
import sys
from datetime import date, datetime, timedelta
from zoneinfo import ZoneInfo

ZONE = ZoneInfo("Europe/Belgrade")
HEADER = """\
# Takvimi i Bashkësisë Islame të Kosovës (BIK), në orën standarde të Kosovës (UTC+1), pa orën verore.
# Burimi: takvimi vjetor i Bashkësisë Islame të Kosovës, botimi i vitit {year} siç është shtypur; ora verore
# (nga {first} deri më {last}) është hequr: çdo kohë e atyre ditëve është një orë më herët se në takvim.
# Tabela është e njëjtë çdo vit pa orën verore; programi i shton çdo viti orën verore të vet.
# 29 shkurti nuk është në botimin e {year}: është mesi i 28 shkurtit dhe 1 marsit, minutë për minutë,
# i rrumbullakuar lart kur bie në gjysmë minute.
# Kolonat: Imsaku, Sabahu (Fexhri), Lindja e diellit, Dreka (Dhuhri), Ikindia (Asri), Akshami (Magribi), Jacia (Isha).
# Minutat e qyteteve sipas shënimit të takvimit: Prishtinë, Ferizaj, Gjilan, Podujevë e Vushtrri -1; Preshevë -2;
# Sharr (Dragash) +2; qytetet e tjera të Kosovës 0.
"""


def minutes(text):
    h, m = text.split(":")
    return int(h) * 60 + int(m)


def clock(total):
    return f"{total // 60:02d}:{total % 60:02d}"


def main(path):
    rows = {}
    summer = []
    year = None
    for line in open(path, encoding="utf-8"):
        if line.startswith("#") or line.startswith("date") or not line.strip():
            continue
        fields = line.rstrip("\n").split("\t")
        day = date.fromisoformat(fields[0])
        year = day.year
        noon = datetime(day.year, day.month, day.day, 12, tzinfo=ZONE)
        shift = int(noon.dst() / timedelta(minutes=1))
        if shift:
            summer.append(day)
        rows[(day.month, day.day)] = [minutes(t) - shift for t in fields[1:8]]
    if (2, 29) not in rows:
        before, after = rows[(2, 28)], rows[(3, 1)]
        rows[(2, 29)] = [(a + b + 1) // 2 for a, b in zip(before, after)]
    out = sys.stdout
    out.write(HEADER.format(year=year, first=summer[0].strftime("%-d.%-m"),
                            last=summer[-1].strftime("%-d.%-m")))
    out.write("Dita\tMuaji\tImsaku\tFexhri\tLindja e diellit\tDhuhri\tAsri\tMagribi\tIsha\n")
    for (month, day) in sorted(rows):
        out.write(f"{day}\t{month}\t" + "\t".join(clock(t) for t in rows[(month, day)]) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])

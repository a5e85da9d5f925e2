#!/usr/bin/env python3
"""Writes a deterministic report-like text for the benchmarks:
make_report.py [--messages] OUTPUT [MEGABYTES] (default 50).
`make_report.py --names` prints the building names instead, one a line, as search patterns for comparisons.

By default every line is one report: most are successful sabotage reports naming one building, some name two, some
name none (failed attempts, spy and fleet messages), and a few are several KB long, as when a whole overview page
is pasted as one line. With --messages the text is whole messages as the message view shows them: a header with
the time, the target, and one short line per destroyed building type, once in a while with a long line pasted
along."""

import datetime
import random
import sys

BUILDINGS = [
    "Planetenzentrale", "Raumhafen", "Wohngebäude", "Solarpark", "Eisenmine", "Siliziumraffinerie",
    "Kohlenstoffgewinnungsanlage", "Bohrturm", "Chemiefabrik", "Recyclinganlage", "Rohstofflager",
    "Schiffsfabrik", "Waffenfabrik", "Forschungszentrum",
]
# Reports name the cheap production buildings far more often than the centres.
BUILDING_WEIGHTS = [1, 2, 8, 6, 8, 5, 4, 5, 3, 3, 5, 2, 2, 1]

QUIET_MESSAGES = [
    "Sabotage auf Planet {planet} fehlgeschlagen: Agent wurde enttarnt",
    "Sabotage auf Planet {planet} fehlgeschlagen: Abwehr zu stark",
    "Spionagebericht von Planet {planet}: keine Verteidigung gefunden",
    "Flotte von Planet {planet} ist angekommen und hat Rohstoffe abgeladen",
    "Agent auf Planet {planet} abgesetzt, Tarnung hält",
    "Nachricht von der Allianzleitung: Treffpunkt morgen um 20 Uhr bei {planet}",
]


class Report:
    def __init__(self, seed):
        self.random = random.Random(seed)
        self.time = datetime.datetime(2026, 12, 9, 18, 0, 0)

    def timestamp(self):
        self.time += datetime.timedelta(seconds=self.random.randint(1, 90))
        return self.time.strftime("%d.%m.%Y %H:%M:%S")

    def planet(self):
        r = self.random
        return f"{r.randint(1, 9)}:{r.randint(1, 499)}:{r.randint(1, 15)}"

    def building(self):
        return self.random.choices(BUILDINGS, BUILDING_WEIGHTS)[0]

    def amount(self):
        return self.random.choice(["1", "2", "3", str(self.random.randint(1, 40))])

    def one_building(self):
        return (f"{self.timestamp()} Sabotage auf Planet {self.planet()} erfolgreich: "
                f"{self.building()} ({self.amount()}) zerstört")

    def two_buildings(self):
        return (f"{self.timestamp()} Sabotage auf Planet {self.planet()} erfolgreich: "
                f"{self.building()} ({self.amount()}) und {self.building()} zerstört")

    def no_building(self):
        message = self.random.choice(QUIET_MESSAGES).format(planet=self.planet())
        return f"{self.timestamp()} {message}"

    def long_line(self):
        # An overview pasted without its line breaks: many reports, a name in a few of them.
        parts = [self.one_building() if self.random.random() < 0.2 else self.no_building()
                 for _ in range(self.random.randint(40, 120))]
        return " | ".join(parts)

    def message(self):
        lines = [f"{self.timestamp()} Sabotagebericht", f"Ziel: Planet {self.planet()}"]
        if self.random.random() < 0.2:
            lines.append(self.no_building())
        else:
            lines.append("Zerstörte Gebäude:")
            for building in dict.fromkeys(self.building() for _ in range(self.random.randint(1, 5))):
                lines.append(f"{building} ({self.amount()})")
        if self.random.random() < 0.001:
            lines.append(self.long_line())
        return "\n".join(lines) + "\n"

    def line(self):
        roll = self.random.random()
        if roll < 0.002:
            return self.long_line()
        if roll < 0.12:
            return self.two_buildings()
        if roll < 0.80:
            return self.one_building()
        return self.no_building()


def write_report(path, megabytes, messages):
    report = Report(seed=20261209)
    piece = report.message if messages else lambda: report.line() + "\n"
    limit = megabytes * 1_000_000
    written = 0
    with open(path, "wb") as out:
        while written < limit:
            chunk = "".join(piece() for _ in range(10_000)).encode("utf-8")
            out.write(chunk)
            written += len(chunk)


def main():
    if sys.argv[1:] == ["--names"]:
        print("\n".join(BUILDINGS))
        return
    args = sys.argv[1:]
    messages = args[:1] == ["--messages"]
    if messages:
        args = args[1:]
    if len(args) not in (1, 2):
        sys.exit("usage: make_report.py [--messages] OUTPUT [MEGABYTES] | make_report.py --names")
    write_report(args[0], int(args[1]) if len(args) == 2 else 50, messages)


if __name__ == "__main__":
    main()

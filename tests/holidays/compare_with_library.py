#!/usr/bin/env python3
"""Compares the holiday packs' dates with an independent holiday library.

For every region of our packs that the python3 `holidays` library knows, the dates of
2020 to 2040 as `qvftool holidays REGION --year 2020-2040` prints them are compared with the
library's dates for the same region and year. Names are not compared: the two sources
spell them differently; a date on one side only is a difference.

Every difference must be explained in the reviewed file of known differences, and every
entry of that file must still explain at least one difference, so the file stays honest.

Exit codes: 0 all differences known, 1 unexplained differences or stale entries,
77 the library is missing (the test is skipped).
"""

import argparse
import concurrent.futures
import datetime
import fnmatch
import os
import pathlib
import re
import subprocess
import sys

FIRST_YEAR = 2020
LAST_YEAR = 2040
SKIP = 77

# Our region code's subdivision -> the library's subdivision name, where they differ.
AUSTRIAN_STATES = {"1": "B", "2": "K", "3": "N", "4": "O", "5": "S",
                   "6": "ST", "7": "T", "8": "V", "9": "W"}
GB_NATIONS = {"ENG": "England", "WLS": "Wales", "SCT": "Scotland", "NIR": "NorthernIreland"}
SPANISH_COMMUNITIES = {"AN": "AND", "AR": "ARG", "AS": "AST", "CN": "CAN", "CB": "CAM",
                       "CL": "CAL", "CT": "CAT", "VC": "CVA", "EX": "EXT", "GA": "GAL",
                       "IB": "IBA", "MD": "MAD", "MC": "MUR", "NC": "NAV", "PV": "PVA",
                       "RI": "RIO", "CE": "CEU", "ML": "MEL"}
ALSACE_MOSELLE = {"57": "Alsace-Moselle", "67": "Alsace-Moselle", "68": "Alsace-Moselle"}


def library_calendar(holidays, region, years):
    """The library's holidays of region for years, or None when it does not know it."""
    country, _, sub = region.partition("-")
    options = {}
    if country in ("SE", "NO"):
        options["include_sundays"] = False  # the library lists every Sunday by default
    if country == "GB":
        if not sub or sub not in GB_NATIONS:
            return None
        return getattr(holidays, GB_NATIONS[sub])(years=years)
    cls = getattr(holidays, "France" if country == "FR" else country, None)
    if cls is None:
        return None
    if not sub:
        # Without a subdivision the library gives Vienna for Austria and Ontario for
        # Canada: it has no calendar of the whole country to compare with.
        return None if country in ("AT", "CA") else cls(years=years, **options)
    known = {"AT": AUSTRIAN_STATES, "ES": SPANISH_COMMUNITIES, "FR": ALSACE_MOSELLE}
    name = known.get(country, {}).get(sub, sub)
    if name in getattr(cls, "PROVINCES", []):
        return cls(years=years, prov=name, **options)
    if name in getattr(cls, "STATES", []):
        return cls(years=years, state=name, **options)
    return None


def library_days(calendar, year):
    # The library joins the names of holidays on one day with ", ".
    return {day: name.split(", ") for day, name in calendar.items() if day.year == year}


def our_days(qvftool, region, first, last):
    """Our days of the years first to last, by year: one qvftool run per region."""
    span = f"{first}-{last}"
    out = subprocess.run([qvftool, "holidays", region, "--year", span],
                         capture_output=True, text=True, check=False)
    if out.returncode != 0:
        raise RuntimeError(f"qvftool holidays {region} --year {span} failed: "
                           f"{out.stderr.strip()}")
    by_year = {year: {} for year in range(first, last + 1)}
    for line in out.stdout.splitlines():
        if not line.strip():
            continue
        day, _, name = line.partition(" ")
        date = datetime.date.fromisoformat(day)
        by_year.setdefault(date.year, {}).setdefault(date, []).append(name)
    return by_year


def pack_regions(pack_dir):
    regions = []
    for pack in sorted(pathlib.Path(pack_dir).glob("*.txt")):
        for line in pack.read_text(encoding="utf-8").splitlines():
            words = line.split()
            if len(words) > 1 and words[0] == "region":
                regions.append(words[1])
    return regions


class Known:
    """One pattern of the known-differences file: a region group's side, what and years."""

    LINE = re.compile(r"^(?P<side>[+-])\s+(?P<what>.+?)(?:\s+(?P<first>\d{4})"
                      r"(?:-(?P<last>\d{4}))?)?\s*$")

    def __init__(self, regions, reason, line, number):
        m = self.LINE.match(line)
        if not m:
            raise ValueError(f"line {number}: not a pattern: {line}")
        self.regions, self.reason, self.number, self.text = regions, reason, number, line
        self.ours = m["side"] == "+"
        self.what = m["what"]
        self.first = int(m["first"]) if m["first"] else FIRST_YEAR
        self.last = int(m["last"]) if m["last"] else (self.first if m["first"] else LAST_YEAR)
        self.used = False

    def matches(self, region, ours, date, names):
        if region not in self.regions or ours != self.ours:
            return False
        if not self.first <= date.year <= self.last:
            return False
        if re.fullmatch(r"\d\d-\d\d", self.what):
            return date.strftime("%m-%d") == self.what
        if re.fullmatch(r"\d{4}-\d\d-\d\d", self.what):
            return date.isoformat() == self.what
        return any(fnmatch.fnmatchcase(name, self.what) for name in names)


def read_known(path):
    """Groups begin with "== REGION[,REGION…]: reason"; their lines are "+ WHAT [YEARS]"
    (a date only in our pack) or "- WHAT [YEARS]" (only in the library). WHAT is MM-DD,
    YYYY-MM-DD or a holiday's name on that side, where * stands for any text; YEARS is YYYY
    or YYYY-YYYY (2020-2040 when left out)."""
    patterns, regions, reason = [], None, None
    for number, raw in enumerate(pathlib.Path(path).read_text(encoding="utf-8").splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("=="):
            head, _, reason = line[2:].partition(":")
            regions = {code.strip() for code in head.split(",")}
            if not reason.strip():
                raise ValueError(f"line {number}: a group needs a reason")
            continue
        if regions is None:
            raise ValueError(f"line {number}: a pattern before any group")
        patterns.append(Known(regions, reason.strip(), line, number))
    return patterns


def compare(region, year, ours, library, known, problems):
    for ours_side, days, other in ((True, ours, library), (False, library, ours)):
        for date in sorted(set(days) - set(other)):
            hits = [k for k in known if k.matches(region, ours_side, date, days[date])]
            for k in hits:
                k.used = True
            if not hits:
                where = "only in our pack" if ours_side else "only in the library"
                problems.append(f"{region} {date} {where}: {', '.join(days[date])}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--qvftool", required=True)
    parser.add_argument("--packs", required=True, help="folder of the pack files")
    parser.add_argument("--known", required=True, help="the known-differences file")
    parser.add_argument("--region", action="append", help="compare only these regions")
    args = parser.parse_args()
    try:
        import holidays
    except ImportError:
        print("SKIP: the python3 holidays library is not installed (python3-holidays)")
        return SKIP

    known = read_known(args.known)
    years = range(FIRST_YEAR, LAST_YEAR + 1)
    calendars = {}
    for region in args.region or pack_regions(args.packs):
        calendar = library_calendar(holidays, region, list(years))
        if calendar is not None:
            calendars[region] = calendar
    # One qvftool run per region for all the years: run them side by side.
    regions = list(calendars)
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        ours = dict(zip(regions, pool.map(
            lambda region: our_days(args.qvftool, region, FIRST_YEAR, LAST_YEAR), regions)))
    problems = []
    for region in regions:
        for year in years:
            compare(region, year, ours[region].get(year, {}),
                    library_days(calendars[region], year), known, problems)
    if not args.region:
        problems += [f"known-differences line {k.number} explains no difference any more: "
                     f"{k.text}" for k in known if not k.used]
    print(f"Compared {len(calendars)} regions with the library, {FIRST_YEAR}-{LAST_YEAR}: "
          + " ".join(calendars))
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

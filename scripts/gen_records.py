#!/usr/bin/env python3
"""Write a synthetic Vesk record file (.ｷﾛｸ) for trying out and benchmarking Norv2.

Every practice run becomes one 44-byte line followed by CR LF:

    A 2003-05-11  12:34:56   HIT: 123  MISS:  12

The first byte is the category mark: "A" alphabet, the single byte 0xB1
(half-width katakana "ｱ" in code page 932, not UTF-8) kana, "R" romaji and
"!" symbols.  The file is written in binary, so the mark stays one byte.

The practice history looks like a real learner's: some days off and a
holiday now and then, a varying number of runs on a practising day with
times rising through the day, hits that climb a learning curve per category
with day-to-day form and per-run noise, misses that fall slowly, and the odd
abandoned run.  The same arguments always give the same bytes.
"""

import argparse
import datetime
import itertools
import math
import random
import statistics
import sys

LINE_BYTES = 46  # 44 bytes of text, then CR LF
SECONDS_PER_DAY = 86400
CHUNK_LINES = 1 << 16

# Mark bytes in category order: alphabet, kana, romaji, symbols.
MARKS = (0x41, 0xB1, 0x52, 0x21)

# Per category: share of the runs, hits on the first day and at full skill,
# days to learn about two thirds of the way (time constant), misses at first
# and at full skill.
# Alphabet is practised most and scores highest; symbols least and lowest.
PROFILES = (
    # share  hit0  hit_top  tau   miss0  miss_top
    (0.42,   110,  430,     240,  26,    7),
    (0.20,    70,  300,     300,  34,   10),
    (0.28,    90,  370,     270,  30,    8),
    (0.10,    35,  190,     380,  42,   14),
)
# Misses come down more slowly than hits go up.
MISS_TAU_FACTOR = 2.5

BAD_RUN_CHANCE = 0.015
HIT_NOISE = 0.05   # relative spread of one run's hits around the day's level
MISS_NOISE = 0.3   # and of its misses
NOISE_BITS = 12


def schedule(rng, runs_per_day, first_weekday):
    """Yield the number of runs for each calendar day, without end; 0 is a day off."""
    # Weekends see 40 % more runs; scale weekdays so the week averages out.
    weekday_mean = runs_per_day * 7 / (5 + 2 * 1.4)
    holiday_left = 0
    for day in itertools.count():
        weekend = (first_weekday + day) % 7 >= 5
        if day == 0:
            off = False  # the file starts with the first run ever
        elif holiday_left:
            holiday_left -= 1
            off = True
        elif rng.random() < 0.012:
            holiday_left = rng.randint(2, 15)
            off = True
        else:
            off = rng.random() < (0.12 if weekend else 0.17)
        if off:
            yield 0
            continue
        mean = weekday_mean * (1.4 if weekend else 1.0)
        yield max(1, round(rng.gauss(mean, 0.5 * mean + 0.8)))


def fit_counts(counts, records):
    """Raise the runs of the practising days so that they add up to exactly `records`.

    Counts that already reach it are left alone; the writer stops at `records`.
    """
    total = sum(counts)
    if total >= records:
        return counts
    scaled = [c * records / total for c in counts]
    fitted = [int(s) for s in scaled]
    short = records - sum(fitted)
    # Largest remainders first; the day index keeps ties deterministic.
    order = sorted(range(len(counts)), key=lambda i: (fitted[i] - scaled[i], i))
    for i in order[:short]:
        fitted[i] += 1
    return fitted


def day_times(rng, n):
    """Return n strictly rising seconds of the day for one day's runs."""
    gaps = []
    for _ in range(n - 1):
        if rng.random() < 0.06:
            gaps.append(rng.randint(900, 7200))  # a break between sessions
        else:
            gaps.append(70 + int(rng.random() * 160))  # one run and a breather
    span = sum(gaps)
    room = SECONDS_PER_DAY - 1
    if span > room:
        # Very busy day: squeeze the gaps into the day, keeping each at least 1 s.
        gaps = [max(1, g * room // span) for g in gaps]
        span = sum(gaps)
        if span > room:
            gaps = [1] * (n - 1)
            span = n - 1
    # Mostly evenings, sometimes around midday.
    if rng.random() < 0.65:
        start = int(rng.gauss(20.5 * 3600, 1.5 * 3600))
    else:
        start = int(rng.gauss(12.5 * 3600, 2.0 * 3600))
    start = min(max(start, 0), room - span)
    times = [start]
    t = start
    for g in gaps:
        t += g
        times.append(t)
    return times


def build_tables():
    """Fixed-width byte pieces a line is glued together from."""
    times = [b"%02d:%02d:%02d" % (s // 3600, s // 60 % 60, s % 60)
             for s in range(SECONDS_PER_DAY)]
    hits = [b"   HIT: %3d  MISS:" % h for h in range(1000)]
    misses = [b" %3d\r\n" % m for m in range(1000)]
    assert all(len(t) == 8 for t in times)
    assert all(len(h) == 18 for h in hits)
    assert all(len(m) == 6 for m in misses)
    return times, hits, misses


def noise_table(spread):
    """Factors 1 + spread * z for evenly spaced normal quantiles z.

    Indexing this with random bits is far cheaper per run than random.gauss.
    """
    size = 1 << NOISE_BITS
    z = statistics.NormalDist().inv_cdf
    return [1.0 + spread * z((i + 0.5) / size) for i in range(size)]


def write_records(out, start, counts, seed, records):
    """Write the runs for `counts` (runs per day from `start`)."""
    rng = random.Random(f"{seed}:runs")
    rnd = rng.random
    gauss = rng.gauss
    bits = rng.getrandbits
    time_tab, hit_tab, miss_tab = build_tables()
    hit_noise = noise_table(HIT_NOISE)
    miss_noise = noise_table(MISS_NOISE)
    mask = (1 << NOISE_BITS) - 1
    first_ordinal = start.toordinal()
    shares = [p[0] for p in PROFILES]

    written = 0
    buf = []
    form = 0.0   # slowly wandering good or bad spell, shared by all categories
    rust = 0.0   # skill lost over days off, regained by practising
    for day, n in enumerate(counts):
        if records is not None and written >= records:
            break
        form = 0.7 * form + gauss(0.0, 0.04)
        if n == 0:
            rust = min(rust + 0.012, 0.15)
            continue
        # Lay out the whole day even when the last records cut it short, so that
        # --records N always gives the first N runs of the same history.
        times = day_times(rng, n)
        if records is not None and n > records - written:
            n = records - written
            times = times[:n]
        try:
            date = datetime.date.fromordinal(first_ordinal + day)
        except (ValueError, OverflowError):
            raise SystemExit("gen_records.py: the records would run past the year 9999")
        iso = date.isoformat().encode("ascii")
        prefixes = [bytes((mark,)) + b" " + iso + b"  " for mark in MARKS]

        # Today's level per category: learning curve, form, rust, a touch of its own.
        hit_level = []
        miss_level = []
        for _, hit0, hit_top, tau, miss0, miss_top in PROFILES:
            learnt = 1.0 - math.exp(-day / tau)
            today = 1.0 + form - rust + gauss(0.0, 0.025)
            hit_level.append((hit0 + (hit_top - hit0) * learnt) * today)
            unlearnt = math.exp(-day / (tau * MISS_TAU_FACTOR))
            miss_level.append((miss_top + (miss0 - miss_top) * unlearnt) * (2.0 - today))

        # Some days lean towards one category or another.
        weights = [s * (0.4 + 1.2 * rnd()) for s in shares]
        c0 = weights[0]
        c1 = c0 + weights[1]
        c2 = c1 + weights[2]
        wsum = c2 + weights[3]

        for sec in times:
            r = rnd() * wsum
            c = 0 if r < c0 else 1 if r < c1 else 2 if r < c2 else 3
            z = bits(2 * NOISE_BITS)
            hits = hit_level[c] * hit_noise[z >> NOISE_BITS]
            misses = miss_level[c] * miss_noise[z & mask]
            if rnd() < BAD_RUN_CHANCE:
                # Abandoned or flustered run: few hits, often more misses.
                hits *= rnd() * 0.3
                misses *= 1.0 + rnd() * 2.0
            h = int(hits + 0.5)
            m = int(misses + 0.5)
            h = 0 if h < 0 else 999 if h > 999 else h
            m = 0 if m < 0 else 999 if m > 999 else m
            buf.append(prefixes[c] + time_tab[sec] + hit_tab[h] + miss_tab[m])

        if written == 0:
            assert len(buf[0]) == LINE_BYTES and buf[0].endswith(b"\r\n"), buf[0]
        written += n
        rust *= 0.5
        if len(buf) >= CHUNK_LINES:
            out.write(b"".join(buf))
            buf.clear()
    out.write(b"".join(buf))


def positive_int(text):
    value = int(text)
    if value < 1:
        raise argparse.ArgumentTypeError(f"must be 1 or more: {text}")
    return value


def count(text):
    value = int(text)
    if value < 0:
        raise argparse.ArgumentTypeError(f"must be 0 or more: {text}")
    return value


def positive_float(text):
    value = float(text)
    if not value > 0 or math.isinf(value):
        raise argparse.ArgumentTypeError(f"must be a number above 0: {text}")
    return value


def iso_date(text):
    try:
        return datetime.date.fromisoformat(text)
    except ValueError:
        raise argparse.ArgumentTypeError(f"not a YYYY-MM-DD date: {text}")


def parse_args(argv):
    parser = argparse.ArgumentParser(
        description="Write a synthetic Vesk record file: one 44-byte line plus CR LF "
                    "per practice run, in chronological order. The same arguments "
                    "always give a byte-identical file.",
        epilog="Examples: gen_records.py out.ｷﾛｸ  |  gen_records.py --seed 7 --days 400 "
               "--start 2025-01-06 samples/たろう.ｷﾛｸ  |  gen_records.py --records "
               "1000000 --days 12000 big.ｷﾛｸ (a million runs, dates within 2003-2035)")
    parser.add_argument("output", help="file to write (overwritten)")
    parser.add_argument("--seed", type=int, default=1,
                        help="seed of the random history; the same seed gives the "
                             "same file (default 1)")
    parser.add_argument("--days", type=positive_int, default=None,
                        help="number of calendar days covered, from --start, days off "
                             "included (default 300; with --records and no --days, as "
                             "many days as the records need)")
    parser.add_argument("--runs-per-day", type=positive_float, default=6.0,
                        metavar="N",
                        help="average number of runs on a day with practice; weekends "
                             "see more, some days none (default 6)")
    parser.add_argument("--start", type=iso_date, default=datetime.date(2003, 5, 1),
                        metavar="YYYY-MM-DD",
                        help="first day, which always has practice (default 2003-05-01)")
    parser.add_argument("--records", type=count, default=None, metavar="N",
                        help="write exactly N records: the first N runs of the same "
                             "history. Alone, the file covers as many days as that "
                             "takes (about 4.7 records per calendar day at the default "
                             "rate, so a million runs reach past the year 2500). With "
                             "--days, the file covers at most those days: if they "
                             "would hold fewer runs than N, the runs of each "
                             "practising day are raised in proportion until exactly "
                             "N fit")
    return parser.parse_args(argv)


def main(argv=None):
    args = parse_args(argv)
    sched_rng = random.Random(f"{args.seed}:days")
    days = schedule(sched_rng, args.runs_per_day, args.start.weekday())
    if args.days is None and args.records is not None:
        counts = days  # endless; the writer stops at --records
    else:
        counts = list(itertools.islice(days, args.days or 300))
        if args.records is not None:
            counts = fit_counts(counts, args.records)
            if max(counts) > SECONDS_PER_DAY:
                raise SystemExit("gen_records.py: too many records for --days "
                                 "(runs of one day need distinct seconds)")
    with open(args.output, "wb") as out:
        write_records(out, args.start, counts, args.seed, args.records)
    return 0


if __name__ == "__main__":
    sys.exit(main())

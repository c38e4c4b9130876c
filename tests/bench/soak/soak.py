"""The soak run: the player plays fifty one-second wave files in a loop for a number of minutes
under Wine, continuous play and repeat on, while its memory, objects and CPU time are read
once a minute from outside and the desktop is watched for error boxes. Prints the series as a
Markdown table and whether it passed; the exit code says the same.

    python3 soak.py --player Sorvane.exe --probe winprobe.exe --samples DIR --work DIR \
        [--minutes 10]

The files are chosen the way a person chooses them: File > Open, their names typed into the
open dialog. An error box is recorded, closed with its OK button and START pressed again, so
the series goes on to the end; the run passes when no error box came up and, from the first minute (the first
devices opened, the heaps warmed up) to the last, the memory and the object counts stay flat:
the working set and the private bytes each grow by less than 1 MiB, with a least-squares slope
under 64 KiB a minute, and the counts of windows, threads and open files grow by at most 2.
"""

import argparse
import json
import os
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "e2e"))
from driver import Player  # noqa: E402
from scenarios import (  # noqa: E402
    START, list_lines, open_files, press, status_text, toggle_option)

FILES = [f"tone{i:02d}.wav" for i in range(1, 51)]
MIB = 1024 * 1024
# What "flat" means, from the first minute's sample to the last one (see above).
MEMORY_GROWTH_LIMIT = 1 * MIB
MEMORY_SLOPE_LIMIT = 64 * 1024
COUNT_GROWTH_LIMIT = 2
BOX_CHECK_SECONDS = 15


class Soak:
    def __init__(self, player):
        self.p = player
        self.pid = None
        self.boxes = []

    def begin(self):
        """Opens the fifty files, turns on continuous play and repeat, presses START."""
        if self.p.find("TForm1"):
            raise self.p.fail("a player of an earlier run is still there: end it first")
        self.p.start()
        open_files(self.p, FILES)
        self.p.wait_for(lambda: list_lines(self.p) == FILES, "the fifty names in the play list")
        toggle_option(self.p, "s")
        toggle_option(self.p, "r")
        self.pid = self.p.find("TForm1")["pid"]
        self.start()

    def start(self):
        press(self.p, "TForm1", START)
        self.p.wait_for(lambda: self.p.find("TForm5", visible=True), "the time window")

    def error_boxes(self, windows):
        return [w for w in windows
                if w["class"] == "#32770" and w["visible"] and w["pid"] == self.pid]

    def note_boxes(self, windows, began):
        """Records each error box, presses its OK and START again, so the run goes on."""
        for box in self.error_boxes(windows):
            text = " ".join(child["text"] for child in box["children"] if child["text"])
            self.boxes.append(f"{time.monotonic() - began:.0f} s: {text}")
            left, top, right, bottom = box.child("Button", "OK")["rect"]
            subprocess.run(["xdotool", "mousemove", "--sync", str((left + right) // 2),
                            str((top + bottom) // 2), "click", "1"], check=True)
            self.p.wait_for(lambda: not self.error_boxes(self.p.windows()), "the box to close")
            self.start()

    def sample(self, minute, began):
        windows = self.p.windows()
        self.note_boxes(windows, began)
        figures = json.loads(subprocess.run(
            [self.p.wine_run, self.p.probe, "process", str(self.pid)], capture_output=True,
            check=True).stdout)
        unix = self.p.process.pid
        figures.update({
            "minute": minute,
            "windows": sum(1 + len(w["children"]) for w in windows if w["pid"] == self.pid),
            "threads": len(list(Path(f"/proc/{unix}/task").iterdir())),
            "files": len(list(Path(f"/proc/{unix}/fd").iterdir())),
            "cpu_seconds": cpu_seconds(unix),
            "playing": playing(status_text(self.p)),
            "boxes": len(self.boxes),
        })
        return figures

    def watch_until(self, deadline, began):
        """Looks for error boxes every few seconds until the deadline."""
        while time.monotonic() < deadline:
            time.sleep(min(BOX_CHECK_SECONDS, max(0.0, deadline - time.monotonic())))
            if self.p.process.poll() is not None:
                raise self.p.fail("the player ended during the soak")
            self.note_boxes(self.p.windows(), began)

    def run(self, minutes):
        began = time.monotonic()
        series = [self.sample(0, began)]
        print_row(series[0], flush=True)
        for minute in range(1, minutes + 1):
            self.watch_until(began + 60 * minute, began)
            series.append(self.sample(minute, began))
            print_row(series[-1], series[-2], flush=True)
        return series


def cpu_seconds(pid):
    """User and system time of the process and all its threads: Wine answers GetProcessTimes
    for another process with a figure that does not move."""
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def playing(status):
    """What the status line shows of the playing file's name as it scrolls in (each file
    starts with a blank line), so the series shows the list going round."""
    return status.strip() or "(blank)"


COLUMNS = ("minute", "working set (KiB)", "private bytes (KiB)", "CPU (s)", "CPU in the minute (s)",
           "windows", "threads", "open files", "handles", "user / GDI objects", "error boxes",
           "status line")


def print_head():
    print("| " + " | ".join(COLUMNS) + " |")
    print("|" + "---|" * len(COLUMNS), flush=True)


def print_row(row, before=None, flush=False):
    objects = ("not measurable under Wine" if row["user_objects"] == 0 and row["gdi_objects"] == 0
               else f"{row['user_objects']} / {row['gdi_objects']}")
    handles = "not measurable under Wine" if row["handles"] == 0 else row["handles"]
    spent = f"{row['cpu_seconds'] - before['cpu_seconds']:.2f}" if before else ""
    cells = (row["minute"], row["working_set"] // 1024, row["private_bytes"] // 1024,
             f"{row['cpu_seconds']:.2f}", spent, row["windows"], row["threads"], row["files"],
             handles, objects, row["boxes"], row["playing"])
    print("| " + " | ".join(str(cell) for cell in cells) + " |", flush=flush)


def slope(values):
    """The least-squares slope of the values against their index, per step."""
    n = len(values)
    mean_x = (n - 1) / 2
    mean_y = sum(values) / n
    spread = sum((x - mean_x) ** 2 for x in range(n))
    return sum((x - mean_x) * (y - mean_y) for x, y in enumerate(values)) / spread if spread else 0


def verdict(series, boxes):
    """The reasons the run fails; empty when it passed."""
    settled = series[1:] if len(series) > 2 else series
    first, last = settled[0], settled[-1]
    faults = [f"an error box came up: {text}" for text in boxes]
    for key, name in (("working_set", "working set"), ("private_bytes", "private bytes")):
        growth = last[key] - first[key]
        per_minute = slope([row[key] for row in settled])
        print(f"{name}: {growth / 1024:+.0f} KiB from minute {first['minute']} to "
              f"{last['minute']}, slope {per_minute / 1024:+.1f} KiB a minute")
        if growth >= MEMORY_GROWTH_LIMIT or per_minute >= MEMORY_SLOPE_LIMIT:
            faults.append(f"the {name} grows")
    for key in ("windows", "threads", "files"):
        if last[key] - first[key] > COUNT_GROWTH_LIMIT:
            faults.append(f"the count of {key} grows from {first[key]} to {last[key]}")
    return faults


def main():
    parser = argparse.ArgumentParser()
    for option in ("--player", "--probe", "--samples", "--work"):
        parser.add_argument(option, required=True)
    parser.add_argument("--minutes", type=int, default=10)
    args = parser.parse_args()
    work = Path(args.work).resolve()
    work.mkdir(parents=True, exist_ok=True)
    player = Player(str(Path(args.player).resolve()), str(Path(args.probe).resolve()),
                    str(Path(args.samples).resolve() / "many"), work / "artefacts", "soak")
    soak = Soak(player)
    try:
        soak.begin()
        print_head()
        series = soak.run(args.minutes)
    finally:
        player.stop()
    print()
    print_head()
    for index, row in enumerate(series):
        print_row(row, series[index - 1] if index else None)
    print()
    faults = verdict(series, soak.boxes)
    for fault in faults:
        print(f"soak: {fault}")
    print("soak: passed" if not faults else "soak: failed")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

"""Figures of the player as a desktop program under Wine, each beside its floor measured in
the same run: start-up to the player window shown, CPU time idle and while playing a wave
file, peak memory, objects, and the executables' sizes; with the host figures of form reading
and string-list sorting given. Prints a Markdown table, then where the playing time goes.

    python3 desktop.py --player Sorvane.exe --floor-window floor_window.exe \
        --floor-player floor_player.exe --probe winprobe.exe --work DIR \
        [--exe32 Sorvane.exe] [--host FILE]

Floor and player are measured in turns, round after round, so both meet the same load of the
machine; each figure is the median of its rounds. CPU time is read from the kernel's per-thread
run times (nanoseconds), for the program and for the Wine server that carries its messages.
"""

import argparse
import json
import statistics
import subprocess
import sys
import time
import wave
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "e2e"))
from driver import Player  # noqa: E402
from scenarios import START, list_lines, open_files, press  # noqa: E402

ROOT = Path(__file__).resolve().parents[3]
WINE_RUN = str(ROOT / "scripts" / "wine-run")
START_ROUNDS = 5
ROUNDS = 3
SPAN = 10.0
SETTLE = 1.0
WAVE_SECONDS = 14
TITLES = ("Floor", "Floor player", "Sorvane")
UNMEASURABLE = "not measurable under Wine"


# Seeing windows through the X server: with no window manager, Wine maps each shown window.
def shown(title):
    """Whether a window of that title is on the screen at more than one pixel: the hidden
    application window of the player is mapped too, at 1 x 1."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$",
                            "getwindowgeometry", "%@"], capture_output=True, text=True).stdout
    return any(line.split()[1] != "1x1" for line in found.splitlines()
               if line.strip().startswith("Geometry:"))


def launch(exe, title, cwd, *arguments):
    """Starts a program; returns it and the seconds until its window was on the screen."""
    began = time.monotonic()
    process = subprocess.Popen([WINE_RUN, exe, *arguments], cwd=cwd, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while not shown(title):
        if time.monotonic() - began > 60:
            process.kill()
            raise RuntimeError(f"{exe} showed no window")
        time.sleep(0.01)
    return process, time.monotonic() - began


def end(process):
    process.kill()
    process.wait()
    gone()


def gone():
    """Waits until no program measured here shows a window; fails on one that stays."""
    deadline = time.monotonic() + 30
    while any(shown(title) for title in TITLES):
        if time.monotonic() > deadline:
            raise RuntimeError("a window of an earlier run stays on the screen: end that program")
        time.sleep(0.05)


# The kernel's view of a process under Wine: the Windows process is the Unix process.
def threads_ns(pid):
    """Run time in nanoseconds of each thread, by thread id and name."""
    times = {}
    for task in Path(f"/proc/{pid}/task").iterdir():
        try:
            name = (task / "comm").read_text().strip()
            times[task.name] = (name, int((task / "schedstat").read_text().split()[0]))
        except (FileNotFoundError, ProcessLookupError):
            continue
    return times


def peak_kib(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1])
    return 0


def wineserver_pid():
    """The Wine server of this checkout's prefix (each checkout has its own)."""
    prefix = f"WINEPREFIX={ROOT / '.wine'}".encode()
    for entry in Path("/proc").iterdir():
        try:
            if entry.name.isdigit() and (entry / "comm").read_text().startswith("wineserver") \
                    and prefix in (entry / "environ").read_bytes().split(b"\0"):
                return int(entry.name)
        except (FileNotFoundError, PermissionError, ProcessLookupError):
            continue
    return None


class Span:
    """CPU time of a program, thread by thread, and of the Wine server over SPAN seconds."""

    def __init__(self, pid):
        server = wineserver_pid()
        before = threads_ns(pid)
        server_before = sum(t for _, t in threads_ns(server).values()) if server else 0
        time.sleep(SPAN)
        after = threads_ns(pid)
        self.server = (sum(t for _, t in threads_ns(server).values()) - server_before) / 1e9 \
            if server else 0.0
        self.threads = {}
        for tid, (name, spent) in after.items():
            key = f"{name} ({tid})"
            self.threads[key] = (spent - before.get(tid, (name, 0))[1]) / 1e9
        self.total = sum(self.threads.values())


def start_up(exe, title, cwd):
    process, seconds = launch(exe, title, cwd)
    end(process)
    return seconds


def idle(exe, title, cwd):
    process, _ = launch(exe, title, cwd)
    time.sleep(SETTLE)
    span = Span(process.pid)
    peak = peak_kib(process.pid)
    end(process)
    return span, peak


def write_wave(path):
    with wave.open(str(path), "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(44100)
        out.writeframes(bytes(4 * 44100 * WAVE_SECONDS))


def probe_process(probe, process_id):
    output = subprocess.run([WINE_RUN, probe, "process", str(process_id)], capture_output=True,
                            check=True).stdout
    return json.loads(output)


def floor_playing(args, cwd, name):
    process, _ = launch(args.floor_player, "Floor player", cwd, name)
    time.sleep(SETTLE)
    span = Span(process.pid)
    peak = peak_kib(process.pid)
    p = Player(args.floor_player, args.probe, cwd, cwd / "artefacts", "floor")
    windows = [w for w in p.windows() if w["text"] == "Floor player"]
    counts = probe_process(args.probe, windows[0]["pid"]) if windows else {}
    count = sum(1 + len(w["children"]) for w in windows)
    end(process)
    return span, peak, counts, count


def player_playing(args, cwd, name):
    p = Player(args.player, args.probe, str(cwd), cwd / "artefacts", "bench")
    p.start()
    try:
        open_files(p, [name])
        p.wait_for(lambda: list_lines(p) == [name], "the chosen name in the play list")
        press(p, "TForm1", START)
        p.wait_for(lambda: p.find("TForm5", visible=True), "the time window")
        time.sleep(SETTLE)
        span = Span(p.process.pid)
        peak = peak_kib(p.process.pid)
        windows = p.windows()
        process_id = p.find("TForm1")["pid"]
        counts = probe_process(args.probe, process_id)
        count = sum(1 + len(w["children"]) for w in windows if w["pid"] == process_id)
        return span, peak, counts, count
    finally:
        p.stop()
        gone()


def median_by(results, key):
    """The result whose key is the median (the lower middle one of an even count)."""
    ordered = sorted(results, key=key)
    return ordered[(len(ordered) - 1) // 2]


def stripped_size(exe):
    """The size of the executable without its debugging information, as it would ship: the
    build carries -g, so the file as built is many times larger."""
    cache = Path(exe).resolve().parents[1] / "CMakeCache.txt"
    strip = next((line.split("=", 1)[1] for line in cache.read_text().splitlines()
                  if line.startswith("CMAKE_STRIP:")), None)
    if not strip:
        return None
    copy = Path(f"/tmp/sorvane-bench-{Path(exe).resolve().parents[1].name}.exe")
    subprocess.run([strip, "-o", str(copy), exe], check=True)
    size = copy.stat().st_size
    copy.unlink()
    return size


def host_rows(path):
    """The figures of form reading and string-list sorting from the host benchmarks' output,
    each the median of the runs found there."""
    if not path or not Path(path).exists():
        return []
    figures = {}
    for line in Path(path).read_text().splitlines():
        if line.startswith("all five"):
            parts = line.split()
            figures.setdefault("form reading, the five resources: read and skip (us)",
                               []).append(float(parts[-2]))
            figures.setdefault("form reading, the five resources: build the objects (us)",
                               []).append(float(parts[-1]))
        elif line.startswith(("SortItems", "Append 100000 texts into a sorted")):
            what, figures_of_line = line[:44].strip(), line[44:].split()
            figures.setdefault(f"string list: {what} (ms)", []).append(
                float(figures_of_line[0]))
    return [(f"{name[:-1]}, host, median of {len(values)})" if len(values) > 1
             else f"{name[:-1]}, host)", statistics.median(values))
            for name, values in figures.items()]


class Table:
    def __init__(self):
        print("| figure | player | floor | ratio |")
        print("|---|---|---|---|")

    def row(self, name, value, floor=None, digits=3):
        if floor is None:
            print(f"| {name} | {format_figure(value, digits)} | | |")
            return
        ratio = f"{value / floor:.2f}" if floor else "n/a (floor 0)"
        print(f"| {name} | {format_figure(value, digits)} | {format_figure(floor, digits)} "
              f"| {ratio} |")


def format_figure(value, digits):
    return f"{value:.{digits}f}" if isinstance(value, float) else str(value)


def objects(counts):
    if not counts or (counts["user_objects"] == 0 and counts["gdi_objects"] == 0):
        return UNMEASURABLE + " (GetGuiResources gives 0)", UNMEASURABLE
    return counts["user_objects"], counts["gdi_objects"]


def print_threads(label, span):
    print(f"\n{label}: {span.total:.3f} s in the process, {span.server:.3f} s in the Wine server")
    for name, seconds in sorted(span.threads.items(), key=lambda item: -item[1]):
        if seconds >= 0.001:
            print(f"    {seconds:7.3f} s  {name}")


def main():
    parser = argparse.ArgumentParser()
    for option in ("--player", "--floor-window", "--floor-player", "--probe", "--work"):
        parser.add_argument(option, required=True)
    parser.add_argument("--exe32")
    parser.add_argument("--host")
    args = parser.parse_args()
    for option in ("player", "floor_window", "floor_player", "probe"):
        setattr(args, option, str(Path(getattr(args, option)).resolve()))
    work = Path(args.work).resolve()
    work.mkdir(parents=True, exist_ok=True)
    write_wave(work / "bench.wav")
    gone()

    floor_starts, player_starts = [], []
    for _ in range(START_ROUNDS):
        floor_starts.append(start_up(args.floor_window, "Floor", work))
        player_starts.append(start_up(args.player, "Sorvane", work))
    floor_idles, player_idles = [], []
    for _ in range(ROUNDS):
        floor_idles.append(idle(args.floor_window, "Floor", work))
        player_idles.append(idle(args.player, "Sorvane", work))
    floor_plays, player_plays = [], []
    for _ in range(ROUNDS):
        floor_plays.append(floor_playing(args, work, "bench.wav"))
        player_plays.append(player_playing(args, work, "bench.wav"))

    floor_idle = median_by(floor_idles, lambda r: r[0].total)
    player_idle = median_by(player_idles, lambda r: r[0].total)
    floor_play = median_by(floor_plays, lambda r: r[0].total)
    player_play = median_by(player_plays, lambda r: r[0].total)
    floor_peak = statistics.median(r[1] for r in floor_plays)
    player_peak = statistics.median(r[1] for r in player_plays)

    table = Table()
    table.row(f"start-up to the player window shown (s, median of {START_ROUNDS}) "
              "vs floor_window", statistics.median(player_starts),
              statistics.median(floor_starts))
    table.row(f"CPU time over {SPAN:.0f} s idle (s, median of {ROUNDS}) vs floor_window",
              player_idle[0].total, floor_idle[0].total)
    table.row(f"... the Wine server's CPU time in the same {SPAN:.0f} s (s)",
              player_idle[0].server, floor_idle[0].server)
    table.row(f"CPU time over {SPAN:.0f} s playing a wave file (s, median of {ROUNDS}) "
              "vs floor_player", player_play[0].total, floor_play[0].total)
    table.row(f"... the Wine server's CPU time in the same {SPAN:.0f} s (s)",
              player_play[0].server, floor_play[0].server)
    table.row(f"peak working set while playing (KiB, median of {ROUNDS}) vs floor_player",
              player_peak, floor_peak, 0)
    table.row(f"peak working set idle (KiB, median of {ROUNDS}) vs floor_window",
              statistics.median(r[1] for r in player_idles),
              statistics.median(r[1] for r in floor_idles), 0)
    user, gdi = objects(player_play[2])
    floor_user, floor_gdi = objects(floor_play[2])
    print(f"| user objects while playing | {user} | {floor_user} | |")
    print(f"| GDI objects while playing | {gdi} | {floor_gdi} | |")
    table.row("windows while playing (top-level and child) vs floor_player", player_play[3],
              floor_play[3], 0)
    for label, exe in (("64-bit", args.player), ("32-bit", args.exe32)):
        if exe and Path(exe).exists():
            table.row(f"size of the {label} executable as built, with debugging information "
                      "(bytes)", Path(exe).stat().st_size)
            table.row(f"size of the {label} executable stripped, as shipped (bytes; target "
                      "under 1 MB)", stripped_size(exe))
    for name, value in host_rows(args.host):
        table.row(name, value, digits=2)

    print("\nWhere the time goes while playing (the median rounds, thread by thread):")
    print_threads("floor_player", floor_play[0])
    print_threads("Sorvane", player_play[0])
    return 0


if __name__ == "__main__":
    sys.exit(main())

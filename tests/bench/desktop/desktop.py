"""Figures of the player as a desktop program under Wine, each beside its floor measured in
the same run: start-up to the main window shown, CPU time idle and while playing a wave file,
peak memory, windows, and the executables' sizes. Prints a Markdown table.

    python3 desktop.py --player Sorvane.exe --floor-window floor_window.exe \
        --floor-player floor_player.exe --probe winprobe.exe --work DIR [--exe32 Sorvane.exe]
"""

import argparse
import os
import statistics
import subprocess
import sys
import time
import wave
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "e2e"))
from driver import Player  # noqa: E402
from scenarios import START, open_files, press  # noqa: E402

WINE_RUN = str(Path(__file__).resolve().parents[3] / "scripts" / "wine-run")
TICKS = os.sysconf("SC_CLK_TCK")
RUNS = 5
SPAN = 10.0


def visible(title):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                          capture_output=True).returncode == 0


def launch(exe, title, cwd, *arguments):
    """Starts a program; returns it and the seconds until its window was on the screen."""
    began = time.monotonic()
    process = subprocess.Popen([WINE_RUN, exe, *arguments], cwd=cwd, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    while not visible(title):
        if time.monotonic() - began > 60:
            raise RuntimeError(f"{exe} showed no window")
        time.sleep(0.01)
    return process, time.monotonic() - began


def end(process):
    process.kill()
    process.wait()
    while visible("Floor") or visible("Floor player") or visible("Sorvane"):
        time.sleep(0.05)


def cpu_seconds(pid):
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def peak_kib(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1])
    return 0


def cpu_over(pid, seconds=SPAN):
    before = cpu_seconds(pid)
    time.sleep(seconds)
    return cpu_seconds(pid) - before


def start_up(exe, title, cwd):
    times = []
    for _ in range(RUNS):
        process, seconds = launch(exe, title, cwd)
        times.append(seconds)
        end(process)
    return statistics.median(times)


def idle(exe, title, cwd):
    process, _ = launch(exe, title, cwd)
    time.sleep(2)
    cpu = cpu_over(process.pid)
    peak = peak_kib(process.pid)
    end(process)
    return cpu, peak


def write_wave(path, seconds=14):
    with wave.open(str(path), "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(44100)
        out.writeframes(bytes(4 * 44100 * seconds))


def floor_playing(exe, cwd, name):
    process, _ = launch(exe, "Floor player", cwd, name)
    time.sleep(1)
    cpu = cpu_over(process.pid)
    end(process)
    return cpu


def player_playing(args, cwd, name):
    p = Player(args.player, args.probe, cwd, Path(args.work) / "artefacts", "bench")
    p.start()
    try:
        open_files(p, [name])
        press(p, "TForm1", START)
        p.wait_for(lambda: p.find("TForm5", visible=True), "the time window")
        time.sleep(1)
        cpu = cpu_over(p.process.pid)
        windows = p.windows()
        count = sum(1 + len(w["children"]) for w in windows if w["pid"] == windows_pid(windows))
        return cpu, peak_kib(p.process.pid), count
    finally:
        p.stop()


def windows_pid(windows):
    for window in windows:
        if window["class"] == "TForm1":
            return window["pid"]
    return None


def ratio(value, floor):
    return f"{value / floor:.2f}" if floor else "n/a"


def main():
    parser = argparse.ArgumentParser()
    for option in ("--player", "--floor-window", "--floor-player", "--probe", "--work"):
        parser.add_argument(option, required=True)
    parser.add_argument("--exe32")
    args = parser.parse_args()
    work = Path(args.work)
    work.mkdir(parents=True, exist_ok=True)
    write_wave(work / "bench.wav")

    floor_start = start_up(args.floor_window, "Floor", work)
    player_start = start_up(args.player, "Sorvane", work)
    floor_idle, floor_peak = idle(args.floor_window, "Floor", work)
    player_idle, player_peak = idle(args.player, "Sorvane", work)
    floor_play = floor_playing(args.floor_player, work, "bench.wav")
    player_play, player_play_peak, windows = player_playing(args, work, "bench.wav")

    rows = [
        ("start-up to the main window shown (s, median of 5)", player_start, floor_start),
        (f"CPU time over {SPAN:.0f} s idle (s)", player_idle, floor_idle),
        (f"CPU time over {SPAN:.0f} s playing a wave file (s)", player_play, floor_play),
        ("peak working set idle (KiB)", player_peak, floor_peak),
    ]
    print("| figure | player | floor | ratio |")
    print("|---|---|---|---|")
    for name, value, floor in rows:
        print(f"| {name} | {value:.3f} | {floor:.3f} | {ratio(value, floor)} |")
    print(f"| peak working set while playing (KiB) | {player_play_peak} | | |")
    print(f"| windows of the player while playing (top-level and child) | {windows} | | |")
    for label, exe in (("64-bit", args.player), ("32-bit", args.exe32)):
        if exe and Path(exe).exists():
            print(f"| size of the {label} executable (bytes) | {Path(exe).stat().st_size} | | |")
    return 0


if __name__ == "__main__":
    sys.exit(main())

"""Takes the README's pictures of the five windows: the player with three files loaded, the
play list, the time window while a file plays, the display window with a video, and the
version window. Each picture is the window as it stands on the desktop.

    python3 screenshots.py --exe Sorvane.exe --probe winprobe.exe --samples DIR --out DIR
"""

import argparse
import shutil
import sys
from pathlib import Path

from driver import Player
from scenarios import NEXT, START, main_window, open_files, press, time_pixels


def shoot(p, form, out, name):
    window = p.wait_for(lambda: p.find(form, visible=True), f"the window {form}")
    left, top, right, bottom = window["rect"]
    shutil.copy(p.screenshot(name, (left, top, right - left, bottom - top)), out / f"{name}.png")


def main():
    parser = argparse.ArgumentParser()
    for option in ("--exe", "--probe", "--samples", "--out"):
        parser.add_argument(option, required=True)
    arguments = parser.parse_args()
    out = Path(arguments.out)
    out.mkdir(parents=True, exist_ok=True)
    p = Player(arguments.exe, arguments.probe, arguments.samples, out / "raw", "shot")
    try:
        p.start()
        open_files(p, ["melody.mp3", "表示テスト.wav", "picture.avi"])
        press(p, "TForm1", START)
        first = time_pixels(p)
        p.wait_for(lambda: time_pixels(p) != first, "the time to advance")
        p.wait_for(lambda: "melody" in p.find("TForm1").child("Edit")["text"], "the title")
        shoot(p, "TForm1", out, "player")
        shoot(p, "TForm2", out, "playlist")
        shoot(p, "TForm5", out, "time")
        press(p, "TForm1", NEXT)
        press(p, "TForm1", NEXT)
        p.wait_for(lambda: p.find("TForm3", visible=True), "the display window")
        shoot(p, "TForm3", out, "display")
        p.activate(main_window(p))
        p.key("alt+v")
        shoot(p, "TForm4", out, "version")
    finally:
        p.stop()
    shutil.rmtree(out / "raw", ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())

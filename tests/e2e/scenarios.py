"""The end-to-end scenarios: each starts the built player in the sample folder, does what a
person at the desktop does, and checks what that person would see.

    python3 scenarios.py --exe Sorvane.exe --probe winprobe.exe --samples DIR \
        --artefacts DIR SCENARIO
"""

import argparse
import sys

from driver import Player

# The buttons the person clicks, by their captions.
START = "START"
STOP = "STOP"
PREVIOUS = "<"
NEXT = ">"
VERSION_CLOSE = "CLOSE"

# Where the time window shows the time: a client-area box (left, top, width, height) of its
# design, whose client area was 222 pixels wide. The window scales it with its font's text.
TIME_TEXT = (88, 0, 132, 49)
TIME_DESIGN_WIDTH = 222


def main_window(p):
    return p.find("TForm1", visible=True)


def open_files(p, names, folder=None, command="o", expect_box=False):
    """File > Open (or Add to list with "s"); in the real dialog, into the sample folder or
    the folder under it (the dialog starts wherever it was used last, with the last name
    chosen in its name box, so the box is selected before each typing), then the names typed:
    one as it is, several each in quotes."""
    p.activate(main_window(p))
    p.key("alt+f", command)
    p.wait_for(lambda: p.find("#32770", visible=True, foreground=True), "the open dialog")
    p.key("End", "shift+Home")
    p.type(p.windows_path(folder))
    p.key("Return")
    p.key("End", "shift+Home")
    p.type(names[0] if len(names) == 1 else " ".join(f'"{name}"' for name in names))
    p.key("Return")
    if not expect_box:
        p.wait_for(lambda: not p.find("#32770", visible=True), "the open dialog to close")


def list_lines(p):
    window = p.find("TForm2")
    box = window.child("ListBox") if window else None
    return box["lines"] if box else None


def status_text(p):
    window = main_window(p)
    edit = window.child("Edit") if window else None
    return edit["text"] if edit else ""


def scroll_position(p, form):
    window = p.find(form)
    bar = window.child("ScrollBar") if window else None
    return bar["position"] if bar else None


def press(p, form, caption):
    window = p.find(form, visible=True)
    button = window.child("Button", caption)
    if not button:
        raise p.fail(f"no button {caption!r} in {form}")
    p.click_on(button)


def time_pixels(p):
    window = p.find("TForm5", visible=True)
    left, top, client_width, _ = window.client
    x, y, width, height = (length * client_width // TIME_DESIGN_WIDTH for length in TIME_TEXT)
    return p.pixels((left + x, top + y, width, height))


def toggle_option(p, key):
    p.activate(main_window(p))
    p.key("alt+o", key)


def open_three(p):
    # 表 is 0x95 0x5C and ポ is 0x83 0x7C in Shift_JIS: each name must come back whole.
    names = ["表示テスト.wav", "ポップ.mp3", "picture.avi"]
    open_files(p, names)
    p.wait_for(lambda: list_lines(p) == names, "the three names in the play list")


def start_shows_time(p):
    open_files(p, ["melody.mp3"])
    press(p, "TForm1", START)
    p.wait_for(lambda: p.find("TForm5", visible=True), "the time window")
    first = time_pixels(p)
    p.wait_for(lambda: time_pixels(p) != first, "the time to advance")
    p.wait_for(lambda: "melody.mp3" in status_text(p), "the title in the status line")


def continuous(p):
    open_files(p, ["短い音.wav", "tone440.wav"])
    toggle_option(p, "s")
    press(p, "TForm1", START)
    p.wait_for(lambda: "tone440" in status_text(p), "the second file to play")


def repeat(p):
    open_files(p, ["tone440.wav"])
    toggle_option(p, "r")
    press(p, "TForm1", START)
    p.wait_for(lambda: (scroll_position(p, "TForm5") or 0) >= 4000, "the last second of five")
    p.wait_for(lambda: (scroll_position(p, "TForm5") or 5000) < 2000, "the file to start again")
    p.wait_for(lambda: "tone440.wav" in status_text(p), "the same file in the status line")


def stop(p):
    open_files(p, ["melody.mp3"])
    press(p, "TForm1", START)
    p.wait_for(lambda: (scroll_position(p, "TForm5") or 0) > 300, "the time to advance")
    press(p, "TForm1", STOP)
    held = p.wait_for(lambda: same_twice(lambda: scroll_position(p, "TForm5")), "a still time")
    press(p, "TForm1", START)
    p.wait_for(lambda: scroll_position(p, "TForm5") > held[0], "playing on from where it stopped")


def same_twice(read):
    first = read()
    second = read()
    return (first,) if first is not None and first == second else None


def previous_and_next(p):
    open_files(p, ["tone440.wav", "melody.mp3", "短い音.wav"])
    press(p, "TForm1", NEXT)
    p.wait_for(lambda: "melody.mp3" in status_text(p), "the second entry to play")
    press(p, "TForm1", PREVIOUS)
    p.wait_for(lambda: "tone440.wav" in status_text(p), "the first entry to play")
    press(p, "TForm1", PREVIOUS)
    p.wait_for(lambda: "短い音.wav" in status_text(p), "the last entry after wrapping")
    press(p, "TForm1", NEXT)
    p.wait_for(lambda: "tone440.wav" in status_text(p), "the first entry after wrapping")


def sized_to_the_picture(p):
    """Whether the display window's client area holds the 320 x 240 picture and, under it,
    its seek bar."""
    display = p.find("TForm3", visible=True)
    bar = display.child("ScrollBar") if display else None
    if not bar:
        return False
    _, top, _, bottom = bar["rect"]
    return display.client[2:] == (320, 240 + bottom - top)


def video(p):
    open_files(p, ["picture.avi"])
    press(p, "TForm1", START)
    display = p.wait_for(lambda: p.find("TForm3", visible=True), "the display window")
    p.wait_for(lambda: sized_to_the_picture(p),
               f"a client area of 320 x 240 and the seek bar (it is {display.client[2:]})")


def mpeg_and_quicktime(p):
    """An MPEG-1 and a QuickTime film play one after the other in the display window."""
    for name in ["picture.mpg", "clip.mov"]:
        open_files(p, [name])
        press(p, "TForm1", START)
        p.wait_for(lambda: p.find("TForm3", visible=True), f"the display window for {name}")
        p.wait_for(lambda: sized_to_the_picture(p),
                   f"a client area of 320 x 240 and the seek bar for {name}")
        p.wait_for(lambda: name in status_text(p), f"{name} in the status line")
        if p.find("#32770", visible=True):
            raise p.fail(f"a box came up for {name}")


def cd_track_without_a_drive(p):
    """A CD-audio track with no disc in a drive: the platform's own text in an error box,
    closed with its button; the player goes on."""
    open_files(p, ["track01.cda"], expect_box=True)
    box = p.wait_for(lambda: p.find("#32770", title="Sorvane", visible=True), "the error box")
    text = next((child["text"] for child in box["children"] if child["class"] == "Static"
                 and child["text"]), "")
    if not text.endswith("."):
        raise p.fail(f"the box says {text!r}")
    p.key("Return")
    p.wait_for(lambda: not p.find("#32770", visible=True), "the box to close")
    p.wait_for(lambda: list_lines(p) == ["track01.cda"], "the track in the play list")
    open_files(p, ["tone440.wav"])
    press(p, "TForm1", START)
    p.wait_for(lambda: "tone440.wav" in status_text(p), "the next file to play")


def version(p):
    p.activate(main_window(p))
    p.key("alt+v")
    p.wait_for(lambda: p.find("TForm4", visible=True), "the version window")
    press(p, "TForm4", VERSION_CLOSE)
    p.wait_for(lambda: p.find("TForm4", visible=False), "the version window to hide")


def minimize_restore(p):
    p.activate(main_window(p))
    p.key("alt+space", "n")
    p.wait_for(lambda: not p.find("TForm1", visible=True) and not p.find("TForm2", visible=True),
               "every window of the player to go")
    application = p.wait_for(lambda: p.find("TApplication", title="Sorvane", visible=True),
                             "the application's icon")
    p.restore(application)
    p.wait_for(lambda: p.find("TForm1", visible=True) and p.find("TForm2", visible=True),
               "the player and play list windows to come back")


def close(p):
    p.activate(main_window(p))
    p.key("alt+f", "c")
    code = p.wait_exit()
    if code != 0:
        raise p.fail(f"the program ended with exit code {code}")


SCENARIOS = {function.__name__: function for function in [
    open_three, start_shows_time, continuous, repeat, stop, previous_and_next, video,
    mpeg_and_quicktime, cd_track_without_a_drive, version, minimize_restore, close]}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--samples", required=True)
    parser.add_argument("--artefacts", required=True)
    parser.add_argument("scenario", choices=sorted(SCENARIOS))
    arguments = parser.parse_args()
    player = Player(arguments.exe, arguments.probe, arguments.samples, arguments.artefacts,
                    arguments.scenario)
    try:
        player.start()
        SCENARIOS[arguments.scenario](player)
    finally:
        player.stop()
    print(f"{arguments.scenario}: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())

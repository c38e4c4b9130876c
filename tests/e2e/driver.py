"""Drives the built player as a person would: keys and mouse presses through the X server
(xdotool), eyes through screenshots and through winprobe, a separate Windows program that
reads the windows from outside. Nothing here talks to the player in any other way."""

import json
import os
import subprocess
import tempfile
import time
from pathlib import Path

DEADLINE = float(os.environ.get("SORVANE_E2E_DEADLINE", "60"))
ROOT = Path(__file__).resolve().parents[2]


def take_session_environment():
    """The display, locale and Wine prefix of the session, as every Windows program here
    gets them, for the X tools too (CTest starts the scenarios with its own environment)."""
    output = subprocess.run(["bash", "-c", f'source "{ROOT}/scripts/wine-env.sh" && env -0'],
                            capture_output=True, check=True).stdout
    for entry in output.split(b"\0"):
        name, _, value = entry.decode("utf-8", "replace").partition("=")
        if name:
            os.environ[name] = value


take_session_environment()


class Failure(AssertionError):
    pass


class Window:
    """One top-level window as winprobe saw it; client() gives screen coordinates."""

    def __init__(self, record):
        self.record = record

    def __getitem__(self, key):
        return self.record[key]

    @property
    def client(self):
        left, top, right, bottom = self.record["client"]
        return left, top, right - left, bottom - top

    @property
    def size(self):
        left, top, right, bottom = self.record["rect"]
        return right - left, bottom - top

    def child(self, kind, text=None):
        for child in self.record["children"]:
            if kind.lower() in child["class"].lower() and (text is None or child["text"] == text):
                return child
        return None


class Player:
    def __init__(self, exe, probe, cwd, artefacts, name):
        self.exe = str(Path(exe).resolve())
        self.probe = str(Path(probe).resolve())
        self.cwd = str(Path(cwd).resolve())
        self.artefacts = Path(artefacts)
        self.name = name
        self.process = None
        self.wine_run = str(ROOT / "scripts" / "wine-run")

    def windows_path(self, below=None):
        """The Windows name (drive Z:) of the folder the player runs in, or of one below it."""
        path = Path(self.cwd).resolve() / below if below else Path(self.cwd).resolve()
        return "Z:" + str(path).replace("/", "\\")

    # The program's life.
    def start(self, *arguments):
        self.process = subprocess.Popen([self.wine_run, self.exe, *arguments], cwd=self.cwd,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        return self.wait_for(lambda: self.find("TForm1", visible=True), "the player window")

    def wait_exit(self, timeout=DEADLINE):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise self.fail("the program did not end")

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    # Eyes.
    def windows(self):
        # Through a file, not a pipe: a Wine service the probe happens to start keeps its
        # standard output open long after the probe ends.
        with tempfile.TemporaryFile() as output:
            subprocess.run([self.wine_run, self.probe, "windows"], stdout=output,
                           stderr=subprocess.DEVNULL, check=True)
            output.seek(0)
            return [Window(record) for record in json.loads(output.read().decode("utf-8"))]

    def find(self, kind=None, title=None, visible=None, foreground=None):
        for window in self.windows():
            if foreground is not None and window["foreground"] != foreground:
                continue
            if kind is not None and window["class"] != kind:
                continue
            if title is not None and window["text"] != title:
                continue
            if visible is not None and window["visible"] != visible:
                continue
            return window
        return None

    def wait_for(self, condition, what, timeout=DEADLINE):
        """Asks again until the condition gives something true; fails with a screenshot."""
        end = time.monotonic() + timeout
        while True:
            value = condition()
            if value:
                return value
            if time.monotonic() > end:
                raise self.fail(f"waited in vain for {what}")
            time.sleep(0.2)

    def screenshot(self, label, box=None):
        self.artefacts.mkdir(parents=True, exist_ok=True)
        path = self.artefacts / f"{self.name}-{label}.png"
        command = ["import", "-window", "root"]
        if box:
            x, y, width, height = box
            command += ["-crop", f"{width}x{height}+{x}+{y}"]
        subprocess.run(command + [str(path)], check=False, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        return path

    def pixels(self, box):
        x, y, width, height = box
        return subprocess.run(["import", "-window", "root", "-crop",
                               f"{width}x{height}+{x}+{y}", "rgb:-"],
                              capture_output=True, check=True).stdout

    def fail(self, what):
        path = self.screenshot("failure")
        return Failure(f"{what} (screenshot: {path})")

    # Hands.
    def click(self, window, x, y, button=1, count=1):
        left, top, _, _ = window.client
        subprocess.run(["xdotool", "mousemove", "--sync", str(left + x), str(top + y),
                        "click", "--repeat", str(count), "--delay", "80", str(button)],
                       check=True)

    def activate(self, window):
        """Clicks the window's caption bar and waits until it is the foreground window."""
        left, top, right, _ = window["rect"]
        _, client_top, _, _ = window.client
        subprocess.run(["xdotool", "mousemove", "--sync", str((left + right) // 2),
                        str((top + client_top) // 2), "click", "1"], check=True)
        return self.wait_for(lambda: self.find(window["class"], foreground=True),
                             f"{window['class']} in the foreground")

    def restore(self, window):
        """Double-clicks a minimised window where the desktop shows it (its icon bar)."""
        left, top, right, bottom = window["rect"]
        subprocess.run(["xdotool", "mousemove", "--sync", str((left + right) // 2),
                        str((top + bottom) // 2), "click", "--repeat", "2", "--delay", "80",
                        "1"], check=True)

    def click_on(self, child):
        """Clicks the middle of a child window as winprobe saw it."""
        left, top, right, bottom = child["rect"]
        subprocess.run(["xdotool", "mousemove", "--sync", str((left + right) // 2),
                        str((top + bottom) // 2), "click", "1"], check=True)

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True)

    def type(self, text):
        """Types text; what the keyboard map may not type (Japanese, and the backslash, which
        a Japanese keyboard has as the yen key) is pasted instead, as a person would."""
        if text.isascii() and "\\" not in text:
            subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)
        else:
            self.paste(text)

    def paste(self, text):
        subprocess.run(["xclip", "-selection", "clipboard"], input=text.encode("utf-8"),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        self.key("ctrl+v")

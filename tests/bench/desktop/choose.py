"""Chooses files the way a person does when the open dialog starts elsewhere: File > Open,
the folder's path typed and Enter to go there, then the names typed and Enter. The common
dialog of the platform remembers the last folder a program used, so the benchmark and the soak
run name the folder rather than trust the working folder."""

from pathlib import PurePosixPath

from scenarios import list_lines, main_window


def windows_path(folder):
    """The folder as Wine shows the Unix file system: drive Z:."""
    return "Z:" + str(PurePosixPath(folder)).replace("/", "\\")


def open_from(p, folder, names):
    p.activate(main_window(p))
    p.key("alt+f", "o")
    p.wait_for(lambda: p.find("#32770", visible=True, foreground=True), "the open dialog")
    p.type(windows_path(folder))
    p.key("Return")
    p.wait_for(lambda: looking_in(p) == PurePosixPath(folder).name, f"the dialog to show {folder}")
    p.type(" ".join(f'"{name}"' for name in names))
    p.key("Return")
    p.wait_for(lambda: list_lines(p) == names, "the chosen names in the play list")


def looking_in(p):
    dialog = p.find("#32770", visible=True)
    folder = dialog.child("ComboBox") if dialog else None
    return folder["text"] if folder else None

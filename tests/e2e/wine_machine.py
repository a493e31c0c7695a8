"""A throwaway Wine prefix set up as one machine, with the program and the
driver in it, on a private Xvfb display unless one is given.

    with WineMachine(machine, exe, driver) as m:
        for line in m.drive(["dialog", "close:escape"]):
            ...

Benchmarks: WineMachine(machines.MACHINES["demo"], ...).drive(["dialog",
"close:escape"], timing=True) reports when the dialog was seen, in ms after
the program's start.

The prefix is a copy of the prepared template (scripts/wine-template.sh): its
files are hard-linked and its registry files copied, far faster than a new prefix.
Leaving the `with` block stops the prefix's wineserver and the Xvfb and
removes the prefix.
"""

import json
import os
import shutil
import signal
import subprocess
import tempfile
from pathlib import Path

import machines

REPO = Path(__file__).resolve().parents[2]
WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"


def template_dir():
    root = Path(os.environ.get("MORVANE_WINE_ROOT", REPO / "build" / "wine"))
    template = root / "template"
    subprocess.run([str(REPO / "scripts" / "wine-template.sh"), str(template)], check=True)
    return template


def copy_prefix(template, prefix):
    subprocess.run(["cp", "-al", str(template / "drive_c"), str(prefix / "drive_c")], check=True)
    subprocess.run(["cp", "-a", str(template / "dosdevices"), str(prefix)], check=True)
    for name in ("system.reg", "user.reg", "userdef.reg", ".update-timestamp"):
        if (template / name).exists():
            shutil.copy2(template / name, prefix / name)


def start_xvfb():
    """A private X server; returns its process and display name."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-screen", "0", "1024x768x24"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display_pipe:
        number = display_pipe.readline().strip()
    if not number:
        xvfb.kill()
        raise RuntimeError("Xvfb did not start")
    return xvfb, ":" + number


class WineMachine:
    def __init__(self, machine, exe, driver, work_dir=None, display=None):
        """display: an X display to show the windows on, managed by its window
        manager; by default a private Xvfb without one."""
        self.machine = machine
        self.exe = Path(exe).resolve()
        self.driver = Path(driver).resolve()
        self.work_dir = Path(work_dir).resolve() if work_dir else REPO / "build" / "wine"
        self.display = display
        self.prefix = None
        self.xvfb = None

    # Paths inside the prefix, as the Windows side names them.
    def windows_path(self, name):
        return f"{machines.RUN_FOLDER_WINDOWS}\\{name}"

    def run_path(self, name):
        return self.prefix / "drive_c" / machines.RUN_FOLDER / name

    def __enter__(self):
        template = template_dir()
        self.work_dir.mkdir(parents=True, exist_ok=True)
        self.prefix = Path(tempfile.mkdtemp(prefix="machine.", dir=self.work_dir))
        try:
            copy_prefix(template, self.prefix)
            run_folder = self.prefix / "drive_c" / machines.RUN_FOLDER
            run_folder.mkdir()
            shutil.copy2(self.exe, run_folder / "Morvane.exe")
            shutil.copy2(self.driver, run_folder / "morvane-driver.exe")
            driver_path = self.windows_path("morvane-driver.exe")
            script = machines.machine_script(self.machine, driver_path)
            if self.display:
                script += '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Managed"="Y"\n'
            (run_folder / "machine.reg").write_text(script)
            (run_folder / "user.reg").write_text(machines.user_script(self.machine))
            machines.write_files(self.machine, self.prefix)
            if not self.display:
                self.xvfb, self.display = start_xvfb()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def environment(self):
        env = dict(os.environ)
        env.update(WINEPREFIX=str(self.prefix), WINEDEBUG="-all", DISPLAY=self.display, LC_ALL="C.UTF-8",
                   WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d")
        return env

    def start_driver(self, steps, timeout_ms=15000, timing=False):
        """Starts the driver on the program; its standard input and output are
        pipes. With timing, each report carries "ms" since the program's start."""
        command = [WINE, self.windows_path("morvane-driver.exe"),
                   "--machine", self.windows_path("machine.reg"), "--user", self.windows_path("user.reg"),
                   "--timeout-ms", str(timeout_ms), *(["--timing"] if timing else []),
                   self.windows_path("Morvane.exe"), *steps]
        return subprocess.Popen(command, env=self.environment(), stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, text=True, bufsize=1)

    def drive(self, steps, on_shot=None, timeout_ms=15000, timing=False):
        """Runs the steps and yields each line that the driver reports, as a dict.
        A "shot" step calls on_shot(name, area) and then lets the driver go on."""
        driver = self.start_driver(steps, timeout_ms, timing)
        try:
            for line in driver.stdout:
                line = line.strip()
                if not line:
                    continue
                try:
                    report = json.loads(line)
                except json.JSONDecodeError:
                    report = {"unreadable": line}
                yield report
                if report.get("step", "").startswith("shot:"):
                    if on_shot:
                        on_shot(report["seen"]["name"], report["seen"]["area"])
                    driver.stdin.write("\n")
                    driver.stdin.flush()
        except BaseException:
            driver.kill()  # it may be waiting for a program that waits for a user
            raise
        finally:
            driver.stdin.close()
            driver.wait()

    def opened_pages(self):
        """The web pages that the machine's browser was asked to open, once
        every process of the prefix has ended (the browser starts on its own)."""
        subprocess.run([WINESERVER, "-w"], env=dict(os.environ, WINEPREFIX=str(self.prefix)), timeout=60)
        log = self.run_path(machines.BROWSER_LOG)
        return log.read_text().splitlines() if log.exists() else []

    def screenshot(self, path, area=None):
        """Saves the screen, or the part of it given as an X geometry (WxH+X+Y)."""
        command = ["import", "-display", self.display, "-window", "root"]
        if area:
            command += ["-crop", area, "+repage"]
        subprocess.run(command + [str(path)], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def __exit__(self, *exc):
        if self.prefix:
            env = dict(os.environ, WINEPREFIX=str(self.prefix))
            for option in ("-k", "-w"):
                subprocess.run([WINESERVER, option], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if self.xvfb:
            self.xvfb.send_signal(signal.SIGTERM)
            try:
                self.xvfb.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
        if self.prefix and not os.environ.get("MORVANE_KEEP_PREFIX"):
            shutil.rmtree(self.prefix, ignore_errors=True)
        return False

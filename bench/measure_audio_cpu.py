#!/usr/bin/env python3
"""CPU and memory of the running game with and without its audio.

Usage: bench/measure_audio_cpu.py GAME [--runs 3] [--seconds 20]

Starts the game (a Release build) on a private Xvfb screen, once per case and run:
  tune     the tune playing through a PulseAudio null sink (a private server of our own)
  music-off  the same device, "&Music" switched off in the menu
  dummy    the tune playing through SDL's dummy driver
  no-device  no audio device at all
and for each case measures three scenes: the start screen between tournaments, the ball
waiting on the tee for a stroke, and a tournament in which the ball is struck again and again
so that it keeps rolling. The CPU is
read from /proc (user + system time over the scene's seconds, after the start has settled)
and given as a percentage of one core, the median of the runs; beside it the share of every
thread but the main one (the audio device, the synthesiser, Qt's helpers), which the frame
loop's own variation does not blur. The resident memory is the peak that /usr/bin/time -v
reports for the whole run.
"""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

CLK_TCK = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid, task=None):
    path = f"/proc/{pid}/task/{task}/stat" if task else f"/proc/{pid}/stat"
    try:
        with open(path) as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
    except FileNotFoundError:  # a thread that has ended
        return 0.0
    return (int(fields[11]) + int(fields[12])) / CLK_TCK


def side_threads(pid):
    """CPU seconds of each thread but the main one (the audio, synthesiser and Qt helpers)."""
    return {int(task): cpu_seconds(pid, task) for task in os.listdir(f"/proc/{pid}/task")
            if int(task) != pid}


def side_share(pid, before, seconds):
    after = side_threads(pid)
    used = sum(after[task] - before.get(task, 0.0) for task in after)
    return 100 * used / seconds


def start_xvfb():
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    display = b""
    while not display.endswith(b"\n"):  # the number is written once the server is ready
        display += os.read(read, 16)
    os.close(read)
    display = display.decode().strip()
    return xvfb, ":" + display


def start_pulse(folder):
    """A PulseAudio server of our own whose only sink is a null sink."""
    runtime = os.path.join(folder, "pulse")
    os.makedirs(runtime, exist_ok=True)
    socket = os.path.join(runtime, "native")
    env = dict(os.environ, PULSE_RUNTIME_PATH=runtime, XDG_RUNTIME_DIR=runtime, HOME=folder)
    pulse = subprocess.Popen(
        ["pulseaudio", "--daemonize=no", "-n", "--exit-idle-time=-1", "--disallow-exit",
         "--use-pid-file=no", "--log-target=stderr", "--log-level=error",
         "--load=module-null-sink sink_name=measure",
         f"--load=module-native-protocol-unix socket={socket} auth-anonymous=1"],
        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        if os.path.exists(socket):
            return pulse, "unix:" + socket
        time.sleep(0.05)
    raise SystemExit("the PulseAudio server did not start")


def xdotool(display, *args):
    return subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=display),
                          capture_output=True, text=True).stdout.strip()


def window_origin(display, window):
    geometry = xdotool(display, "getwindowgeometry", window)
    x, y, width = map(int, re.search(r"Position: (\d+),(\d+).*Geometry: (\d+)x", geometry,
                                     re.S).groups())
    return x, y, width


def game_window(display):
    """The main window: the widest visible window called "Quelvane"."""
    for _ in range(100):
        found = xdotool(display, "search", "--onlyvisible", "--name", "^Quelvane$").split()
        widths = {window: window_origin(display, window)[2] for window in found}
        if widths and max(widths.values()) >= 600:
            return max(widths, key=widths.get)
        time.sleep(0.1)
    raise SystemExit("the game's window did not appear")


def screen_rgb(display, width=1024, height=768):
    raw = subprocess.run(["import", "-display", display, "-window", "root", "-depth", "8",
                          "rgb:-"], capture_output=True).stdout
    return raw, width, height


def find_ball(display, window):
    """The middle of the white ball sprite inside the window's client area, or None."""
    x0, y0, _ = window_origin(display, window)
    raw, width, _ = screen_rgb(display)
    xs, ys = [], []
    for y in range(y0 + 22, y0 + 400):  # below the menu bar, above the status bar
        row = raw[3 * width * y:3 * width * (y + 1)]
        for x in range(x0, x0 + 630):
            if min(row[3 * x:3 * x + 3]) > 190:
                xs.append(x)
                ys.append(y)
    if len(xs) < 10:
        return None
    return statistics.median(xs), statistics.median(ys)


def strike(display, window):
    """Drags from the ball towards the window's centre, so that it rolls away from it."""
    ball = find_ball(display, window)
    if not ball:
        return False
    x0, y0, _ = window_origin(display, window)
    bx, by = int(ball[0]), int(ball[1])
    cx, cy = x0 + 315, y0 + 220
    dx, dy = cx - bx, cy - by
    length = max(1.0, (dx * dx + dy * dy) ** 0.5)
    tx, ty = int(bx + 80 * dx / length), int(by + 80 * dy / length)
    xdotool(display, "mousemove", str(bx), str(by))
    xdotool(display, "mousedown", "1")
    for step in range(1, 6):
        xdotool(display, "mousemove", str(bx + (tx - bx) * step // 5),
                str(by + (ty - by) * step // 5))
        time.sleep(0.02)
    xdotool(display, "mouseup", "1")
    return True


# Where the menus, items and controls used here are, from the main window's top-left corner
# (without a window manager nothing has the keyboard focus, so everything is clicked).
OPTIONS_MENU = (110, 8)
PLAYERS_ITEM = (138, 28)
MUSIC_ITEM = (129, 93)
GAME_MENU = (59, 8)
START_ITEM = (90, 28)
PLAYER_1_NAME = (350, 76)
PLAYERS_OK = (235, 342)


def click(display, window, offset):
    x0, y0, _ = window_origin(display, window)
    xdotool(display, "mousemove", str(x0 + offset[0]), str(y0 + offset[1]))
    xdotool(display, "click", "1")
    time.sleep(0.5)


def options_item(display, window, item):
    click(display, window, OPTIONS_MENU)
    click(display, window, item)


def run_case(game, case, seconds, folder, pulse_server):
    xvfb, display = start_xvfb()
    # A runtime folder of the game's own, so that only PULSE_SERVER leads to the server.
    runtime = os.path.join(folder, "game")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=runtime)
    env.pop("PULSE_SERVER", None)
    env.pop("QT_QPA_PLATFORM", None)
    if case in ("tune", "music-off"):
        env.update(SDL_AUDIODRIVER="pulseaudio", PULSE_SERVER=pulse_server)
    elif case == "dummy":
        env.update(SDL_AUDIODRIVER="dummy")
    else:
        env.update(SDL_AUDIODRIVER="none")
    report = os.path.join(folder, f"time-{case}.txt")
    timed = subprocess.Popen(["/usr/bin/time", "-v", "-o", report, game], env=env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(10)  # the splash screen goes (after 8.5 s), the tune is rendered
        window = game_window(display)
        pid = int(subprocess.run(["pgrep", "-P", str(timed.pid)], capture_output=True,
                                 text=True).stdout.split()[0])
        if case == "music-off":
            options_item(display, window, MUSIC_ITEM)
        before, threads = cpu_seconds(pid), side_threads(pid)
        time.sleep(seconds)
        idle = 100 * (cpu_seconds(pid) - before) / seconds
        idle_side = side_share(pid, threads, seconds)

        options_item(display, window, PLAYERS_ITEM)  # the players dialog: one player, OK
        click(display, window, PLAYER_1_NAME)
        xdotool(display, "type", "Ann")
        click(display, window, PLAYERS_OK)
        click(display, window, GAME_MENU)
        click(display, window, START_ITEM)
        time.sleep(3)  # the first turn's spin
        # The ball waits on the tee for the player's stroke.
        before = cpu_seconds(pid)
        time.sleep(seconds)
        aiming = 100 * (cpu_seconds(pid) - before) / seconds

        before, threads = cpu_seconds(pid), side_threads(pid)
        until, strokes, started = time.time() + seconds, 0, time.time()
        while time.time() < until:
            strokes += strike(display, window)
            time.sleep(2.5)
        rolling = 100 * (cpu_seconds(pid) - before) / (time.time() - started)
        rolling_side = side_share(pid, threads, time.time() - started)
        os.kill(pid, 15)
        timed.wait(timeout=20)
        with open(report) as text:
            rss = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)",
                                text.read()).group(1))
        return idle, rolling, strokes, rss, idle_side, rolling_side, aiming
    finally:
        if timed.poll() is None:
            timed.kill()
        xvfb.terminate()
        xvfb.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("game")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--seconds", type=float, default=20)
    parser.add_argument("--cases", default="tune,music-off,dummy,no-device")
    options = parser.parse_args()
    folder = tempfile.mkdtemp(prefix="quelvane-measure-")
    pulse, server = start_pulse(folder)
    try:
        print(f"{'case':<10} {'start screen %':>15} {'aiming %':>9} {'ball rolling %':>15}"
              f" {'strokes':>8}"
              f" {'peak RSS MiB':>13} {'side threads % (start, rolling)':>32}")
        for case in options.cases.split(","):
            results = [run_case(os.path.abspath(options.game), case, options.seconds, folder,
                                server) for _ in range(options.runs)]
            idle = statistics.median(r[0] for r in results)
            rolling = statistics.median(r[1] for r in results)
            strokes = statistics.median(r[2] for r in results)
            rss = statistics.median(r[3] for r in results) / 1024
            idle_side = statistics.median(r[4] for r in results)
            rolling_side = statistics.median(r[5] for r in results)
            aiming = statistics.median(r[6] for r in results)
            print(f"{case:<10} {idle:>15.2f} {aiming:>9.2f} {rolling:>15.2f} {strokes:>8.0f}"
                  f" {rss:>13.1f}"
                  f" {idle_side:>20.2f} {rolling_side:>11.2f}", flush=True)
    finally:
        pulse.terminate()
        pulse.wait()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())

"""Starts quelvane-scores for the web tests: on a free loopback port, with an SQLite file in a
temporary folder or with a private PostgreSQL cluster that it runs itself."""

import glob
import http.client
import json
import os
import pwd
import shutil
import signal
import socket
import subprocess
import tempfile
import urllib.parse

SERVER = os.environ["QUELVANE_SCORES"]
TOOL = os.environ["QUELVANE_TOOL"]


def encode(strokes):
    """A score code made by the game's own tool."""
    out = subprocess.run(
        [TOOL, "scorecode", "encode", "--strokes", ",".join(map(str, strokes))],
        check=True, capture_output=True, text=True).stdout
    return json.loads(out)["code"]


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class Server:
    """One running quelvane-scores; stop() checks that it ends cleanly."""

    def __init__(self, database, *extra, env=None):
        full_env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0", **(env or {}))
        args = [SERVER, "--listen", "127.0.0.1:0", *extra]
        if database:
            args += ["--database", database]
        self.process = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                        text=True, env=full_env)
        line = self.process.stdout.readline()
        if "listening on" not in line:
            self.process.kill()
            raise RuntimeError("the server did not start: " + line + self.process.stderr.read())
        self.port = int(line.rsplit(":", 1)[1].strip().rstrip("/"))

    def request(self, method, path, body=None, headers=None):
        """Returns (status, headers as a dict with lower-case names, body bytes)."""
        connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=30)
        try:
            connection.request(method, path, body=body, headers=headers or {})
            response = connection.getresponse()
            return (response.status, {k.lower(): v for k, v in response.getheaders()},
                    response.read())
        finally:
            connection.close()

    def json(self, method, path, payload=None, raw=None):
        body = raw if raw is not None else (None if payload is None else json.dumps(payload))
        headers = {"Content-Type": "application/json"} if body is not None else {}
        status, headers, data = self.request(method, path, body, headers)
        assert headers["content-type"] == "application/json", headers
        return status, json.loads(data)

    def form(self, fields):
        body = urllib.parse.urlencode(fields) if isinstance(fields, dict) else fields
        return self.request("POST", "/", body,
                            {"Content-Type": "application/x-www-form-urlencoded"})

    def raw(self, data, read_timeout=30):
        """Sends raw bytes and returns everything the server answers before it closes."""
        with socket.create_connection(("127.0.0.1", self.port), timeout=read_timeout) as s:
            s.sendall(data)
            answer = b""
            while chunk := s.recv(65536):
                answer += chunk
            return answer

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        _, errors = self.process.communicate(timeout=30)
        assert self.process.returncode == 0, errors
        return errors


def _as_unprivileged(command):
    """PostgreSQL refuses to run as root: run it as nobody then."""
    if os.geteuid() == 0:
        return ["runuser", "-u", "nobody", "--", *command]
    return command


class PostgresCluster:
    """A throw-away PostgreSQL cluster in a temporary folder, reachable on a free port."""

    def __init__(self):
        binaries = sorted(glob.glob("/usr/lib/postgresql/*/bin/initdb"))
        if not binaries:
            raise RuntimeError("PostgreSQL is not installed (scripts/install-deps installs it)")
        self.bin = os.path.dirname(binaries[-1])
        self.folder = tempfile.mkdtemp(prefix="quelvane-pg-")
        if os.geteuid() == 0:
            nobody = pwd.getpwnam("nobody")
            os.chown(self.folder, nobody.pw_uid, nobody.pw_gid)
        self.data = os.path.join(self.folder, "data")
        self.port = free_port()
        self._run("initdb", "-D", self.data, "-U", "quelvane", "--auth=trust", "-E", "UTF8",
                  "--no-locale")
        self._run("pg_ctl", "-D", self.data, "-l", os.path.join(self.folder, "log"), "-w", "-o",
                  f"-p {self.port} -k {self.folder} -c listen_addresses=127.0.0.1 -c fsync=off",
                  "start")
        self._run("createdb", "-h", "127.0.0.1", "-p", str(self.port), "-U", "quelvane", "scores")

    def _run(self, tool, *args):
        subprocess.run(_as_unprivileged([os.path.join(self.bin, tool), *args]), check=True,
                       capture_output=True, cwd=self.folder)

    def url(self):
        return f"postgresql://quelvane@127.0.0.1:{self.port}/scores"

    def count(self, sql):
        out = subprocess.run(
            _as_unprivileged([os.path.join(self.bin, "psql"), "-h", "127.0.0.1", "-p",
                              str(self.port), "-U", "quelvane", "-d", "scores", "-tAc", sql]),
            check=True, capture_output=True, text=True, cwd=self.folder).stdout
        return int(out.strip())

    def stop(self):
        self._run("pg_ctl", "-D", self.data, "-m", "fast", "-w", "stop")
        shutil.rmtree(self.folder, ignore_errors=True)

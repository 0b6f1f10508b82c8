"""The score list's JSON API and page against a real quelvane-scores process, with the
database named by SCORES_BACKEND: "sqlite" (a temporary file) or "postgresql" (a private
cluster). The HTTP-level refusals do not depend on the database and run with SQLite only."""

import os
import re
import sqlite3
import stat
import subprocess
import tempfile
import time
import unittest

from score_server import SERVER, PostgresCluster, Server, encode

BACKEND = os.environ.get("SCORES_BACKEND", "sqlite")


def strokes_with_total(total, shape=0):
    """36 counts 1..9 adding up to `total`; `shape` picks another spread of the same total."""
    counts = [1] * 36
    left = total - 36
    k = shape
    while left > 0:
        step = min(left, 9 - counts[k % 36])
        counts[k % 36] += step
        left -= step
        k += 7
    return counts


class ScoreApiTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.addClassCleanup(cls.folder.cleanup)
        if BACKEND == "postgresql":
            cluster = PostgresCluster()
            cls.addClassCleanup(cluster.stop)
            cls.database = cluster.url()
        else:
            cls.database = "sqlite:" + os.path.join(cls.folder.name, "scores.sqlite")
        cls.server = Server(cls.database)
        cls.addClassCleanup(cls.server.stop)

    def register(self, name, strokes):
        return self.server.json("POST", "/api/scores", {"name": name, "code": encode(strokes)})

    def top(self, limit=100):
        status, answer = self.server.json("GET", f"/api/top?limit={limit}")
        self.assertEqual(status, 200)
        return answer["scores"]

    def test_1_registers_ranks_with_dense_places_and_counts_a_code_once(self):
        first = strokes_with_total(75)
        status, entry = self.register("Ann", first)
        self.assertEqual(status, 201)
        self.assertEqual((entry["rank"], entry["name"], entry["total"], entry["strokes"]),
                         (1, "Ann", 75, first))
        self.assertRegex(entry["registered"], r"^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ$")
        par = 75 - entry["overPar"]

        # Ties share a place, the earlier registration first; the next total gets the next place.
        self.assertEqual(self.register("Ben", strokes_with_total(90))[0], 201)
        self.assertEqual(self.register("Cid", strokes_with_total(75, shape=3))[0], 201)
        self.assertEqual(self.register("Dot", strokes_with_total(60))[0], 201)
        rows = self.top()
        self.assertEqual([(r["rank"], r["name"], r["total"]) for r in rows],
                         [(1, "Dot", 60), (2, "Ann", 75), (2, "Cid", 75), (3, "Ben", 90)])
        self.assertEqual([r["overPar"] for r in rows], [r["total"] - par for r in rows])
        self.assertEqual([r["name"] for r in self.top(limit=2)], ["Dot", "Ann"])

        # The same code again, under any name, answers with the first registration.
        status, again = self.register("Eve", first)
        self.assertEqual(status, 200)
        self.assertEqual(again, {**entry, "rank": 2})
        self.assertEqual(len(self.top()), 4)

    def test_2_refuses_bad_registrations_with_their_reason(self):
        before = self.top()
        valid = encode(strokes_with_total(80, shape=5))
        changed = valid[:10] + str((int(valid[10]) + 1) % 10) + valid[11:]
        cases = [
            ("empty code", {"name": "Ann", "code": ""}, "code"),
            ("43 digits", {"name": "Ann", "code": valid[:43]}, "44"),
            ("45 digits", {"name": "Ann", "code": valid + "1"}, "44"),
            ("letters", {"name": "Ann", "code": "A" * 44}, ""),
            ("10,000 digits", {"name": "Ann", "code": "7" * 10000}, ""),
            ("one digit changed", {"name": "Ann", "code": changed}, ""),
            ("empty name", {"name": "  ", "code": valid}, "name"),
            ("17 characters", {"name": "A" * 17, "code": valid}, "16"),
            ("control character", {"name": "A\u0007B", "code": valid}, "control"),
            ("code not a text", {"name": "Ann", "code": 12345}, "code"),
            ("no name", {"code": valid}, "name"),
        ]
        for label, payload, reason in cases:
            with self.subTest(label):
                status, answer = self.server.json("POST", "/api/scores", payload)
                self.assertIn(status, (400, 413), answer)
                self.assertIn(reason, answer["error"])
        self.assertEqual(self.server.json("POST", "/api/scores", raw="{not json")[0], 400)
        # Invalid UTF-8 inside the JSON text of a name.
        bad_utf8 = b'{"name": "\xff\xfe", "code": "' + valid.encode() + b'"}'
        self.assertEqual(self.server.json("POST", "/api/scores", raw=bad_utf8)[0], 400)
        status, headers, _ = self.server.request("POST", "/api/scores", "name=a", {
            "Content-Type": "text/plain"})
        self.assertEqual((status, headers["content-type"]), (415, "application/json"))
        for limit in ("0", "101", "abc", "-1"):
            with self.subTest(limit=limit):
                self.assertEqual(self.server.json("GET", "/api/top?limit=" + limit)[0], 400)
        self.assertEqual(self.top(), before)

    def test_3_stores_sql_and_markup_in_names_as_plain_text(self):
        sql = "x');DROP TABLE--"
        status, entry = self.register(sql, strokes_with_total(100))
        self.assertEqual((status, entry["name"]), (201, sql))
        status, headers, _ = self.server.form(
            {"name": "<script>alert(1)", "code": encode(strokes_with_total(101))})
        self.assertEqual(status, 303)
        status, headers, page = self.server.request("GET", headers["location"])
        self.assertEqual((status, headers["content-type"]), (200, "text/html; charset=utf-8"))
        page = page.decode()
        self.assertIn("&lt;script&gt;alert(1)", page)
        self.assertNotIn("<script", page)
        self.assertIn("is registered", page)
        self.assertIn(sql.replace("'", "&#39;"), page)

    def test_4_page_refusals_keep_what_was_typed(self):
        status, headers, page = self.server.form({"name": "Zed\"><i>", "code": "123 456"})
        self.assertEqual((status, headers["content-type"]), (400, "text/html; charset=utf-8"))
        page = page.decode()
        self.assertRegex(page, r'role="alert">Character 4 of the score code [^<]*\.</p>')
        self.assertIn('value="Zed&quot;&gt;&lt;i&gt;"', page)
        self.assertIn('value="123 456"', page)
        status, _, page = self.server.form("name=%FF%FE&code=" + encode(strokes_with_total(99)))
        self.assertEqual(status, 400)
        self.assertIn("UTF-8", page.decode())
        status, _, page = self.server.form({"name": "", "code": encode(strokes_with_total(99))})
        self.assertIn("Please enter a name.", page.decode())

    def test_5_two_servers_share_one_database(self):
        second = Server(self.database)
        try:
            status, entry = second.json("POST", "/api/scores",
                                        {"name": "Twin", "code": encode(strokes_with_total(50))})
            self.assertEqual((status, entry["rank"]), (201, 1))
            time.sleep(1.2)  # the first server reads the list again after a second
            self.assertEqual(self.top(limit=1)[0]["name"], "Twin")
        finally:
            second.stop()


@unittest.skipUnless(BACKEND == "sqlite", "the HTTP layer is the same for every database")
class HttpLayerTest(unittest.TestCase):
    """Hostile requests get their 4xx answer, and the server goes on serving."""

    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.path = os.path.join(cls.folder.name, "scores.sqlite")
        cls.addClassCleanup(cls.folder.cleanup)
        cls.server = Server("sqlite:" + cls.path)
        cls.addClassCleanup(cls.server.stop)
        cls.server.json("POST", "/api/scores",
                        {"name": "Keeper", "code": encode(strokes_with_total(70))})

    def assert_still_serving(self):
        status, answer = self.server.json("GET", "/api/top")
        self.assertEqual(status, 200)
        self.assertEqual([r["name"] for r in answer["scores"]], ["Keeper"])

    def test_malformed_and_oversized_requests_are_refused(self):
        cases = [
            ("malformed request line", b"GARBAGE\r\n\r\n", 400),
            ("bad header line", b"GET / HTTP/1.1\r\nno colon here\r\n\r\n", 400),
            ("control bytes before any line end", b"\x00\x01\x02", 400),
            ("control byte in a header still arriving", b"GET / HTTP/1.1\r\nHo\x01st", 400),
            ("non-ASCII byte in the path", b"GET /?x=\xff HTTP/1.1\r\n\r\n", 400),
            ("huge headers", b"GET / HTTP/1.1\r\nX-Pad: " + b"a" * 20000 + b"\r\n\r\n", 431),
            ("body over the limit",
             b"POST /api/scores HTTP/1.1\r\nContent-Type: application/json\r\n"
             b"Content-Length: 100000\r\n\r\n{", 413),
            ("chunked body",
             b"POST /api/scores HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n", 411),
            ("two content lengths",
             b"POST / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\nab", 400),
        ]
        for label, data, status in cases:
            with self.subTest(label):
                answer = self.server.raw(data)
                self.assertTrue(answer.startswith(b"HTTP/1.1 %d " % status), answer[:200])
                self.assertRegex(answer, rb"\r\nContent-Type: (text/plain|application/json)")
                self.assert_still_serving()

    def test_a_body_that_never_ends_times_out(self):
        started = time.monotonic()
        answer = self.server.raw(
            b"POST /api/scores HTTP/1.1\r\nContent-Type: application/json\r\n"
            b"Content-Length: 200\r\n\r\n{\"name\": ")
        self.assertTrue(answer.startswith(b"HTTP/1.1 408 "), answer)
        self.assertLess(time.monotonic() - started, 20)
        self.assert_still_serving()

    def test_unknown_addresses_and_methods(self):
        status, headers, _ = self.server.request("GET", "/nothing")
        self.assertEqual((status, headers["content-type"]), (404, "text/plain; charset=utf-8"))
        self.assertEqual(self.server.json("GET", "/api/nothing")[0], 404)
        status, headers, _ = self.server.request("DELETE", "/api/scores")
        self.assertEqual((status, headers["allow"]), (405, "POST"))
        status, headers, css = self.server.request("GET", "/style.css")
        self.assertEqual((status, headers["content-type"]), (200, "text/css; charset=utf-8"))

    def test_database_file_is_private(self):
        self.assertEqual(stat.S_IMODE(os.stat(self.path).st_mode), 0o600)


@unittest.skipUnless(BACKEND == "sqlite", "start-up and limits do not depend on the database")
class StartUpTest(unittest.TestCase):
    def test_default_database_is_created_in_the_data_folder_on_first_start(self):
        with tempfile.TemporaryDirectory() as home:
            server = Server(None, env={"XDG_DATA_HOME": home})
            self.assertEqual(server.json("GET", "/api/top"), (200, {"scores": []}))
            server.stop()
            folder = os.path.join(home, "Dolvarn", "quelvane-scores")
            self.assertEqual(stat.S_IMODE(os.stat(folder).st_mode), 0o700)
            database = os.path.join(folder, "scores.sqlite")
            self.assertEqual(stat.S_IMODE(os.stat(database).st_mode), 0o600)

    def test_one_client_sending_too_many_requests_gets_429(self):
        with tempfile.TemporaryDirectory() as folder:
            server = Server("sqlite:" + os.path.join(folder, "s.sqlite"), "--rate-limit", "5")
            statuses = [server.json("GET", "/api/top")[0] for _ in range(5)]
            status, headers, _ = server.request("GET", "/api/top")
            server.stop()
        self.assertEqual(statuses, [200] * 5)
        self.assertEqual((status, headers["content-type"]), (429, "application/json"))
        self.assertIn("retry-after", headers)

    def test_a_failing_database_answers_503_without_its_text(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "s.sqlite")
            server = Server("sqlite:" + path)
            with sqlite3.connect(path) as database:
                database.execute("DROP TABLE scores")
            status, answer = server.json("POST", "/api/scores", {
                "name": "Ann", "code": encode(strokes_with_total(80))})
            errors = server.stop()
        self.assertEqual(status, 503)
        self.assertEqual(answer, {"error": "The score list cannot be reached right now. "
                                           "Please try again later."})
        self.assertIn("no such table", errors)

    def test_bad_options_and_the_default_address(self):
        for args in (["--listen", "nowhere"], ["--listen", "127.0.0.1:99999"], ["--bogus", "1"],
                     ["--database"]):
            with self.subTest(args=args):
                run = subprocess.run([SERVER, *args], capture_output=True, text=True)
                self.assertEqual(run.returncode, 2)
                self.assertTrue(run.stderr.startswith("quelvane-scores: "), run.stderr)
        usage = subprocess.run([SERVER, "--help"], capture_output=True, text=True).stdout
        expected = re.sub(r"^http://|/$", "", os.environ["QUELVANE_SCORE_LIST_URL"])
        self.assertIn(f"(default {expected})", usage)


if __name__ == "__main__":
    unittest.main(verbosity=2)

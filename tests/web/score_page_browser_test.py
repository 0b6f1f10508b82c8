"""The score-list page in a real browser: Debian's chromium through its WebDriver. Three codes
made by the game's tool are pasted into the form; each shows up as its row, and the list is
saved as screenshots at a desktop and a phone width."""

import os
import tempfile
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support import expected_conditions
from selenium.webdriver.support.ui import WebDriverWait

from score_server import Server, encode
from score_api_test import strokes_with_total

SCREENSHOTS = os.environ.get("SCREENSHOT_DIR", ".")


def start_browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--no-first-run", "--disable-dev-shm-usage",
                 "--user-data-dir=" + profile):
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class ScorePageBrowserTest(unittest.TestCase):
    def setUp(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        self.server = Server("sqlite:" + os.path.join(folder.name, "scores.sqlite"))
        self.addCleanup(self.server.stop)
        self.browser = start_browser(os.path.join(folder.name, "profile"))
        self.addCleanup(self.browser.quit)
        self.url = f"http://127.0.0.1:{self.server.port}/"

    def register(self, name, code):
        self.browser.get(self.url)
        self.browser.find_element(By.NAME, "name").send_keys(name)
        self.browser.find_element(By.NAME, "code").send_keys(code)
        self.browser.find_element(By.CSS_SELECTOR, "button[type=submit]").click()
        return WebDriverWait(self.browser, 20).until(
            expected_conditions.presence_of_element_located((By.CSS_SELECTOR, "tr.new")))

    def test_pasted_codes_show_up_as_rows(self):
        for name, total in (("Marta", 96), ("Olek <3", 81), ("Jun", 110)):
            row = self.register(name, encode(strokes_with_total(total, shape=total)))
            self.assertEqual(row.find_element(By.CSS_SELECTOR, ".name").text, name)
            self.assertEqual(row.find_element(By.CSS_SELECTOR, ".total").text, str(total))
            self.assertIn("is registered", self.browser.find_element(By.CSS_SELECTOR,
                                                                     ".notice").text)
        names = [cell.text for cell in self.browser.find_elements(By.CSS_SELECTOR, "td.name")]
        places = [cell.text for cell in self.browser.find_elements(By.CSS_SELECTOR, "td.place")]
        self.assertEqual((names, places), (["Olek <3", "Marta", "Jun"], ["1", "2", "3"]))

        # A refusal shows its reason and keeps what was typed.
        self.browser.get(self.url)
        self.browser.find_element(By.NAME, "name").send_keys("Ivo")
        self.browser.find_element(By.NAME, "code").send_keys("12345")
        self.browser.find_element(By.CSS_SELECTOR, "button[type=submit]").click()
        alert = WebDriverWait(self.browser, 20).until(
            expected_conditions.presence_of_element_located((By.CSS_SELECTOR, ".error")))
        self.assertIn("44", alert.text)
        self.assertEqual(self.browser.find_element(By.NAME, "code").get_attribute("value"),
                         "12345")

        self.browser.get(self.url)
        for label, width, height in (("desktop", 1280, 800), ("phone", 390, 844)):
            self.browser.set_window_size(width, height)
            path = os.path.join(SCREENSHOTS, f"score_list_{label}.png")
            self.assertTrue(self.browser.save_screenshot(path))
            page_width = self.browser.execute_script("return document.documentElement.scrollWidth")
            self.assertLessEqual(page_width, self.browser.execute_script(
                "return window.innerWidth"), f"the page scrolls sideways at {label} width")


if __name__ == "__main__":
    unittest.main(verbosity=2)

# The teacher's page in Debian's headless Chromium, for the browser tests: one browser per test, and
# steps that fail the test with a message and a screenshot on the first thing not as a teacher should
# see it.
import os
import sys

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

browser = None
_base = None
_shots = None


def start(base, shots, downloads=None):
    """Opens the browser on quizd at base; screenshots go to shots, downloads (if given) to downloads."""
    global browser, _base, _shots
    _base, _shots = base, shots
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--window-size=1280,900", "--lang=pt-BR"):
        options.add_argument(argument)
    if downloads:
        options.add_experimental_option("prefs", {"download.default_directory": downloads,
                                                  "download.prompt_for_download": False})
    browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    if downloads:
        browser.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow", "downloadPath": downloads})
    return browser


def check(condition, message):
    if not condition:
        browser.save_screenshot(os.path.join(_shots, "failure.png"))
        print("FAIL: %s (at %s)" % (message, browser.current_url), file=sys.stderr)
        browser.quit()
        sys.exit(1)


def text():
    body = WebDriverWait(browser, 10).until(lambda b: b.find_elements(By.TAG_NAME, "body"))
    return body[0].text


def click(element):
    # A click that submits a form or follows a link: returns once the next page is there.
    old = browser.find_element(By.TAG_NAME, "html")
    element.click()
    WebDriverWait(browser, 10).until(lambda b: gone(old))


def gone(element):
    # Chromium reports an element of a page already replaced either as stale or as not in the document.
    try:
        element.is_enabled()
        return False
    except WebDriverException:
        return True


def shot(name):
    browser.save_screenshot(os.path.join(_shots, name + ".png"))


def sign_in(user, password, at=None):
    browser.get((at or _base) + "/")
    browser.find_element(By.ID, "usuario").send_keys(user)
    browser.find_element(By.ID, "senha").send_keys(password)
    click(browser.find_element(By.ID, "entrar"))


def wait_for(what, seconds=15):
    try:
        WebDriverWait(browser, seconds).until(lambda b: what in text())
    except Exception:
        check(False, "never saw %r" % what)

# Headless Chromium for the teacher's page tests: start() it, then drive it with the helpers below; every
# failure leaves a screenshot and ends the test with a message.
import os
import subprocess
import sys

from selenium import webdriver
from selenium.common.exceptions import TimeoutException, WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

browser = None
shots = None
downloads = None


def start(work, shot_dir):
    global browser, shots, downloads
    shots = shot_dir
    downloads = os.path.join(work, "downloads")
    os.makedirs(downloads, exist_ok=True)
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--window-size=1280,900", "--lang=pt-BR"):
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"download.default_directory": downloads,
                                              "download.prompt_for_download": False})
    browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    browser.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow", "downloadPath": downloads})
    return browser


def check(condition, message):
    if not condition:
        browser.save_screenshot(os.path.join(shots, "failure.png"))
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


def click_id(element_id):
    click(browser.find_element(By.ID, element_id))


def gone(element):
    # Chromium reports an element of a page already replaced either as stale or as not in the document.
    try:
        element.is_enabled()
        return False
    except WebDriverException:
        return True


def shot(name):
    browser.save_screenshot(os.path.join(shots, name + ".png"))


def sign_in(base, user, password):
    browser.get(base + "/")
    browser.find_element(By.ID, "usuario").send_keys(user)
    browser.find_element(By.ID, "senha").send_keys(password)
    click(browser.find_element(By.ID, "entrar"))


def wait_for(what, seconds=60):
    # A page that reloads itself may be replaced while it is read: that reading is just tried again.
    try:
        WebDriverWait(browser, seconds, ignored_exceptions=(WebDriverException,)).until(lambda b: what in text())
    except TimeoutException:
        check(False, "never saw %r" % what)


def download(element_id, name):
    # A download: the page stays; returns the file's text once it is whole.
    target = os.path.join(downloads, name)
    if os.path.exists(target):
        os.remove(target)
    browser.find_element(By.ID, element_id).click()
    try:
        WebDriverWait(browser, 10).until(lambda b: os.path.exists(target))
    except Exception:
        check(False, "%s was not downloaded" % name)
    with open(target, encoding="utf-8") as f:
        return f.read()


def game_answers(game_answer, port, question, answer, user, password):
    verdict = subprocess.run([game_answer, "127.0.0.1:" + port, user, password, question, answer],
                             capture_output=True, text=True, timeout=30)
    check(verdict.returncode == 0, "the game's client failed: " + verdict.stderr)
    return verdict.stdout.strip()

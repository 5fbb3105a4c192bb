# Watches the class page in headless Chromium while the player given on the command line (the rest of
# the arguments) plays as ana: the page is never reloaded by the test, it refreshes itself. KIND is
# "scripted" (class_view.sh: the class seeded, mission_player.py's own timeline checked) or "game" (the
# real game in demo mode: ana alone, from the first stage to the mission accomplished).
# Usage: class_view.py PORT WORK SHOTS KIND PLAYER...
import os
import subprocess
import sys
import time

from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.by import By

from browser import check, click, shot, sign_in, start

port, work, shots, kind = sys.argv[1:5]
player_command = sys.argv[5:]
scripted = kind == "scripted"
base = "http://127.0.0.1:%s" % port
browser = start(work, shots)


def row_of(name):
    """The cells of the student's row in the mission table, or None while the page is being replaced."""
    try:
        row = browser.find_element(By.XPATH, "//table[@id='missao']//tr[td/a[text()='%s']]" % name)
        return [cell.text for cell in row.find_elements(By.TAG_NAME, "td")], row.get_attribute("class")
    except WebDriverException:
        return None


def check_seeded_class():
    cells, _ = row_of("dani")
    check("ainda não jogou" in cells[1], "dani's row before playing: %r" % cells)
    cells, style = row_of("bia")
    check(style == "parado" and "parado nesta fase" in cells[5], "bia, seven minutes in one stage: %r" % cells)
    cells, _ = row_of("caio")
    check("concluiu em 14 min 32 s" in cells[5] and "sem sinal" in cells[6], "caio, finished: %r" % cells)


def check_scripted_timeline(stages):
    pen_drive = [r for r in stages if r.startswith("procurando o pen drive")]
    check(pen_drive and pen_drive[0].split()[-2:] == ["1", "40"], "the capture, life 40: %r" % pen_drive)
    with_answers = [r for r in stages if " certa" in r or " errada" in r]
    check(len(with_answers) == 3, "answers in three stages: %r" % with_answers)
    check(len(browser.find_elements(By.CSS_SELECTOR, "#tentativas tr")) == 4, "ana's three answers below")


try:
    sign_in(base, "prof", "segredo")
    check(browser.title.startswith("Turma"), "signing in did not reach the class page")
    if scripted:
        check_seeded_class()

    player = subprocess.Popen(player_command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    seen = []
    finished = False
    deadline = time.monotonic() + 600
    while not finished and time.monotonic() < deadline:
        if player.poll() is not None:
            deadline = min(deadline, time.monotonic() + 20)  # the page's next refresh or two
        found = row_of("ana")
        if found and found[0][1] != "ainda não jogou":
            cells = found[0]
            if not seen or seen[-1] != cells[1]:
                seen.append(cells[1])
                with open(os.path.join(work, "seen-stages"), "a", encoding="utf-8") as f:
                    print(cells[1], file=f)
            if len(seen) == 4 and not os.path.exists(os.path.join(shots, "class-view.png")):
                shot("class-view")
            finished = "concluiu" in cells[5]
        time.sleep(0.2)
    output = player.communicate(timeout=60)[0]
    check(player.returncode == 0, "the player failed:\n" + output)
    check(finished, "never saw ana's game finished; stages seen %r" % seen)
    check(len(set(seen)) >= 5, "fewer than five stages seen: %r" % seen)
    print("stages seen on the class page: %s" % " / ".join(seen))
    shot("class-view-finished")

    click(browser.find_element(By.LINK_TEXT, "ana"))
    rows = [r.text for r in browser.find_elements(By.CSS_SELECTOR, "#linha-do-tempo tr")]
    stages = [r for r in rows if r and not r.startswith(("Fase", "Partida"))]
    check(stages[0].startswith("enfrentando o primeiro robô") and "concluiu a missão" in stages[-1],
          "ana's stages %r" % rows)
    if scripted:
        check_scripted_timeline(stages)
    shot("student-timeline")
finally:
    browser.quit()

# Drives the teacher's page in headless Chromium for teacher_page.sh; fails with a message on the first
# thing that is not as a teacher should see it.
import sys

from selenium.common.exceptions import TimeoutException, WebDriverException
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

from browser import check, click, download, shot, sign_in as sign_in_at, start, text, wait_for
import browser as chromium

port, short_port, bank, broken, class_list, game_answer, work, shots = sys.argv[1:9]
base = "http://127.0.0.1:%s" % port
browser = start(work, shots)


def sign_in(user, password, at=base):
    sign_in_at(at, user, password)


def game_answers(question, answer, user="ana", password="aluna"):
    return chromium.game_answers(game_answer, port, question, answer, user, password)


try:
    sign_in("prof", "errada")
    check("Usuário ou senha inválidos" in text(), "a wrong password was not refused")
    shot("login-refused")
    sign_in("ana", "aluna")
    check("Usuário ou senha inválidos" in text(), "a student's account was let in")
    check("Turma" not in browser.title, "a student's account reached the class page")

    sign_in("prof", "segredo 1")
    check(browser.title.startswith("Turma"), "signing in did not reach the class page")
    cookie = browser.get_cookie("quizd_sessao")
    check(cookie and cookie["httpOnly"] and cookie.get("sameSite") == "Strict", "cookie %r" % cookie)

    click(browser.find_element(By.LINK_TEXT, "Gerenciar"))
    browser.find_element(By.ID, "gift").send_keys(bank)
    click(browser.find_element(By.ID, "importar"))
    check("39 questões novas, 0 atualizadas, 0 recusadas" in text(), "sample bank import: " + text())
    browser.get(base + "/gerenciar")
    browser.find_element(By.ID, "gift").send_keys(broken)
    click(browser.find_element(By.ID, "importar"))
    check("Importação de quebrado.gift" in text() and "1 questões novas, 0 atualizadas, 2 recusadas" in text(),
          "broken bank report: " + text())
    rows = [r.text for r in browser.find_elements(By.CSS_SELECTOR, "#recusadas tr")]
    check(any(r.startswith("3 ") for r in rows) and any(r.startswith("5 ") for r in rows), "lines %r" % rows)
    imported = [r.text for r in browser.find_elements(By.CSS_SELECTOR, "#importadas tr")]
    check(imported[1:] == ["uma alternativa Boa"], "imported %r" % imported)
    shot("import-report")

    browser.get(base + "/gerenciar")
    browser.find_element(By.ID, "lista").send_keys(class_list)
    click(browser.find_element(By.ID, "enviar"))
    wait_for("2 alunos gravados")  # saved in the background; the page follows it
    browser.get(base + "/gerenciar")
    browser.find_element(By.ID, "nome").send_keys("dani")
    browser.find_element(By.ID, "nova").send_keys("tres")
    click(browser.find_element(By.ID, "gravar"))
    check("Aluno cadastrado: dani" in text(), "adding a student: " + text())
    browser.find_element(By.ID, "nome").send_keys("dani")
    browser.find_element(By.ID, "nova").send_keys("quatro")
    click(browser.find_element(By.ID, "gravar"))
    check("Senha trocada: dani" in text(), "resetting a password: " + text())
    shot("manage")

    # A forged form: the same form without its anti-forgery token.
    browser.execute_script("document.querySelectorAll('form[action=\"/aluno\"] input[name=token]')"
                           ".forEach(function (e) { e.remove(); })")
    browser.find_element(By.ID, "nome").send_keys("intruso")
    browser.find_element(By.ID, "nova").send_keys("x")
    click(browser.find_element(By.ID, "gravar"))
    check("Formulário recusado" in text(), "a form without its token was not refused")
    shot("token-refused")

    # The class page refreshes by itself: an answer from the game appears without the test reloading.
    browser.get(base + "/")
    check("nenhuma ainda" in text(), "ana's row before answering")
    check(game_answers("10", "1") == "0", "a wrong answer was judged right")
    check(game_answers("10", "0") == "1", "a right answer was judged wrong")
    game_answers("19", "8", "bia", "um")
    game_answers("10", "1", "caio", "dois")
    wait_for("questão 10: Verdadeiro certa")
    wait_for("questão 10: Falso errada")
    row = " ".join(browser.find_element(By.XPATH, "//table[@id='turma']//tr[td/a[text()='ana']]").text.split())
    check("1 de 40" in row and " 2 1 " in row, "ana's row: " + row)
    shot("class")

    click(browser.find_element(By.LINK_TEXT, "Questões"))
    row = browser.find_element(By.XPATH, "//table[@id='questoes']//tr[td[1]='10']").text
    check("0% (0 de 2)" in row and "Falso (2×)" in row, "question 10's row: " + row)
    shot("questions")
    browser.get(base + "/")
    click(browser.find_element(By.LINK_TEXT, "ana"))
    attempts = [r.text for r in browser.find_elements(By.CSS_SELECTOR, "#tentativas tr")][1:]
    check(len(attempts) == 2 and "Falso errada" in attempts[0] and "Verdadeiro certa" in attempts[1],
          "ana's attempts %r" % attempts)
    shot("student")

    browser.get(base + "/gerenciar")
    csv = download("csv", "resultados.csv")
    check(csv.startswith("usuario,respondidas,certas,erradas") and "\nana,2,1,1," in csv, "CSV: " + csv)

    click(browser.find_element(By.XPATH, "//button[text()='Sair']"))
    check("Entrar como professor" in text(), "signing out")
    browser.get(base + "/")
    check("Entrar como professor" in text(), "the class page after signing out")

    short = "http://127.0.0.1:%s" % short_port
    sign_in("prof", "segredo 1", short)
    check(browser.title.startswith("Turma"), "signing in on the short-session server")
    # The browser drops the cookie at its Max-Age and the server forgets the session: once the two
    # seconds are over the page gives the log-in form.
    def expired(b):
        b.get(short + "/questoes")
        return "Entrar como professor" in text() and not b.find_elements(By.ID, "questoes")

    try:
        WebDriverWait(browser, 30, poll_frequency=0.5, ignored_exceptions=(WebDriverException,)).until(expired)
    except TimeoutException:
        check(False, "an expired session still showed the page")
    shot("session-expired")
finally:
    browser.quit()

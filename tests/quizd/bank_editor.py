# Drives the bank's editor in headless Chromium for bank_editor.sh; fails with a message on the first
# thing that is not as a teacher should see it.
import sys

from selenium.webdriver.common.by import By

from browser import check, click, click_id, download, game_answers, shot, sign_in, start, text

port, game_answer, work, shots, broken, fixed = sys.argv[1:7]
base = "http://127.0.0.1:%s" % port
browser = start(work, shots)


def fill(fields):
    for name, value in fields.items():
        element = browser.find_element(By.ID, name)
        if element.get_attribute("type") in ("radio", "checkbox"):
            element.click()
        else:
            element.clear()
            element.send_keys(value)


def add(kind, fields, preview_boxes):
    browser.get(base + "/questoes")
    click_id("nova-" + kind)
    fill(fields)
    click_id("previsualizar")
    preview = browser.find_element(By.ID, "previa")
    check(len(preview.find_elements(By.CLASS_NAME, "marca")) == preview_boxes, "preview of %s" % kind)
    check(fields["texto"].split()[0] in preview.text, "the preview lacks the text of " + kind)
    shot("preview-" + kind)
    click_id("gravar")
    check("Questão gravada" in text(), "adding %s: %s" % (kind, text()))


def row(table, qid):
    return browser.find_element(By.XPATH, "//table[@id='%s']//tr[td[1]='%d']" % (table, qid)).text


try:
    sign_in(base, "prof", "segredo")
    browser.get(base + "/questoes")
    click_id("nova-uma")
    fill({"texto": "Qual planeta é chamado de planeta vermelho?", "alt1": "Marte", "certa1": "",
          "alt2": "Vênus → Terra", "alt3": "Júpiter", "alt4": "Saturno"})
    click_id("gravar")
    why = browser.find_element(By.ID, "erro-alt2").text
    check("U+2192" in why and "Nada gravado" in text(), "a character outside the code page: " + text())
    fill({"alt2": "Vênus"})
    click_id("previsualizar")
    check(len(browser.find_elements(By.CSS_SELECTOR, "#previa .marca")) == 4, "the choice preview")
    click_id("gravar")
    check("Questão gravada" in text(), "the fixed form was not saved: " + text())

    add("vf", {"texto": "A água ferve a 100 °C ao nível do mar.", "vf-verdadeiro": ""}, 2)
    add("varias", {"texto": "Quais destes animais são mamíferos? Marque todos os que mamam quando filhotes, mesmo os que "
                             "vivem na água e os que voam.", "alt1": "Baleia", "marca1": "",
                   "alt2": "Tubarão", "alt3": "Morcego", "marca3": "", "alt4": "Pinguim"}, 4)
    add("escrita", {"texto": "Qual é o símbolo químico do ouro?", "respostas": "Au"}, 0)
    add("numero", {"texto": "Quantos minutos há em 2,5 horas?", "numero": "150", "tolerancia": "0,5"}, 0)
    add("escrita", {"texto": "Qual é a capital da França?", "respostas": "Paris"}, 0)
    shot("editor")

    # Question 4 answered right, then fixed: the answer stays with the first version and still counts.
    check(game_answers(game_answer, port, "4", "au", "ana", "s3 nh&a") == "1", "the game's answer to question 4")
    browser.get(base + "/questoes")
    click_id("corrigir-4")
    check(browser.find_element(By.ID, "respostas").get_attribute("value").strip() == "Au", "the fix form")
    fill({"texto": "Qual é o símbolo químico do elemento ouro? " + "Escreva só as letras do símbolo. " * 8})
    click_id("previsualizar")
    shot("preview")
    click_id("gravar")
    check("Questão 4 corrigida" in text(), "fixing: " + text())
    check("versão 2; 1 das tentativas foram em versões anteriores" in row("questoes", 4), "the fixed row")

    for action in ("retirar", "devolver", "retirar"):
        click_id("%s-6" % action)
    check("capital da França" in row("retiradas", 6), "question 6 is not among the retired")
    browser.get(base + "/")
    ana = " ".join(browser.find_element(By.XPATH, "//table[@id='turma']//tr[td/a[text()='ana']]").text.split())
    check("1 de 5" in ana, "ana's row after the fix: " + ana)
    click(browser.find_element(By.LINK_TEXT, "ana"))
    attempt = browser.find_element(By.CSS_SELECTOR, "#tentativas tr:nth-child(2)").text
    check("símbolo químico do ouro? (versão anterior à correção)" in attempt, "ana's attempt: " + attempt)

    browser.get(base + "/questoes")
    gift = download("gift", "questoes.gift")
    check(gift.count("{") == 5 and "França" not in gift, "the GIFT: " + gift)

    browser.find_element(By.ID, "planilha").send_keys(broken)
    click_id("conferir")
    lines = [r.text.split()[0] for r in browser.find_elements(By.CSS_SELECTOR, "#problemas tr")][1:]
    check(lines == ["18", "59", "121", "172"], "broken rows named: %r" % lines)
    check("Nenhuma questão gravada" in text() and not browser.find_elements(By.ID, "gravar-planilha"),
          "a broken spreadsheet offered to save")
    shot("spreadsheet-refused")
    browser.get(base + "/questoes")
    check(len(browser.find_elements(By.CSS_SELECTOR, "#questoes tr")) == 6, "a refused spreadsheet wrote questions")
    browser.find_element(By.ID, "planilha").send_keys(fixed)
    click_id("conferir")
    check("200 questões prontas" in text(), "the fixed spreadsheet: " + text())
    check("Pergunta 120 com seta -> no texto?" in text(), "the Windows-1252 spreadsheet was misread")
    click_id("gravar-planilha")
    check("200 questões novas" in text(), "saving the spreadsheet: " + text())
finally:
    browser.quit()

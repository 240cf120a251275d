#!/usr/bin/python3
# A small AT-SPI client, as a screen reader sees the game: finds the application, the hand's five
# cards by name, the hint line's text and a refusal's reason on it, and presses a card; or, with
# "start", the start screen's parts by name. Usage: screen_reader_client.py APP_NAME [start]
import re
import sys
import time

import pyatspi

RANKS = "шестёрка|семёрка|восьмёрка|девятка|валет|дама|король|десятка|туз"
SUITS = "червей|бубей|пик|крестей"
CARD = re.compile(rf"^({RANKS}) ({SUITS})$")


def find_app(name, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.3)
    return None


def walk(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


def find(app, role, name=None):
    for node in walk(app):
        if node.getRole() == role and (name is None or node.name == name):
            return node
    return None


def fail(text):
    print("FAILED: " + text)
    sys.exit(1)


START_PARTS = [
    (pyatspi.ROLE_FILLER, "Загрузка"),
    (pyatspi.ROLE_FILLER, "Лиорна — игра для двоих: вы против компьютера"),
    (pyatspi.ROLE_IMAGE, "Туз червей"),
    (pyatspi.ROLE_PUSH_BUTTON, "Играть"),
    (pyatspi.ROLE_PUSH_BUTTON, "Бонусы"),
    (pyatspi.ROLE_PUSH_BUTTON, "Не играть"),
    (pyatspi.ROLE_PUSH_BUTTON, "Выйти"),
]


def check_start_screen(app):
    screen = None
    end = time.time() + 20
    while time.time() < end and screen is None:
        screen = find(app, pyatspi.ROLE_DIALOG, "Загрузка")
        time.sleep(0.3)
    if screen is None:
        fail("no dialog «Загрузка»")
    for role, name in START_PARTS:
        if find(screen, role, name) is None:
            fail(f"the start screen has no {pyatspi.Role(role).value_name} «{name}»")
    lengths = find(screen, pyatspi.ROLE_PANEL, "Длина партии") or find(screen, pyatspi.ROLE_FRAME, "Длина партии")
    if lengths is None:
        fail("no group «Длина партии»")
    choices = [lengths.getChildAtIndex(i) for i in range(lengths.childCount)]
    checked = [c.name for c in choices if c.getState().contains(pyatspi.STATE_CHECKED)]
    print("match lengths:", [c.name for c in choices], "checked:", checked)
    if len(choices) != 6 or not all(c.name.endswith("картинки)") for c in choices):
        fail("the match lengths are not six named choices")
    if checked != ["Играть до: 12 (бонус 6/9 картинки)"]:
        fail("the chosen match length is not the one checked")
    print("start screen: ok")


def main():
    app = find_app(sys.argv[1])
    if app is None:
        fail("the application is not on the accessibility bus")
    print("application:", app.name)
    if sys.argv[2:] == ["start"]:
        check_start_screen(app)
        return
    hand = None
    end = time.time() + 20
    while time.time() < end:
        hand = find(app, pyatspi.ROLE_LIST, "Ваши карты")
        if hand is not None and hand.childCount == 5:
            break
        time.sleep(0.3)
    if hand is None:
        fail("no list «Ваши карты»")
    names = [hand.getChildAtIndex(i).name for i in range(hand.childCount)]
    print("hand:", names)
    if len(names) != 5 or not all(CARD.match(n) for n in names):
        fail("the hand is not five named cards")
    hint = find(app, pyatspi.ROLE_STATUS_BAR)
    if hint is None or not hint.name:
        fail("no hint line")
    print("hint:", hint.name)
    if hint.name != "Ваш ход: выберите карты одной масти и нажмите «Пойти»" and hint.name != "Соперник думает…":
        fail("the hint line reads something else")
    play = find(app, pyatspi.ROLE_PUSH_BUTTON, "Пойти")
    print("button:", play.name if play else None)
    if hint.name.startswith("Ваш ход") and play is not None:
        # «Пойти» with nothing selected is refused, and the hint line says why.
        play.queryAction().doAction(0)
        end = time.time() + 10
        while time.time() < end and hint.name != "Сначала выберите карты хода":
            time.sleep(0.2)
        print("hint after the refusal:", hint.name)
        if hint.name != "Сначала выберите карты хода":
            fail("the refusal's reason is not on the hint line")
    if hint.name.startswith("Ваш ход") or hint.name == "Сначала выберите карты хода":
        # The press action is the left click: the first card is selected.
        card = hand.getChildAtIndex(0)
        action = card.queryAction()
        print("actions:", [action.getName(i) for i in range(action.nActions)])
        action.doAction(0)
        end = time.time() + 10
        while time.time() < end and not card.getState().contains(pyatspi.STATE_SELECTED):
            time.sleep(0.2)
        if not card.getState().contains(pyatspi.STATE_SELECTED):
            fail("pressing the first card did not select it")
        print("selected:", card.name)
    print("screen reader client: ok")


main()

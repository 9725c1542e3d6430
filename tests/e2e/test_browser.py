# The browser build in Debian's headless Chromium, served from a local port and driven through
# WebDriver as a person at a keyboard: the window, Copy, Print, Calculator, the link, the language,
# and the page opening again with the network gone.
import os
import socket
import subprocess as sp
import tempfile

import pytest
from conftest import expected, file_holds
from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

WEB = os.environ.get("ROTORIX_WEB", "")
# 70/10/10/8/2, the additive not oil, from the page selector as the desktop tests set it.
MIX = "\t\t\t" + Keys.PAGE_UP + "\t" + Keys.PAGE_UP + "\t" + Keys.UP * 8 + "\t" + Keys.UP * 2
MIX += "\t\t \t" + Keys.PAGE_UP * 7
FLAGS = (
    "headless=new no-sandbox disable-gpu disable-quic no-first-run disable-background-networking"
)
FLAGS += " disable-component-update disable-sync window-size=500,700"


@pytest.fixture(scope="module")
def server():
    if not os.path.exists(f"{WEB}/index.html"):
        pytest.skip("no browser build: scripts/web makes it")
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        port = s.getsockname()[1]
    server = sp.Popen(
        ["/usr/bin/python3", "-m", "http.server", "-b", "127.0.0.1", "-d", WEB, str(port)]
    )
    yield server, f"http://127.0.0.1:{port}/"
    server.kill()


@pytest.fixture
def browser(server, tmp_path):
    started = []

    def start(language="en-GB"):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in f"{FLAGS} user-data-dir={tempfile.mkdtemp(dir=tmp_path)}".split():
            options.add_argument("--" + flag)
        options.add_experimental_option("prefs", {"intl.accept_languages": language})
        page = webdriver.Chrome(options=options)
        started.append(page)
        page.execute_cdp_cmd(
            "Browser.grantPermissions",
            {"origin": server[1], "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]},
        )
        page.execute_cdp_cmd(
            "Browser.setDownloadBehavior", {"behavior": "allow", "downloadPath": str(tmp_path)}
        )
        load(page, server[1])
        return page

    yield start
    for page in started:
        page.quit()


def load(page, address):
    page.get(address)
    until(page, "document.getElementById('screen').style.display == 'block'")
    click(page, 300, 474)  # on the window's bare surface, below the buttons: the keyboard is its


def until(page, script, deadline=60):
    return WebDriverWait(page, deadline, 0.2).until(
        lambda page: page.execute_script("return " + script)
    )


# A click at a point of the window, which stands in the page's middle.
def click(page, x, y):
    screen = page.find_element(By.ID, "screen")
    ActionChains(page).move_to_element_with_offset(screen, x - 157, y - 239).click().perform()


def keys(page, *keys, alt=None):
    chain = ActionChains(page).send_keys(*keys)
    (chain.key_down(Keys.ALT).send_keys(alt).key_up(Keys.ALT) if alt else chain).perform()


def clipboard(page):
    script = "navigator.clipboard.readText().then(arguments[0], () => arguments[0](''))"
    return page.execute_async_script(script)


def test_window_copy_and_link(browser):
    page = browser()
    assert page.title == f"Rotorix (v{os.environ['ROTORIX_VERSION']})"
    size = "[document.getElementById('screen').clientWidth, document.getElementById('screen').clientHeight]"
    assert page.execute_script("return " + size) == [314, 479]
    keys(page, MIX, alt="o")
    WebDriverWait(page, 30).until(lambda page: clipboard(page) == expected("glow-report.txt"))
    page.save_screenshot(f"{os.environ['ROTORIX_SHOTS']}/browser.png")
    page.execute_script("window.opened = []; window.open = (...at) => window.opened.push(at)")
    click(page, 60, 456)  # the credit link opens the site in a new tab
    assert until(page, "window.opened[0]") == ["https://www.quillfen.com/", "_blank"]


# Headless, the browser's print dialog stays open for good: the page takes no more input after it.
def test_print(browser, tmp_path):
    premix, page = expected("premix-report.txt"), browser()
    page.execute_script(
        "addEventListener('beforeprint', () => window.printed ="
        " document.getElementById('rotorix-print').textContent)"
    )
    keys(page, Keys.DOWN, alt="p")
    assert until(page, "window.printed") == (premix + "\r\n").replace("\r\n", "\n")
    page = browser()  # with no print dialog, the file for the user to print
    page.execute_script("window.print = undefined")
    keys(page, Keys.DOWN, alt="p")
    file_holds(tmp_path / "prlog.txt", premix + "\r\n")
    page.execute_script("URL.createObjectURL = undefined")  # and with neither, the message
    keys(page, alt="p")
    text = "Cant Print \nSave As Text and print it from your Text (*.txt) Editor"
    until(page, f"document.getElementById('alert').textContent == {text!r}")


def test_calculator_and_language(browser):
    page = browser("de-DE")  # a page can start no program
    keys(page, alt="a")
    until(page, "document.getElementById('alert').textContent == 'Cant open Windows Calculator'")
    keys(page, Keys.ENTER)
    click(page, 300, 474)  # the window has the keyboard again
    keys(page, MIX, alt="o")
    WebDriverWait(page, 30).until(lambda page: "= 7,00 Litre or 7.000 CC\r\n" in clipboard(page))
    page = browser("en-US")
    keys(page, MIX, alt="o")
    WebDriverWait(page, 30).until(lambda page: "10 US Gallons\r\n" in clipboard(page))


def test_opens_again_offline(browser, server):
    page = browser()
    until(page, "navigator.serviceWorker.controller != null")
    page.execute_cdp_cmd("Network.enable", {})
    page.execute_cdp_cmd(
        "Network.emulateNetworkConditions",
        {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1},
    )
    load(page, server[1])

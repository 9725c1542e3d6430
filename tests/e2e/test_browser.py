# The browser build in Debian's headless Chromium, served from a local port and driven through
# WebDriver as a person at a keyboard: the window, Copy, Print, Calculator, the link, the language,
# and the page opening again with the network gone.
import subprocess as sp

import pytest
from conftest import BUILD, CANT_PRINT, GLOW, SITE, SOURCE, VERSION, wait_for
from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

# The folder scripts/web makes.
WEB = SOURCE / "build/wasm/web"
# 70/10/10/8/2, the additive not oil, from the page selector as the desktop tests set it.
MIX = f"\t\t\t{Keys.PAGE_UP}\t{Keys.PAGE_UP}\t{Keys.UP * 8}\t{Keys.UP * 2}\t\t \t{Keys.PAGE_UP * 7}"


@pytest.fixture
def server():
    if not WEB.exists():
        pytest.skip("no browser build: scripts/web makes it")
    serve = ["python3", "-u", "-m", "http.server", "-b", "127.0.0.1", "-d", WEB, "0"]
    server = sp.Popen(serve, stdout=sp.PIPE, text=True)
    # "Serving HTTP on 127.0.0.1 port PORT (http://127.0.0.1:PORT/) ...", once it listens.
    yield server, server.stdout.readline().split()[6].strip("()")
    server.kill()


# Opens the page in a browser of the language given, with the clipboard allowed.
@pytest.fixture
def browser(server, request):
    def start(language="en-GB"):
        options = webdriver.ChromeOptions()
        for flag in ("--headless=new", "--no-sandbox", "--window-size=500,700"):
            options.add_argument(flag)
        options.add_experimental_option("prefs", {"intl.accept_languages": language})
        page = webdriver.Chrome(options=options)
        request.addfinalizer(page.quit)
        allowed = {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]}
        page.execute_cdp_cmd("Browser.grantPermissions", allowed)
        load(page, server[1])
        return page

    return start


def load(page, address):
    page.get(address)
    until(page, "document.getElementById('screen').style.display == 'block'")
    # On the window's bare surface, below the buttons: the keyboard is its.
    click(page, 300, 474)


def until(page, script):
    return wait_for(lambda: page.execute_script("return " + script), lambda: script, 60)


# A click at a point of the window, which stands in the page's middle.
def click(page, x, y):
    screen = page.find_element("id", "screen")
    ActionChains(page).move_to_element_with_offset(screen, x - 157, y - 239).click().perform()


# Keys, then an access key with Alt held.
def keys(page, *keys, alt):
    page.switch_to.active_element.send_keys(*keys, Keys.ALT, alt)


# What Copy put on the clipboard, once it is there.
def copied(page):
    return wait_for(lambda: page.execute_script("return navigator.clipboard.readText()"))


# Opened once, the page opens again with the network gone. Headless, the browser's print dialog
# stays open for good: it comes last.
def test_offline_window_copy_link_and_print(browser, server):
    page = browser()
    until(page, "navigator.serviceWorker.controller != null")
    # With the browser's own cache emptied, only the service worker can give the page.
    page.execute_cdp_cmd("Network.clearBrowserCache", {})
    server[0].kill()
    server[0].wait()
    load(page, server[1])
    assert page.title == f"Rotorix (v{VERSION})"
    assert page.find_element("id", "screen").size == {"width": 314, "height": 479}
    keys(page, MIX, alt="o")
    assert copied(page) == GLOW
    page.save_screenshot(f"{BUILD}/screenshots/browser.png")
    page.execute_script("open = (...to) => window.opened = to")
    click(page, 60, 456)
    assert until(page, "window.opened") == [SITE, "_blank"]
    sheet = "document.getElementById('rotorix-print').textContent"
    page.execute_script(f"onbeforeprint = () => window.printed = {sheet}")
    keys(page, alt="p")
    assert until(page, "window.printed") == GLOW.replace("\r\n", "\n") + "\n"


# A German browser gives decimal commas, an American one US gallons. A page can start no program;
# with neither a print dialog nor a download, Print can only say so.
def test_languages_and_messages(browser):
    page = browser("de-DE")
    keys(page, MIX, alt="o")
    assert "= 7,00 Litre or 7.000 CC\r\n" in copied(page)
    keys(page, alt="a")
    until(page, "document.getElementById('alert').textContent == 'Cant open Windows Calculator'")
    page = browser("en-US")
    keys(page, MIX, alt="o")
    assert "10 US Gallons\r\n" in copied(page)
    page.execute_script("window.print = URL.createObjectURL = undefined")
    keys(page, alt="p")
    until(page, f"document.getElementById('alert').textContent == {CANT_PRINT!r}")

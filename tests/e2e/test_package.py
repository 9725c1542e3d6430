# The Debian package: clean by Debian's own checks, installed, started, and removed without a trace.
import os
from pathlib import Path

import pytest
from conftest import run

BUILD = os.environ.get("ROTORIX_BUILD", "")


def test_package_installs_starts_and_goes(app, tmp):
    installed = lambda: run("dpkg", "-s", "rotorix", check=False)
    if installed():
        pytest.skip("a rotorix package is installed here already")
    run("cpack", "--config", f"{BUILD}/CPackConfig.cmake", "-B", tmp)
    deb = next(tmp.glob("rotorix_*.deb"))
    run("lintian", "--fail-on", "error,warning", deb)
    entry = Path(__file__).parents[2] / "packaging/com.quillfen.rotorix.desktop"
    said = run("desktop-file-validate", entry)
    metainfo = f"{BUILD}/com.quillfen.rotorix.metainfo.xml"
    said += run("appstreamcli", "validate", "--no-net", metainfo)
    assert not any(word in said for word in ("error:", "warning:", "hint:", "I: ")), said
    assert "fonts-liberation2" in run("dpkg-deb", "-f", deb, "Depends")
    try:
        env = {**os.environ, "DEBIAN_FRONTEND": "noninteractive"}
        run("apt-get", "install", "-y", "-o", "DPkg::Lock::Timeout=300", deb, env=env)
        app("/usr/bin/rotorix").end()
    finally:
        run("dpkg", "--purge", "rotorix")
    assert not installed()

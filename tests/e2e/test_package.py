# The Debian package: clean by Debian's own checks, installed, started, and removed without a trace.
import os

import pytest
from conftest import BUILD, run


def test_install_start_and_purge(app, tmp):
    installed = lambda: run("dpkg", "-s", "rotorix", check=False)
    if installed():
        pytest.skip("a rotorix package is installed here already")
    run("cpack", "--config", f"{BUILD}/CPackConfig.cmake", "-B", tmp)
    deb = next(tmp.glob("rotorix_*.deb"))
    run("lintian", "--fail-on", "error,warning", deb)
    assert "fonts-liberation2" in run("dpkg-deb", "-f", deb, "Depends")
    # The desktop entry and the metadata as the package has them.
    run("dpkg-deb", "-x", deb, tmp)
    said = run("desktop-file-validate", *tmp.glob("usr/share/applications/*"))
    said += run("appstreamcli", "validate", "--no-net", *tmp.glob("usr/share/metainfo/*"))
    assert not any(word in said for word in ("error:", "warning:", "hint:", "I: ")), said
    try:
        env = {**os.environ, "DEBIAN_FRONTEND": "noninteractive"}
        run("apt-get", "install", "-y", "-o", "DPkg::Lock::Timeout=300", deb, env=env)
        app("/usr/bin/rotorix").end()
    finally:
        run("dpkg", "--purge", "rotorix")
    assert not installed()

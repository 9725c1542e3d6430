# The Debian package: its desktop entry and metadata valid, installed, started, and removed without a trace.
import os
import subprocess as sp

import pytest
from conftest import root_only, run

BUILD, SOURCE = os.environ.get("ROTORIX_BUILD", ""), os.environ.get("ROTORIX_SOURCE", "")


def test_desktop_entry_and_metadata_are_valid():
    for said in (
        run("desktop-file-validate", f"{SOURCE}/packaging/com.quillfen.rotorix.desktop"),
        run("appstreamcli", "validate", "--no-net", f"{BUILD}/com.quillfen.rotorix.metainfo.xml"),
    ):
        assert not any(word in said for word in ("error:", "warning:", "hint:", "I: ")), said


def test_package_installs_starts_and_goes(app, tmp):
    root_only()
    if not sp.run(["dpkg", "-s", "rotorix"], capture_output=True).returncode:
        pytest.skip("a rotorix package is installed here already")
    run("cpack", "--config", f"{BUILD}/CPackConfig.cmake", "-B", tmp)
    deb = next(tmp.glob("rotorix_*.deb"))
    assert "fonts-liberation2" in run("dpkg-deb", "-f", deb, "Depends")
    try:
        run(
            "apt-get",
            "install",
            "-y",
            "-o",
            "DPkg::Lock::Timeout=300",
            deb,
            env={**os.environ, "DEBIAN_FRONTEND": "noninteractive"},
        )
        assert {
            "/usr/bin/rotorix",
            "/usr/share/applications/com.quillfen.rotorix.desktop",
            "/usr/share/metainfo/com.quillfen.rotorix.metainfo.xml",
        } <= set(run("dpkg", "-L", "rotorix").split())
        app("/usr/bin/rotorix").end()
    finally:
        run("dpkg", "--purge", "rotorix")
    assert sp.run(["dpkg", "-s", "rotorix"], capture_output=True).returncode

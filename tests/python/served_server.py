"""The hosts and a served server with login, rights and HTTPS: `simplelinks serve` with a
certificate authority of the test's own (made with the openssl tool), a user made with
`simplelinks user add`, and a profile whose connection file names the server, its authority and a
token file. The Python host logs in and loads a pane, the command-line host logs in and shows one,
a change without its right and a server the connection does not trust are refused, each saying
why. A program of its own (its own profile and environment): `python3 -m unittest served_server`."""
import os
import pathlib
import shutil
import stat
import subprocess
import tempfile
import time
import unittest

SOURCE = pathlib.Path(os.environ.get("NOX_SOURCE_DIR", pathlib.Path(__file__).parents[2]))
PASSWORD = "jdoe's long password"

_home = pathlib.Path(tempfile.mkdtemp(prefix="nox-served-server-"))
os.environ["APPDATA"] = str(_home / "AppData")
os.environ["ALLUSERSPROFILE"] = str(SOURCE / "data" / "allusers")
os.environ.pop("NOX_SERVER_URL", None)
# The user's profile, as the first run makes it, so that its connection file can be written first.
shutil.copytree(SOURCE / "data/allusers/AppData/VARDEN", _home / "AppData/VARDEN")
CONNECTIONS = _home / "AppData/VARDEN/connections"

import noxsimplelinks as nox  # noqa: E402  (the profile must be chosen first)

PROGRAM = pathlib.Path(nox.__file__).resolve().parents[1] / "bin" / "simplelinks"


def openssl(*arguments):
    subprocess.run(["openssl", *arguments], cwd=_home, check=True, capture_output=True)


def make_certificates():
    """A certificate authority, a server certificate it signs for 127.0.0.1, and another authority."""
    new_key = ["-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"]
    for ca in ("ca", "other-ca"):
        openssl("req", "-x509", *new_key, "-keyout", f"{ca}.key", "-out", f"{ca}.pem", "-days", "2", "-subj", f"/CN=Test {ca}")
    (_home / "server.ext").write_text("subjectAltName=DNS:localhost,IP:127.0.0.1\n")
    openssl("req", *new_key, "-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=localhost")
    openssl("x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key", "-CAcreateserial",
            "-out", "server.pem", "-days", "2", "-extfile", "server.ext")


def write_connection(url, ca_file):
    (CONNECTIONS / "noxconn.xml").write_text(
        f'<CONNECTIONS DEFAULT="site"><CONNECTION NAME="site" URL="{url}" USER="jdoe" '
        f'CA_FILE="{ca_file}" TOKEN_FILE="sessions/site.token"/></CONNECTIONS>')


def host(*arguments, password=""):
    """The command-line host with the test's profile; its output, both streams."""
    done = subprocess.run([str(PROGRAM), *arguments], input=password, capture_output=True, text=True, env=os.environ)
    return done.returncode, done.stdout + done.stderr


class ServedServer(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        make_certificates()
        db = str(_home / "plm.db")
        status, output = host("user", "add", "jdoe", "--type", "DESIGNER", "--db", db, password=PASSWORD + "\n")
        assert status == 0, output
        cls.server = subprocess.Popen(
            [str(PROGRAM), "serve", "--db", db, "--port", "0", "--tls-cert", str(_home / "server.pem"),
             "--tls-key", str(_home / "server.key")], stdout=subprocess.PIPE, text=True)
        cls.addClassCleanup(shutil.rmtree, _home, True)
        cls.addClassCleanup(cls.server.__exit__, None, None, None)
        cls.addClassCleanup(cls.server.terminate)
        cls.url = cls.server.stdout.readline().strip()
        assert cls.url.startswith("https://"), cls.url

    def setUp(self):
        write_connection(self.url, "../../../ca.pem")

    def test_the_python_host_logs_in_and_loads_a_pane(self):
        until = nox.CreateObject("noxcomm2.Icomm").Login(PASSWORD)
        self.assertRegex(until, r"^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ$")
        token = CONNECTIONS / "sessions/site.token"
        self.assertEqual(stat.S_IMODE(token.stat().st_mode), 0o600)

        site = nox.CreateObject("Platform.ControlSite")
        site.Comm = nox.CreateObject("noxrequestpars.XMLRequestPars")  # not opened: the connection file's server
        control = nox.CreateObject("noxsimplelinks.ctlSimpleLinks")
        control.Container = site
        control.ParentType = "DOC"
        control.ParentKeys = ["DOC.DOC_ID", "DOC.REVISION"]
        control.ParentValues = ["D100", "B"]
        panes = nox.CreateObject("noxsimplelinks.clsXmlWrapper")
        panes.loadXmlFile(str(SOURCE / "data/allusers/AppData/VARDEN/config/settings/panes.xml"), "")
        control.Init(panes.selectNode("/PANES/FILES"))
        self.addCleanup(control.CloseMe)
        control.Refresh()
        grid = site.Control("fg_FILES_FILE")
        column = grid.ColIndex("FILE.FILE_ID")
        self.assertEqual(sorted(grid.TextMatrix(row, column) for row in range(grid.FixedRows, grid.Rows)),
                         ["F1001", "F1002", "F1004"])

    def test_a_change_without_its_right_is_refused_with_the_reason(self):
        comm = nox.CreateObject("noxcomm2.Icomm")
        comm.Login(PASSWORD)
        task = "".join(f"<EO_USER_TASK.{key}>{value}</EO_USER_TASK.{key}>"
                       for key, value in (("EO_ID", "EO-1001"), ("ROUTE_ID", "R1"), ("STEP_ID", "10")))
        comm.Send("<Request><Method><Name>StepObjectResponse</Name><OBJECTS>"
                  f"<IN_OBJECT ID=\"EO_USER_TASK\">{task}</IN_OBJECT><IN_OBJECT1 ID=\"ITEM\"><ITEM.ITEM_KEY>A100</ITEM.ITEM_KEY>"
                  "<ITEM.REVISION>B</ITEM.REVISION></IN_OBJECT1></OBJECTS><PARAMS><RESPONSE>APPROVE</RESPONSE></PARAMS>"
                  "</Method></Request>")
        self.assertEqual(comm.Response.ResultCode, "ERROR")
        self.assertEqual(comm.Response.Messages[1].Description,
                         "The user jdoe (DESIGNER) has no right to APPROVE on ITEM A100/B in the status RELEASED")

    def test_the_command_line_host_logs_in_and_shows_a_pane(self):
        status, output = host("login", password=PASSWORD + "\n")
        self.assertEqual(status, 0, output)
        self.assertIn(f"logged in as jdoe at {self.url} until ", output)
        status, output = host("show", "FILES", "--parent", "DOC", "DOC_ID=D100", "REVISION=B")
        self.assertEqual(status, 0, output)
        self.assertIn("F1004", output)
        status, output = host("login", password="wrong password\n")
        self.assertEqual((status, output.strip()), (1, "simplelinks: Unknown user or wrong password"))

    def test_a_server_the_connection_does_not_trust_is_a_clear_communication_error(self):
        write_connection(self.url, "../../../other-ca.pem")
        wrapper = nox.CreateObject("noxsimplelinks.clsCommWrapper2")  # sends with the connection file's settings
        answer, code, _ = wrapper.SendRequest("<Request/>", "", "", "")
        self.assertEqual((answer, code), ("", "Failed"))
        error = wrapper.LastCommError
        self.assertEqual(error.Number & 0xFFFFFFFF, 0x80040408)
        self.assertEqual(error.Description, f"The server at {self.url} is not trusted: its certificate is not signed by the "
                         f"certificate authority of {CONNECTIONS / '../../../other-ca.pem'}, or not made out to that host")


if __name__ == "__main__":
    unittest.main()

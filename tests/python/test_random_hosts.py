"""Python hosts that lack members: a host object with a random part of the host's members (the
others missing, answering Nothing or a text where an object belongs, or raising), with or without a
communication object, drives Init, Refresh, every tool of every sample pane, a paste and CloseMe. Whatever
is missing is reported as an automation error or a message; the process never crashes. Seeded and
repeatable: NOX_RANDOM_HOST_SEED chooses another seed."""
import atexit
import os
import pathlib
import random
import shutil
import subprocess
import tempfile
import time
import unittest
import xml.etree.ElementTree as ElementTree

SOURCE = pathlib.Path(os.environ.get("NOX_SOURCE_DIR", pathlib.Path(__file__).parents[2]))
SETTINGS = SOURCE / "data/allusers/AppData/VARDEN/config/settings"

_home = tempfile.mkdtemp(prefix="nox-random-hosts-")
atexit.register(shutil.rmtree, _home, True)
os.environ["APPDATA"] = os.path.join(_home, "AppData")
os.environ["ALLUSERSPROFILE"] = str(SOURCE / "data" / "allusers")

import noxsimplelinks as nox  # noqa: E402  (the profile must be chosen first)

HOST_MEMBERS = ["UserName", "UserType", "projectID", "ItemDocLinkWizard", "Auth", "objRequest", "objObj_Def",
                "objSharedRes", "EditedFiles", "WorkDirForedit", "AddWorkspace", "Workspaces"]
TOOLS = [tool.get("ID") for tool in ElementTree.parse(SETTINGS / "simplelinks_toolbars.xml").iter("TOOL")]


def sample_panes():
    """Each pane's name with its example parent: type, key names, key values."""
    panes = []
    for section in ElementTree.parse(SETTINGS / "panes.xml").getroot():
        example = section.find("EXAMPLE")
        pairs = [pair.split("=", 1) for pair in example.get("KEYS").split()]
        parent = example.get("PARENT")
        panes.append((section.tag, parent, [f"{parent}.{key}" for key, _ in pairs], [value for _, value in pairs]))
    return panes


def partial_host(rng, real):
    """A host object whose members each reach the real host services, are missing, answer Nothing or
    a text, or raise."""
    members = {}
    for name in HOST_MEMBERS:
        roll = rng.randrange(10)
        if roll < 5:
            members[name] = property(lambda self, name=name: getattr(real, name))
        elif roll == 7:
            members[name] = nox.Nothing
        elif roll == 8:
            members[name] = "not what was asked for"
        elif roll == 9:
            members[name] = property(lambda self: 1 / 0)
    return type("PartialHost", (), members)()


class RandomHosts(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        program = pathlib.Path(nox.__file__).resolve().parents[1] / "bin" / "simplelinks"
        cls.server = subprocess.Popen(
            [str(program), "serve", "--db", os.path.join(_home, "plm.db"), "--port", "0", "--no-auth"],
            stdout=subprocess.PIPE, text=True)
        cls.url = cls.server.stdout.readline().strip()
        os.environ["NOX_SERVER_URL"] = cls.url
        cls.addClassCleanup(cls.server.__exit__, None, None, None)
        cls.addClassCleanup(cls.server.terminate)

    def drive(self, rng, pane, parent, keys, values):
        site = nox.CreateObject("Platform.ControlSite")
        synchronous = rng.randrange(2)
        if synchronous:
            comm = nox.CreateObject("noxrequestpars.XMLRequestPars")
            comm.Open(self.url, 0, "")
            site.Comm = comm
        if rng.randrange(4):
            site.Host = partial_host(rng, nox.CreateObject("noxhostservices.clshostservices"))
        control = nox.CreateObject("noxsimplelinks.ctlSimpleLinks")
        control.Container = site
        control.ParentType, control.ParentKeys, control.ParentValues = parent, keys, values
        panes = nox.CreateObject("noxsimplelinks.clsXmlWrapper")
        panes.loadXmlFile(str(SETTINGS / "panes.xml"), "")
        control.Init(panes.selectNode("/PANES/" + pane))
        control.Refresh()
        if not synchronous:  # the control's own wrapper loads without waiting: its answer is pumped
            deadline = time.monotonic() + 1  # a load the control refused sends nothing
            while nox.Pump() == 0 and time.monotonic() < deadline:
                time.sleep(0.005)
        for tool in TOOLS:
            try:
                control.ButtonOperation(tool)
            except nox.AutomationError:
                pass  # a command may refuse; it never crashes
            nox.Pump()
        try:
            control.PasteLinks()  # no tool of its own: a host calls it after a pick or a copy
        except nox.AutomationError:
            pass
        nox.Pump()
        control.CloseMe()

    def test_every_pane_under_hosts_that_lack_members(self):
        seed = int(os.environ.get("NOX_RANDOM_HOST_SEED", "20240701"))
        rng = random.Random(seed)
        for pane, parent, keys, values in sample_panes():
            with self.subTest(pane=pane, seed=seed):
                self.drive(rng, pane, parent, keys, values)


if __name__ == "__main__":
    unittest.main()

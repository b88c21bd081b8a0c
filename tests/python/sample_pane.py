"""A pane of the sample panes file as a Python host places it: in a site whose communication object
loads synchronously from a served reference server, initialised, its parent given, refreshed; and the
same pane shown by `simplelinks show` against the embedded sample."""
import os
import pathlib
import subprocess

SOURCE = pathlib.Path(os.environ.get("NOX_SOURCE_DIR", pathlib.Path(__file__).parents[2]))


def open_pane(nox, test, url, name, grid_name, parent_type, keys, values):
    """The pane and its grid; the test's cleanups close the pane."""
    comm = nox.CreateObject("noxrequestpars.XMLRequestPars")
    test.assertTrue(comm.Open(url, 0, ""))
    site = nox.CreateObject("Platform.ControlSite")
    site.Comm = comm
    pane = nox.CreateObject("noxsimplelinks.ctlSimpleLinks")
    pane.Container = site
    pane.ParentType = parent_type
    pane.ParentKeys = keys
    pane.ParentValues = values
    panes = nox.CreateObject("noxsimplelinks.clsXmlWrapper")
    loaded, error = panes.loadXmlFile(str(SOURCE / "data/allusers/AppData/VARDEN/config/settings/panes.xml"), "")
    test.assertTrue(loaded, error)
    pane.Init(panes.selectNode("/PANES/" + name))
    test.addCleanup(pane.CloseMe)
    pane.Refresh()
    return pane, site.Control(grid_name)


def show(test, program, home, *arguments):
    """What `simplelinks show` printed after "What happened:", its embedded store in `home`."""
    env = dict(os.environ, NOX_SERVER_DB=os.path.join(home, "cli.db"))
    env.pop("NOX_SERVER_URL", None)
    done = subprocess.run([str(program), "show", *arguments], capture_output=True, text=True, env=env)
    test.assertEqual(done.returncode, 0, done.stderr)
    return done.stdout[done.stdout.index("What happened:"):]

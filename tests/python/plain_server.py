"""The reference server the Python hosts' tests talk to: `simplelinks serve` without login on a free
loopback port, over a store in the test's own profile, stopped when the test class ends."""
import os
import subprocess


def serve_for(test_class, program, home, user=None):
    """Starts the server for `test_class` and answers its URL; the class's cleanups stop it. A request
    that names no user is `user`'s (anonymous when None)."""
    server = subprocess.Popen(
        [str(program), "serve", "--db", os.path.join(home, "plm.db"), "--port", "0", "--no-auth"]
        + (["--user", user] if user else []),
        stdout=subprocess.PIPE, text=True)
    test_class.addClassCleanup(server.__exit__, None, None, None)  # waits for it and closes its output
    test_class.addClassCleanup(server.terminate)
    return server.stdout.readline().strip()

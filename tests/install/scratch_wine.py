"""A scratch Wine prefix of the install test's own: made fresh, driven, and stopped.

Nothing reaches the user's or the test run's prefix, nor the host's menus and file types
(Wine's menu builder would mirror the setup's shortcut and association onto the desktop).
"""
import os
import re
import shutil
import subprocess
import tempfile
import time

# Seconds that ending the prefix's processes may take.
STOP_TIMEOUT = 30


class WineError(Exception):
    pass


class ScratchWine:
    def __init__(self, prefix):
        self.prefix = os.path.abspath(prefix)
        self.env = dict(os.environ,
                        WINEPREFIX=self.prefix, WINEDEBUG='-all', WINEARCH='win64',
                        WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d')

    def create(self):
        """A fresh prefix whose windows are unmanaged, as in the test run's own prefix."""
        self.stop()
        shutil.rmtree(self.prefix, ignore_errors=True)
        os.makedirs(os.path.dirname(self.prefix), exist_ok=True)
        self.run(['wineboot', '-i'], timeout=120)
        self.run(['wine', 'reg', 'add', r'HKCU\Software\Wine\X11 Driver',
                  '/v', 'Managed', '/d', 'N', '/f'])

    def remove(self):
        self.stop()
        shutil.rmtree(self.prefix, ignore_errors=True)

    def stop(self):
        """Ends every process of the prefix and its server."""
        if os.path.isdir(self.prefix):
            subprocess.run(['wineserver', '-k'], env=self.env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=STOP_TIMEOUT)

    def wait_until_idle(self, timeout=60):
        """Waits until the prefix's server ends, that is until its last program has."""
        self.run(['wineserver', '-w'], timeout=timeout)

    def run(self, command, timeout=60):
        """Runs a command in the prefix; answers its exit code and output."""
        # Files, not pipes: the server and helper processes that the first command starts
        # inherit the handles and would keep a pipe open long after the command ends.
        with tempfile.TemporaryFile() as out:
            try:
                code = subprocess.run(command, env=self.env, stdout=out, stderr=subprocess.STDOUT,
                                      stdin=subprocess.DEVNULL, timeout=timeout).returncode
            except subprocess.TimeoutExpired:
                raise WineError(f'{" ".join(command)} did not end within {timeout} s')
            out.seek(0)
            return code, out.read().decode('utf-8', 'replace').replace('\r', '')

    def start(self, command):
        """Starts a program without waiting for it."""
        return subprocess.Popen(command, env=self.env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def environment_variable(self, name):
        code, out = self.run(['wine', 'cmd', '/c', f'echo %{name}%'])
        value = out.strip()
        if code != 0 or not value or value == f'%{name}%':
            raise WineError(f'%{name}% is not set in the prefix: {out!r}')
        return value

    def unix_path(self, windows_path):
        """The host path of a path on drive C: of the prefix."""
        match = re.match(r'(?i)C:\\(.*)$', windows_path)
        if not match:
            raise WineError(f'not a path on drive C: {windows_path}')
        return os.path.join(self.prefix, 'drive_c', *match.group(1).split('\\'))

    def reg_values(self, key):
        """The values of a registry key as {name: data} ('' for the default value), or
        None when the key does not exist."""
        code, out = self.run(['wine', 'reg', 'query', key])
        if code != 0:
            return None
        values = {}
        for line in out.splitlines():
            match = re.match(r'^    (.*?)    (REG_\w+)    ?(.*)$', line)
            if match:
                name, kind, data = match.groups()
                if kind == 'REG_DWORD':
                    data = int(data, 16)
                values['' if name == '(Default)' else name] = data
        return values

    def set_default_value(self, key, data):
        code, out = self.run(['wine', 'reg', 'add', key, '/ve', '/d', data, '/f'])
        if code != 0:
            raise WineError(f'reg add {key} failed: {out}')


def wait_for(predicate, timeout, interval=0.2):
    """Polls until the predicate answers something true; answers that, or None."""
    deadline = time.monotonic() + timeout
    while True:
        result = predicate()
        if result or time.monotonic() > deadline:
            return result
        time.sleep(interval)

#!/usr/bin/env python3
"""The setup program, installed and uninstalled the way a user does it.

In a fresh scratch Wine prefix, on the test run's display:
1. a silent install puts the program, its library, help and samples into the user's own
   programs folder, with the Output, Output\\images and Temp folders, a Start menu entry,
   the template association and an uninstall entry;
2. the association's open command starts the installed program on a sample, which opens in
   a window titled with it; while it runs the uninstaller refuses and removes nothing; closed,
   the program has written its settings beside itself;
3. a reinstall keeps the user's files in Output and the settings;
4. a silent uninstall started as Windows starts it removes everything but the user's Output;
5. with Output empty, nothing of the program is left, and .atp, taken over by another
   program meanwhile, stays with that program.

Usage: install_test.py --setup Ornamo-<version>-setup.exe --version <version>
                       --program-dir build/program --work-dir <scratch folder>
"""
import argparse
import os
import re
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True  # no cache files in the source tree
from scratch_wine import ScratchWine, WineError, wait_for  # noqa: E402

CLASSES = r'HKCU\Software\Classes'
EXTENSION_KEY = CLASSES + r'\.atp'
PROG_ID = 'Ornamo.Template'
PROG_ID_KEY = CLASSES + '\\' + PROG_ID
UNINSTALL_KEY = r'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ornamo'
SAMPLE = r'Samples\leaderboard.atp'
USER_FILE = r'Output\mine.atp'
# Made by the setup; the program would make them at its first start too.
FOLDERS = ('Output', r'Output\images', 'Temp')
# Exit code of an NSIS program that its script aborted.
ABORTED = 2
WINDOW_TIMEOUT = 30
EXIT_TIMEOUT = 30


class TestFailure(Exception):
    pass


class Installation:
    """Where the setup puts things in the prefix, as Windows paths and as host paths."""

    def __init__(self, wine):
        self.wine = wine
        self.folder = wine.environment_variable('LOCALAPPDATA') + r'\Programs\Ornamo'
        self.start_menu = (wine.environment_variable('APPDATA') +
                           r'\Microsoft\Windows\Start Menu\Programs\Ornamo')

    def path(self, relative=''):
        return self.folder + ('\\' + relative if relative else '')

    def host(self, relative=''):
        return self.wine.unix_path(self.path(relative))

    def host_start_menu(self, name=''):
        return self.wine.unix_path(self.start_menu + ('\\' + name if name else ''))

    def leftovers(self):
        """Everything left in the install folder, as relative Windows paths."""
        found = set()
        for folder, subfolders, files in os.walk(self.host()):
            relative = os.path.relpath(folder, self.host())
            for name in subfolders + files:
                found.add(os.path.normpath(os.path.join(relative, name)).replace('/', '\\'))
        return found


def shipped_files(program_dir):
    """The files the setup takes from the program folder, as relative Windows paths."""
    files = ['ornamo.exe', 'Pictra.dll']
    if os.path.isfile(os.path.join(program_dir, 'ornamo.chm')):
        files.append('ornamo.chm')
    for folder, extension in (('Samples', '.atp'), (os.path.join('Samples', 'images'), '.jpg')):
        host_folder = os.path.join(program_dir, folder)
        if os.path.isdir(host_folder):
            files += [os.path.join(folder, name).replace('/', '\\')
                      for name in sorted(os.listdir(host_folder))
                      if name.lower().endswith(extension)]
    return files


def read_bytes(path):
    with open(path, 'rb') as f:
        return f.read()


def shortcuts(program_dir):
    names = {'Ornamo.lnk': 'ornamo.exe'}
    if os.path.isfile(os.path.join(program_dir, 'ornamo.chm')):
        names['Ornamo Help.lnk'] = 'ornamo.chm'
    return names


def check_installed(wine, inst, program_dir, version):
    problems = []
    for relative in shipped_files(program_dir):
        host = inst.host(relative)
        if not os.path.isfile(host):
            problems.append(f'{relative} is not installed')
        elif read_bytes(host) != read_bytes(os.path.join(program_dir, *relative.split('\\'))):
            problems.append(f'{relative} differs from the built one')
    for folder in FOLDERS:
        if not os.path.isdir(inst.host(folder)):
            problems.append(f'the folder {folder} is missing')
    if not os.path.isfile(inst.host('uninstall.exe')):
        problems.append('there is no uninstall.exe')

    for name, target in shortcuts(program_dir).items():
        link = inst.host_start_menu(name)
        if not os.path.isfile(link):
            problems.append(f'the Start menu has no {name}')
        elif inst.path(target).lower().encode('ascii') not in read_bytes(link).lower():
            problems.append(f'{name} does not point at {inst.path(target)}')

    exe = inst.path('ornamo.exe')
    expected_keys = {
        EXTENSION_KEY: {'': PROG_ID},
        PROG_ID_KEY: {'': 'Ornamo Template'},
        PROG_ID_KEY + r'\DefaultIcon': {'': exe + ',1'},
        PROG_ID_KEY + r'\shell\open\command': {'': f'"{exe}" "%1"'},
        UNINSTALL_KEY: {
            'DisplayName': 'Ornamo',
            'DisplayVersion': version,
            'DisplayIcon': exe + ',0',
            'InstallLocation': inst.path(),
            'UninstallString': f'"{inst.path("uninstall.exe")}"',
            'QuietUninstallString': f'"{inst.path("uninstall.exe")}" /S',
            'NoModify': 1,
            'NoRepair': 1,
        },
    }
    for key, expected in expected_keys.items():
        values = wine.reg_values(key)
        if values is None:
            problems.append(f'the registry key {key} is missing')
            continue
        for name, data in expected.items():
            if values.get(name) != data:
                problems.append(f'{key} "{name}" is {values.get(name)!r}, expected {data!r}')
    entry = wine.reg_values(UNINSTALL_KEY) or {}
    for name in ('Publisher', 'EstimatedSize'):
        if not entry.get(name):
            problems.append(f'the uninstall entry has no {name}')
    return problems


def check_removed(wine, inst, kept=(), extension=None):
    """Nothing of the installation may be left but the kept paths; .atp is expected to hold
    the given default value, or to be gone when none is given."""
    problems = []
    if kept:
        left = inst.leftovers()
        if left != set(kept):
            problems.append(f'the install folder holds {sorted(left)}, expected {sorted(kept)}')
    elif os.path.exists(inst.host()):
        problems.append(f'the install folder is left with {sorted(inst.leftovers())}')
    if os.path.exists(inst.host_start_menu()):
        problems.append(f'the Start menu folder is left: {os.listdir(inst.host_start_menu())}')
    for key in (PROG_ID_KEY, UNINSTALL_KEY):
        if wine.reg_values(key) is not None:
            problems.append(f'the registry key {key} is left')
    atp = wine.reg_values(EXTENSION_KEY)
    if extension is None and atp is not None:
        problems.append(f'{EXTENSION_KEY} is left: {atp}')
    if extension is not None and (atp or {}).get('') != extension:
        problems.append(f'{EXTENSION_KEY} is {atp}, expected its default value {extension!r}')
    return problems


def install(wine, setup):
    code, out = wine.run(['wine', setup, '/S'])
    if code != 0:
        raise TestFailure(f'the silent install ended with {code}: {out}')


def uninstall(wine):
    """Runs the quiet uninstall command of the uninstall entry, as Windows does."""
    command = (wine.reg_values(UNINSTALL_KEY) or {}).get('QuietUninstallString', '')
    match = re.fullmatch(r'"([^"]+)"\s*(.*)', command)
    if not match:
        raise TestFailure(f'no usable QuietUninstallString: {command!r}')
    code, out = wine.run(['wine', match.group(1)] + match.group(2).split())
    if code != 0:
        raise TestFailure(f'the silent uninstall ended with {code}: {out}')
    # The uninstaller goes on from a copy of itself in the temporary folder: done when the
    # prefix's last program is.
    wine.wait_until_idle()


def window_titled(title):
    """The X window with exactly this title (compared without case, as paths are)."""
    # xdotool takes a pattern: the file name, with any character but letters and digits
    # matching any, finds the candidates.
    pattern = re.sub(r'\W', '.', title.rsplit('\\', 1)[-1])
    found = subprocess.run(['xdotool', 'search', '--name', pattern],
                           capture_output=True, text=True).stdout.split()
    for window in found:
        shown = subprocess.run(['xdotool', 'getwindowname', window],
                               capture_output=True, text=True).stdout.rstrip('\n')
        if shown.lower() == title.lower():
            return window
    return None


def open_sample(wine, inst):
    """Starts the association's open command on the sample, as a double-click does."""
    command = (wine.reg_values(PROG_ID_KEY + r'\shell\open\command') or {}).get('', '')
    argv = re.findall(r'"([^"]*)"', command.replace('%1', inst.path(SAMPLE)))
    if len(argv) != 2:
        raise TestFailure(f'the open command {command!r} is not "program" "%1"')
    program = wine.start(['wine'] + argv)
    title = f'Ornamo - [{inst.path(SAMPLE)}]'
    if not wait_for(lambda: program.poll() is not None or window_titled(title), WINDOW_TIMEOUT):
        raise TestFailure(f'no window titled {title} within {WINDOW_TIMEOUT} s')
    if program.poll() is not None:
        raise TestFailure(f'the program ended ({program.returncode}) before showing {title}')
    return program


def close_program(wine, program):
    # Without /f Wine's taskkill asks the program's windows to close, as logging off does.
    wine.run(['wine', 'taskkill', '/im', 'ornamo.exe'])
    try:
        code = program.wait(timeout=EXIT_TIMEOUT)
    except subprocess.TimeoutExpired:
        raise TestFailure(f'the program did not end within {EXIT_TIMEOUT} s of being closed')
    if code != 0:
        raise TestFailure(f'the program ended with {code}')


def uninstall_refused_while_running(wine, inst, work_dir):
    """Runs the uninstaller in place (from a copy, as it runs itself, but waited for)."""
    copy = os.path.join(work_dir, 'uninstall-copy.exe')
    shutil.copyfile(inst.host('uninstall.exe'), copy)
    code, out = wine.run(['wine', copy, '/S', '_?=' + inst.path()])
    os.remove(copy)
    return [] if code == ABORTED else [
        f'the uninstaller ended with {code} while the program ran, expected {ABORTED}: {out}']


def run(args, wine):
    program_dir = os.path.abspath(args.program_dir)
    if not os.path.isfile(os.path.join(program_dir, *SAMPLE.split('\\'))):
        raise TestFailure(f'{program_dir} has no {SAMPLE}: the samples are not built')

    def stage(name, problems):
        if problems:
            raise TestFailure(name + ':\n  ' + '\n  '.join(problems))
        print(f'install test: {name}: ok', flush=True)

    wine.create()
    inst = Installation(wine)
    install(wine, args.setup)
    stage('install', check_installed(wine, inst, program_dir, args.version))

    program = open_sample(wine, inst)
    try:
        problems = uninstall_refused_while_running(wine, inst, args.work_dir)
        problems += check_installed(wine, inst, program_dir, args.version)
    finally:
        close_program(wine, program)
    if not os.path.isfile(inst.host('ornamo.ini')):
        problems.append('the program wrote no ornamo.ini beside itself')
    stage('the sample opens; no uninstall while the program runs', problems)

    user_file = read_bytes(inst.host(SAMPLE))
    with open(inst.host(USER_FILE), 'wb') as f:
        f.write(user_file)
    install(wine, args.setup)
    problems = check_installed(wine, inst, program_dir, args.version)
    if not os.path.isfile(inst.host(USER_FILE)) or read_bytes(inst.host(USER_FILE)) != user_file:
        problems.append(f'the reinstall did not keep {USER_FILE}')
    if not os.path.isfile(inst.host('ornamo.ini')):
        problems.append('the reinstall did not keep ornamo.ini')
    stage('reinstall', problems)

    uninstall(wine)
    stage('uninstall keeping the user\'s Output', check_removed(wine, inst, kept={'Output', USER_FILE}))

    os.remove(inst.host(USER_FILE))
    install(wine, args.setup)
    wine.set_default_value(EXTENSION_KEY, 'Other.Template')
    uninstall(wine)
    stage('uninstall with an empty Output and .atp taken over',
          check_removed(wine, inst, extension='Other.Template'))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--setup', required=True)
    parser.add_argument('--version', required=True)
    parser.add_argument('--program-dir', required=True)
    parser.add_argument('--work-dir', required=True)
    args = parser.parse_args()
    if not os.environ.get('DISPLAY'):
        print('install test: needs an X display (tools/test.sh gives it one)', file=sys.stderr)
        return 1
    os.makedirs(args.work_dir, exist_ok=True)
    wine = ScratchWine(os.path.join(args.work_dir, 'prefix'))
    try:
        run(args, wine)
    except (TestFailure, WineError) as failure:
        print(f'install test: {failure}\n(the prefix is kept for a look: {wine.prefix})',
              file=sys.stderr)
        return 1
    finally:
        # No program or server of the scratch prefix outlives the test.
        wine.stop()
    wine.remove()
    return 0


if __name__ == '__main__':
    sys.exit(main())

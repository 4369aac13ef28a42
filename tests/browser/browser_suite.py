#!/usr/bin/env python3
"""The page code in a real browser.

Runs the case writer (a Wine program), then renders every case in one headless Chromium,
driven over its DevTools pipe. The case pages of one code form and document mode are laid
out side by side in one grid page of that mode: each case's page body in a box of the
page's colour, as if pasted into its own page. Each grid is measured through the DOM and
captured in one screenshot; the pixel checks (check.js) then run in the same browser.
The program's browser preview pages of a few cases are opened as they are written, and
their sample-ads picture is checked on the placeholder.
One document per grid rather than one frame per case page: frames made the loading
several times slower.

Usage: browser_suite.py [--emulator wine] path/to/browser_cases.exe
"""
import argparse
import functools
import http.server
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

sys.dont_write_bytecode = True  # no cache files in the source tree
from devtools import Browser, BrowserError  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
FORMS = ('show_ads', 'async')
MODES = ('std', 'quirks')
EXPECTED_MODE = {'std': 'CSS1Compat', 'quirks': 'BackCompat'}
# Page pixels shown right of and below each table, to see where it ends.
SLACK = 6
GRID_WIDTH = 2400


def fail(message):
    print(f'browser suite: {message}', file=sys.stderr)
    sys.exit(1)


def write_cases(emulator, exe):
    """Runs the case writer; answers the folder it wrote."""
    command = ([emulator] if emulator else []) + [exe]
    # A file, not a pipe: Wine's helper processes inherit the handles and would hold a pipe
    # open long after the program has ended.
    with tempfile.TemporaryFile(mode='w+') as errors:
        result = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=errors)
        if result.returncode != 0:
            errors.seek(0)
            fail(f'the case writer failed: {errors.read().strip()}')
    folder = os.path.join(os.path.dirname(os.path.abspath(exe)), 'scratch', 'browser')
    if not os.path.isfile(os.path.join(folder, 'manifest.json')):
        fail(f'the case writer left no manifest in {folder}')
    return folder


def layout(cases):
    """Shelves of case boxes, tallest first: answers {id: (x, y)} and the grid's size."""
    places, x, y, shelf = {}, 0, 0, 0
    for case in sorted(cases, key=lambda c: -c['height']):
        w, h = case['width'] + SLACK, case['height'] + SLACK
        if x + w > GRID_WIDTH:
            x, y, shelf = 0, y + shelf, 0
        places[case['id']] = (x, y)
        x, shelf = x + w, max(shelf, h)
    return places, GRID_WIDTH, y + shelf


def page_body(folder, page):
    with open(os.path.join(folder, page), encoding='ascii', newline='') as f:
        text = f.read()
    return text[text.index('<body>\r\n') + 8:text.index('</body>')]


def write_grid(folder, name, cases, places, form, mode):
    boxes = []
    for case in cases:
        x, y = places[case['id']]
        body = page_body(folder, f'{case["id"]}.{form}.{mode}.html')
        boxes.append(
            f'<div class="case" id="{case["id"]}" style="position:absolute;left:{x}px;'
            f'top:{y}px;width:{case["width"] + SLACK}px;height:{case["height"] + SLACK}px;'
            f'background:#00c0c0">\r\n{body}</div>\r\n')
    with open(os.path.join(folder, name), 'w', encoding='ascii', newline='') as f:
        f.write('<!DOCTYPE html>\r\n' if mode == 'std' else '')
        f.write('<html>\r\n<body style="margin:0;background:#202020">\r\n')
        f.write(''.join(boxes))
        f.write('</body>\r\n</html>\r\n')


# Runs in the grid page once it has loaded: waits until every background picture is
# decoded, then answers what the DOM says of each case.
MEASURE = '''(async () => {
    const found = [];
    for (const box of document.querySelectorAll('div.case')) {
        const table = box.querySelector('table');
        const ad = box.querySelector('div iframe, ins.adsbygoogle');
        const img = new Image();
        img.src = getComputedStyle(box.querySelector('td')).backgroundImage.slice(5, -2);
        await img.decode().catch(() => {});
        const b = box.getBoundingClientRect();
        const t = table.getBoundingClientRect();
        const a = ad ? ad.getBoundingClientRect() : null;
        found.push({
            id: box.id, mode: document.compatMode,
            table: [t.left - b.left, t.top - b.top, t.width, t.height],
            ad: a && [a.left - t.left, a.top - t.top, a.right - t.left, a.bottom - t.top],
            picture: [img.naturalWidth, img.naturalHeight]});
    }
    await new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)));
    return found;
})()'''


def ad_in_table(case):
    """The placeholder relative to the picture's, and so the table's, top-left corner."""
    left, top = case['picture'][0], case['picture'][1]
    l, t, r, b = case['ad']
    return [l - left, t - top, r - left, b - top]


def dom_failures(cases, measured, form, mode):
    failures = []
    by_id = {m['id']: m for m in measured}
    for case in cases:
        m = by_id.get(case['id'])
        name = f'{case["id"]} {form} {mode}'
        if m is None:
            failures.append(f'{name}: case not found in the grid')
            continue
        checks = [
            ('document mode', m['mode'], EXPECTED_MODE[mode]),
            ('table', m['table'], [0, 0, case['width'], case['height']]),
            ('picture size', m['picture'], [case['width'], case['height']]),
            ('ad in the table', m['ad'], ad_in_table(case)),
        ]
        for what, got, want in checks:
            if got != want:
                failures.append(f'{name}: {what} is {got}, expected {want}')
    return failures


# Runs in a browser preview page once it has loaded.
MEASURE_PREVIEW = '''(async () => {
    const cell = document.querySelector('td');
    const ads = cell.querySelector('img');
    const img = new Image();
    img.src = getComputedStyle(cell).backgroundImage.slice(5, -2);
    await Promise.all([img.decode(), ads.decode()].map(p => p.catch(() => {})));
    const t = document.querySelector('table').getBoundingClientRect();
    const a = ads.getBoundingClientRect();
    await new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)));
    return {mode: document.compatMode, note: document.body.textContent,
            table: [t.left, t.top, t.width, t.height],
            ad: [a.left - t.left, a.top - t.top, a.right - t.left, a.bottom - t.top]};
})()'''


def render_previews(browser, base, folder, cases):
    """Each preview page opened and captured: answers the DOM failures and, per page, what
    its pixel check needs."""
    failures, shots = [], []
    for case in cases:
        if 'preview' not in case:
            continue
        name = f'{case["id"]} preview'
        browser.open(base + case['preview'] + 'preview.html')
        m = browser.evaluate(MEASURE_PREVIEW)
        x, y = m['table'][0], m['table'][1]
        checks = [
            ('document mode', m['mode'], EXPECTED_MODE['std']),
            ('table size', m['table'][2:], [case['width'], case['height']]),
            ('table corner', [x, y], [int(x), int(y)]),
            ('ads in the table', m['ad'], ad_in_table(case)),
            ('says the ads are samples', 'samples' in m['note'], True),
        ]
        failed = [f'{name}: {what} is {got}, expected {want}' for what, got, want in checks
                  if got != want]
        failures += failed
        if failed:
            continue
        shot = f'shot.preview.{case["id"]}.png'
        with open(os.path.join(folder, shot), 'wb') as f:
            f.write(browser.screenshot(int(x) + case['width'], int(y) + case['height']))
        l, t, r, b = m['ad']
        shots.append((name, [shot, case['preview'] + 'preview-ads.jpg', int(x + l), int(y + t),
                             int(r - l), int(b - t)]))
    return failures, shots


def serve(folder):
    class QuietHandler(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

        def end_headers(self):
            # Each grid asks for the same stand-in script once per case, and a parser-blocking
            # script is fetched again unless the answer may be cached.
            self.send_header('Cache-Control', 'max-age=600')
            super().end_headers()

    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def prepare_cases(args):
    """Writes the cases (or takes the last run's) and what the browser needs beside them:
    answers the folder and the cases, each with the size of its picture and table."""
    if args.reuse_cases:
        folder = os.path.join(os.path.dirname(os.path.abspath(args.exe)), 'scratch', 'browser')
    else:
        folder = write_cases(args.emulator, args.exe)
    with open(os.path.join(folder, 'manifest.json')) as f:
        cases = json.load(f)
    for case in cases:
        l, t, r, b = case['picture']
        case['width'], case['height'] = r - l, b - t
        if case['jpeg'] != [case['width'], case['height']]:
            fail(f'{case["id"]}: exported picture is {case["jpeg"]}, code says '
                 f'{case["width"]}x{case["height"]}')
    shutil.copytree(os.path.join(HERE, 'standin'), os.path.join(folder, 'standin'),
                    dirs_exist_ok=True)
    shutil.copy(os.path.join(HERE, 'check.js'), folder)
    with open(os.path.join(folder, 'check.html'), 'w') as f:
        f.write('<!DOCTYPE html>\n<html><body><script src="check.js"></script></body></html>\n')
    return folder, cases


def render_and_check(browser, folder, cases):
    """Every grid measured and captured, then every capture checked: answers the failures
    and when the rendering ended."""
    places, width, height = layout(cases)
    server = serve(folder)
    base = f'http://127.0.0.1:{server.server_address[1]}/'
    try:
        failures, shots = [], []
        browser.set_viewport(width, height)
        for form in FORMS:
            for mode in MODES:
                grid = f'grid.{form}.{mode}.html'
                write_grid(folder, grid, cases, places, form, mode)
                browser.open(base + grid)
                failures += dom_failures(cases, browser.evaluate(MEASURE), form, mode)
                shot = f'shot.{form}.{mode}.png'
                png = browser.screenshot(width, height)
                with open(os.path.join(folder, shot), 'wb') as f:
                    f.write(png)
                shots.append((shot, form, mode, png))
        failures_previews, preview_shots = render_previews(browser, base, folder, cases)
        failures += failures_previews
        rendered = time.monotonic()

        browser.open(base + 'check.html')
        checks = [{'x': places[c['id']][0], 'y': places[c['id']][1], 'width': c['width'],
                   'height': c['height'], 'jpeg': f'images/{c["id"]}.jpg', 'slack': SLACK,
                   'ad': ad_in_table(c)} for c in cases]
        # The grids place every case alike, so equal screenshots hold equal pixels and
        # answer alike: each distinct one is checked once.
        found = {}
        for shot, form, mode, png in shots:
            if png not in found:
                found[png] = browser.evaluate(
                    f'checkShot({json.dumps(shot)}, {json.dumps(checks)})')
            failures += [f'{cases[i]["id"]} {form} {mode}: {text}' for i, text in found[png]]
        for name, args in preview_shots:
            arguments = ', '.join(json.dumps(a) for a in args)
            failures += [f'{name}: {text}'
                         for text in browser.evaluate(f'checkPreview({arguments})')]
        return failures, rendered
    finally:
        server.shutdown()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--emulator', default='')
    parser.add_argument('--reuse-cases', action='store_true',
                        help='render the cases of the last run again instead of writing them')
    parser.add_argument('exe')
    args = parser.parse_args()

    chromium = shutil.which('chromium')
    if not chromium:
        fail('chromium is not installed (tools/deps.sh installs it)')
    started = time.monotonic()
    try:
        with Browser(chromium) as browser:  # starts while the cases are written
            folder, cases = prepare_cases(args)
            written = time.monotonic()
            failures, rendered = render_and_check(browser, folder, cases)
    except BrowserError as error:
        fail(f'chromium: {error}')
    done = time.monotonic()

    for line in failures:
        print(line)
    previews = sum('preview' in case for case in cases)
    print(f'browser suite: {len(cases)} templates x {len(FORMS)} code forms x {len(MODES)} '
          f'document modes and {previews} browser previews, {len(failures)} failures; cases {written - started:.1f} s, '
          f'rendering {rendered - written:.1f} s, pixel checks {done - rendered:.1f} s')
    sys.exit(1 if failures else 0)


if __name__ == '__main__':
    main()

"""One headless Chromium, driven over its DevTools pipe.

Chromium reads protocol commands from file descriptor 3 and writes its answers and events
to descriptor 4, each message JSON ended by a NUL byte. One page target serves every call.
"""
import base64
import fcntl
import json
import os
import subprocess
import tempfile


def _high_fd(fd):
    """The descriptor moved above 10, clear of the 3 and 4 the child needs."""
    moved = fcntl.fcntl(fd, fcntl.F_DUPFD, 10)
    os.close(fd)
    return moved


class BrowserError(Exception):
    pass


class Browser:
    def __init__(self, executable):
        self._profile = tempfile.TemporaryDirectory(prefix='ornamo-chromium-')
        to_child, self._commands = map(_high_fd, os.pipe())
        self._answers, from_child = map(_high_fd, os.pipe())

        def give_pipes():
            os.dup2(to_child, 3)
            os.dup2(from_child, 4)

        flags = ['--headless', '--no-sandbox', '--remote-debugging-pipe', '--hide-scrollbars',
                 '--force-device-scale-factor=1', '--disable-gpu', '--mute-audio',
                 '--no-first-run', '--disable-extensions', '--disable-background-networking',
                 f'--user-data-dir={self._profile.name}', 'about:blank']
        self._process = subprocess.Popen([executable] + flags, pass_fds=(3, 4),
                                         preexec_fn=give_pipes, stdin=subprocess.DEVNULL,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_child)
        os.close(from_child)
        self._buffer = b''
        self._next_id = 0
        self._events = []
        # The page is made at the first call that needs it, so the caller can do other
        # work while the browser starts.
        self._session = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        if self._process.poll() is None:
            try:
                self._call('Browser.close', session=False)
            except BrowserError:
                pass
            try:
                self._process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self._process.kill()
                self._process.wait()
        os.close(self._commands)
        os.close(self._answers)
        self._profile.cleanup()

    def _read_message(self):
        while b'\0' not in self._buffer:
            chunk = os.read(self._answers, 1 << 20)
            if not chunk:
                raise BrowserError('chromium closed its DevTools pipe')
            self._buffer += chunk
        end = self._buffer.index(b'\0')
        message = json.loads(self._buffer[:end])
        self._buffer = self._buffer[end + 1:]
        return message

    def _call(self, method, params=None, session=True):
        if session and self._session is None:
            target = self._call('Target.createTarget', {'url': 'about:blank'}, False)
            self._session = self._call('Target.attachToTarget',
                                       {'targetId': target['targetId'], 'flatten': True},
                                       False)['sessionId']
            self._call('Page.enable')
        self._next_id += 1
        message = {'id': self._next_id, 'method': method, 'params': params or {}}
        if session:
            message['sessionId'] = self._session
        data = json.dumps(message).encode() + b'\0'
        while data:
            data = data[os.write(self._commands, data):]
        while True:
            answer = self._read_message()
            if answer.get('id') == self._next_id:
                if 'error' in answer:
                    raise BrowserError(f'{method}: {answer["error"].get("message")}')
                return answer.get('result', {})
            if 'method' in answer:
                self._events.append(answer['method'])

    def _wait_event(self, method):
        while method not in self._events:
            message = self._read_message()
            if 'method' in message:
                self._events.append(message['method'])
        self._events.remove(method)

    def set_viewport(self, width, height):
        self._call('Emulation.setDeviceMetricsOverride',
                   {'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': False})

    def open(self, url):
        """Navigates and waits for the page's load event (frames and pictures included)."""
        self._events.clear()
        answer = self._call('Page.navigate', {'url': url})
        if answer.get('errorText'):
            raise BrowserError(f'{url}: {answer["errorText"]}')
        self._wait_event('Page.loadEventFired')

    def evaluate(self, expression):
        """The value of a script expression, awaited when it is a promise."""
        answer = self._call('Runtime.evaluate', {'expression': expression,
                                                 'awaitPromise': True, 'returnByValue': True})
        if 'exceptionDetails' in answer:
            details = answer['exceptionDetails']
            text = details.get('exception', {}).get('description') or details.get('text')
            raise BrowserError(f'script failed: {text}')
        return answer['result'].get('value')

    def screenshot(self, width, height):
        """PNG bytes of the page's top-left width x height pixels."""
        answer = self._call('Page.captureScreenshot', {
            'format': 'png', 'captureBeyondViewport': True,
            'clip': {'x': 0, 'y': 0, 'width': width, 'height': height, 'scale': 1}})
        return base64.b64decode(answer['data'])

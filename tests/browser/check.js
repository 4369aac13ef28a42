// Pixel checks of the browser suite, run in the browser that took the screenshots: it
// decodes the screenshot losslessly and the exported pictures the way it decoded them as
// backgrounds. checkShot(shotUrl, cases) answers the failures as [case index, text] pairs.
//
// Each case: {x, y, width, height, jpeg, ad: [l, t, r, b], slack}. (x, y) is where
// the case's table starts in the screenshot, width x height the table the code asks for,
// ad the placeholder relative to the table's top-left corner, slack how many pixels of the
// page show right of and below the table. The pictures stay decoded for the next shot.

const STAND_IN = [255, 0, 255];
const PAGE = [0, 192, 192];
const [SR, SG, SB] = STAND_IN;
const [PR, PG, PB] = PAGE;
// JPEG decoders may round differently; a misplaced picture differs far more.
const TOLERANCE = 8;

const decoded = new Map();

async function decode(url) {
    if (decoded.has(url))
        return decoded.get(url);
    const img = new Image();
    img.src = url;
    await img.decode();
    const canvas = document.createElement('canvas');
    canvas.width = img.naturalWidth;
    canvas.height = img.naturalHeight;
    const ctx = canvas.getContext('2d', {willReadFrequently: true});
    ctx.drawImage(img, 0, 0);
    const image = ctx.getImageData(0, 0, canvas.width, canvas.height);
    decoded.set(url, image);
    return image;
}

function differs(data, i, r, g, b, tolerance) {
    return Math.abs(data[i] - r) > tolerance || Math.abs(data[i + 1] - g) > tolerance ||
        Math.abs(data[i + 2] - b) > tolerance;
}

// Every pixel of the case's area: the page's colour beyond the table, the stand-in on the
// placeholder, the exported picture everywhere else. Counts each kind of mismatch and
// keeps the first pixel of each.
function checkCase(shot, picture, c) {
    const failures = [];
    if (picture.width !== c.width || picture.height !== c.height)
        failures.push(`picture is ${picture.width}x${picture.height}, ` +
                      `table ${c.width}x${c.height}`);
    const wrong = {};
    const s = shot.data, p = picture.data;
    const note = (kind, x, y, i) => {
        if (!wrong[kind])
            wrong[kind] = {count: 0, x, y, got: [s[i], s[i + 1], s[i + 2]]};
        wrong[kind].count++;
    };
    const [al, at, ar, ab] = c.ad;
    for (let y = 0; y < c.height + c.slack; y++) {
        for (let x = 0; x < c.width + c.slack; x++) {
            const i = ((c.y + y) * shot.width + c.x + x) * 4;
            if (x >= c.width || y >= c.height) {
                if (differs(s, i, PR, PG, PB, 0))
                    note('table larger than the code says', x, y, i);
            } else if (x >= al && x < ar && y >= at && y < ab) {
                if (differs(s, i, SR, SG, SB, 0))
                    note('ad not on its placeholder', x, y, i);
            } else if (!differs(s, i, SR, SG, SB, 0)) {
                note('ad outside its placeholder', x, y, i);
            } else if (x < picture.width && y < picture.height) {
                const j = (y * picture.width + x) * 4;
                if (differs(s, i, p[j], p[j + 1], p[j + 2], TOLERANCE))
                    note('background differs from the exported picture', x, y, i);
            }
        }
    }
    for (const [kind, w] of Object.entries(wrong))
        failures.push(`${kind}: ${w.count} pixels, first at (${w.x}, ${w.y}) rgb(${w.got})`);
    return failures;
}

async function checkShot(shotUrl, cases) {
    const shot = await decode(shotUrl);
    const failures = [];
    for (const [index, c] of cases.entries()) {
        for (const text of checkCase(shot, await decode(c.jpeg), c))
            failures.push([index, text]);
    }
    decoded.delete(shotUrl);
    return failures;
}

// The browser preview: every pixel of the sample-ads picture where the page shows it, its
// top-left corner at (x, y) in the screenshot.
async function checkPreview(shotUrl, adsUrl, x, y, width, height) {
    const shot = await decode(shotUrl);
    const ads = await decode(adsUrl);
    decoded.delete(shotUrl);
    decoded.delete(adsUrl);
    if (ads.width !== width || ads.height !== height)
        return [`sample ads picture is ${ads.width}x${ads.height}, placeholder ${width}x${height}`];
    let count = 0, first = null;
    for (let j = 0; j < height; j++) {
        for (let i = 0; i < width; i++) {
            const s = ((y + j) * shot.width + x + i) * 4, p = (j * width + i) * 4;
            if (differs(shot.data, s, ads.data[p], ads.data[p + 1], ads.data[p + 2], TOLERANCE)) {
                first = first || [i, j, shot.data[s], shot.data[s + 1], shot.data[s + 2]];
                count++;
            }
        }
    }
    return count ? [`sample ads not on the placeholder: ${count} pixels differ, first at ` +
                    `(${first[0]}, ${first[1]}) rgb(${first.slice(2)})`] : [];
}

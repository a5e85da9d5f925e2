// The window's fonts: asked for by name, with the font inside the page where the device lacks it, and the text
// height of the one the page really gets, which the layout is scaled by.

export const ShippedFont = 'QuarlSans';

function family(data) {
    return `"${data.fontName}", ${ShippedFont}, sans-serif`;
}

// The text height of the font at `size` pixels: ascent plus descent, each rounded to whole pixels. Browsers round
// the metrics they report, each its own way, so they are taken at a hundred times the size.
const Magnified = 100;

function textHeight(size, family) {
    const context = document.createElement('canvas').getContext('2d');
    context.font = `${size * Magnified}px ${family}`;
    const metrics = context.measureText('Hg');
    if (metrics.fontBoundingBoxAscent !== undefined) {
        const ascent = metrics.fontBoundingBoxAscent / Magnified;
        const descent = metrics.fontBoundingBoxDescent / Magnified;
        return Math.round(ascent) + Math.round(descent);
    }
    const probe = document.createElement('span');
    probe.style.font = `${size}px ${family}`;
    probe.style.lineHeight = 'normal';
    probe.textContent = 'Hg';
    document.body.append(probe);
    const height = Math.round(probe.getBoundingClientRect().height);
    probe.remove();
    return height;
}

// Waits for the fonts, then returns the window's and the labels' font and the scale for the window's layout.
export async function windowFonts(data, core) {
    const windowFont = `${data.windowFontHeight}px ${family(data)}`;
    await document.fonts.load(windowFont).catch(() => []);
    const height = textHeight(data.windowFontHeight, family(data));
    const scale = (pixels) => core.scaledToTextHeight(pixels, height);
    return { window: windowFont, label: `${scale(data.labelFontHeight)}px ${family(data)}`, scale, height };
}

// Colour arithmetic for readability checks: "rgb(r, g, b)" as computed styles give it, the relative luminance and
// the contrast ratio of two colours as the WCAG define them.
export function parseRgb(text) {
    const numbers = text.match(/[\d.]+/g)?.map(Number);
    if (!numbers || numbers.length < 3)
        throw new Error(`no colour in "${text}"`);
    return numbers.slice(0, 3);
}

export function luminance(text) {
    const [r, g, b] = parseRgb(text).map((value) => {
        const c = value / 255;
        return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}

export function contrast(foreground, background) {
    const [light, dark] = [luminance(foreground), luminance(background)].sort((a, b) => b - a);
    return (light + 0.05) / (dark + 0.05);
}

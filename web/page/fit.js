// The window keeps its size; where the viewport is narrower or lower (a phone), the whole window is scaled down
// to fit, so that its layout in its own pixels, and with it the boxes' display lines, stays the same.

export function fitToViewport(frame, window) {
    const fit = () => {
        window.style.transform = '';
        frame.style.width = '';
        frame.style.height = '';
        const style = getComputedStyle(frame);
        const padding = parseFloat(style.paddingLeft) + parseFloat(style.paddingRight);
        const width = window.offsetWidth;
        const height = window.offsetHeight;
        const root = document.documentElement;
        const scale = Math.min(1, (root.clientWidth - padding) / width, (root.clientHeight - padding) / height);
        if (scale < 1) {
            window.style.transform = `scale(${scale})`;
            frame.style.width = `${width * scale}px`;
            frame.style.height = `${height * scale}px`;
        }
    };
    fit();
    addEventListener('resize', fit);
}

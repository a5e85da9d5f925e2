// The fourteen building names in the order of the result, written out here rather than taken from the page.
const buildingNames = [
    'Planetenzentrale',
    'Raumhafen',
    'Wohngebäude',
    'Solarpark',
    'Eisenmine',
    'Siliziumraffinerie',
    'Kohlenstoffgewinnungsanlage',
    'Bohrturm',
    'Chemiefabrik',
    'Recyclinganlage',
    'Rohstofflager',
    'Schiffsfabrik',
    'Waffenfabrik',
    'Forschungszentrum',
];

export const inputHint =
    'Berichte hier einfügen. Idealerweise mit allen \n' +
    'Zeiten, auch von der ersten Mitteilung.\n' +
    '\n' +
    'Derzeit funktioniert nur der Sabo-counter.\n';

export const outputHint = 'Das Ergebnis erscheint hier.\n';

// Output's text after Sabo: the fourteen buildings with their counts (a building left out at 0), an empty line and
// the total, each line followed by a line break.
export function resultText(counts, total) {
    for (const name of Object.keys(counts))
        if (!buildingNames.includes(name))
            throw new Error(`"${name}" is no building`);
    const lines = buildingNames.map((name) => `${name}  (${counts[name] ?? 0})`);
    lines.push('', `Gesamt zerstörte Punkte: ${total}`);
    return lines.map((line) => `${line}\n`).join('');
}

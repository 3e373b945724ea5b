// Makes page/tiles.svg, the one picture file of the page: the tile body and the 34 faces of
// tiles/ as symbols, each face drawn over the body, with svgo's cleaning. Run after changing
// tiles/ (npm run tiles); the output is committed, so building the page needs no npm.
import { readFile, writeFile } from 'node:fs/promises';
import { optimize } from 'svgo';

const here = new URL('..', import.meta.url);
const suits = [['Sou', 'bamboo'], ['Man', 'characters'], ['Pin', 'dots']];
// In TileId order, 1..34.
const faces = [
    ...suits.flatMap(([file]) => [1, 2, 3, 4, 5, 6, 7, 8, 9].map(rank => `${file}${rank}`)),
    'Ton', 'Nan', 'Shaa', 'Pei', 'Chun', 'Hatsu', 'Haku',
];

// The Chinese white dragon is a blue frame; the artwork's white dragon is an empty face,
// which would read as a face-down tile.
const whiteDragonFrame =
    '<g fill="none" stroke="#1f4e9c"><rect x="62" y="72" width="176" height="256" rx="10" ' +
    'stroke-width="16"/><rect x="88" y="98" width="124" height="204" rx="4" stroke-width="6"/></g>';

async function inner(file, prefix) {
    const source = await readFile(new URL(`tiles/${file}.svg`, here), 'utf8');
    const { data } = optimize(source, {
        multipass: true,
        floatPrecision: 1,
        plugins: [
            'convertStyleToAttrs',
            'preset-default',
            'convertShapeToPath',
            'removeDimensions',
            { name: 'prefixIds', params: { prefix, delim: '' } },
        ],
    });
    return data.replace(/^<svg[^>]*>/, '').replace(/<\/svg>$/, '');
}

// A face-down tile (a concealed kong's outer two) and the warning tile of a wind that is needed
// but not chosen, drawn here.
const back = '<rect x="8" y="6" width="284" height="388" rx="36" fill="#2f7a5c"/>' +
             '<rect x="30" y="28" width="240" height="344" rx="22" fill="none" stroke="#9fd3b8" ' +
             'stroke-width="6" opacity=".55"/>';
const warning = '<path d="M150 92 262 300H38z" fill="#f0b429" stroke="#7a4b00" stroke-width="12" ' +
                'stroke-linejoin="round"/><path d="M150 160v72" stroke="#3b2500" stroke-width="22" ' +
                'stroke-linecap="round"/><circle cx="150" cy="268" r="13" fill="#3b2500"/>';

const symbols = [`<symbol id="body" viewBox="0 0 300 400">${await inner('Front', 'b')}</symbol>`,
                 `<symbol id="back" viewBox="0 0 300 400">${back}</symbol>`,
                 `<symbol id="warn" viewBox="0 0 300 400">${warning}</symbol>`];
for (const [index, file] of faces.entries()) {
    const tile = index + 1;
    const face = file === 'Haku' ? whiteDragonFrame : await inner(file, `f${tile}`);
    symbols.push(`<symbol id="t${tile}" viewBox="0 0 300 400">${face}</symbol>`);
}
const sprite = `<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink">` +
               `${symbols.join('')}</svg>\n`;
await writeFile(new URL('page/tiles.svg', here), sprite);
console.log(`page/tiles.svg: ${sprite.length} bytes`);

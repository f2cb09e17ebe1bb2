#!/usr/bin/env bash
# Maintainer's tool, never run by the build: refreshes assets/icons/game-icons.json from a
# release of the Game Icons set on npm, keeping only the shapes the artwork names, and says
# what changed. Needs npm and node; building the game needs neither.
#   scripts/refresh-icons.sh            the release the file came from
#   scripts/refresh-icons.sh 1.2.5      another release (the credits follow)
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in npm node; do
    command -v "$tool" >/dev/null || { echo "$0 needs $tool" >&2; exit 1; }
done
out=assets/icons/game-icons.json
version=${1:-$(node -p "require('./$out').info.version")}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# npm pack fetches the one tarball, with none of the set's dependencies.
(cd "$work" && npm pack --silent "@iconify-json/game-icons@$version" >/dev/null)
tar -xzf "$work/iconify-json-game-icons-$version.tgz" -C "$work"

# Names are found as quoted words in the artwork's sources, less the palette's colour names; a
# name built at run time would be missed, and the picture build then stops on it.
grep -ohE '"[a-z0-9]+(-[a-z0-9]+)+"|"[a-z]+"' tools/artgen/*.cpp tools/artgen/*.h |
    tr -d '"' | sort -u >"$work/words"

node - "$work/package" "$work/words" assets/palette.json "$out" "$version" <<'EOF'
const fs = require('fs');
const [dir, wordsFile, paletteFile, out, version] = process.argv.slice(2);
const set = JSON.parse(fs.readFileSync(`${dir}/icons.json`, 'utf8'));
const info = JSON.parse(fs.readFileSync(`${dir}/info.json`, 'utf8'));
const colours = JSON.parse(fs.readFileSync(paletteFile, 'utf8')).colours;
const words = fs.readFileSync(wordsFile, 'utf8').split('\n').filter((w) => w && !(w in colours));
const old = fs.existsSync(out) ? JSON.parse(fs.readFileSync(out, 'utf8')) : { icons: {} };

const icons = {};
for (const name of words.filter((w) => w in set.icons).sort()) icons[name] = set.icons[name];
delete info.samples;
const kept = {
    prefix: set.prefix,
    info: { ...info, version },
    lastModified: set.lastModified,
    width: set.width,
    height: set.height,
    icons,
};
fs.writeFileSync(out, JSON.stringify(kept, null, '\t') + '\n');

const changes = [];
for (const name of Object.keys(icons))
    if (!(name in old.icons)) changes.push(`added   ${name}`);
    else if (JSON.stringify(old.icons[name]) !== JSON.stringify(icons[name]))
        changes.push(`changed ${name}`);
for (const name of Object.keys(old.icons))
    if (!(name in icons)) changes.push(`removed ${name}`);
const from = old.info ? old.info.version : 'nothing';
console.log(`Game Icons ${from} -> ${version}: ${Object.keys(icons).length} shapes kept in ${out}`);
console.log(changes.length ? changes.join('\n') : 'no shape changed');
EOF

sed -i -E "s/(@iconify-json\/game-icons\` )[0-9]+(\.[0-9]+)*/\1$version/" assets/CREDITS.md
git --no-pager diff --stat -- "$out" assets/CREDITS.md

// Reads the design tokens that `tintmill --export tokens --dark` writes with
// Terrazzo's parser, an implementation of the DTCG format and resolver
// modules of its own, and resolves the document for each scheme: "light"
// (and no input at all) must give exactly the tokens of the light file's
// own export, "dark" those of the dark file's.
//
// Usage: node resolve.mjs TINTMILL
// Exits 77 (skipped) when the parser is not installed: scripts/install-deps.sh
// installs it from the npm registry, which a machine may not reach.

import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { isDeepStrictEqual } from 'node:util';
import { pathToFileURL } from 'node:url';

// Debian 12's Node.js (18) lacks two array methods of ES2023 that the parser
// calls; these are what the language defines them to do.
for (const [name, method] of [
  ['toSorted', function (compare) { return [...this].sort(compare); }],
  ['toReversed', function () { return [...this].reverse(); }],
]) {
  if (!(name in Array.prototype)) {
    Object.defineProperty(Array.prototype, name, { value: method, writable: true, configurable: true });
  }
}

let terrazzo;
try {
  terrazzo = await import('@terrazzo/parser');
} catch (error) {
  console.log(`SKIP: the design-token parser is not installed (${error.code ?? error.message}); scripts/install-deps.sh installs it`);
  process.exit(77);
}

// By role index: background, text, small block, link, visited, active,
// medium block, hover. No colour of one is the other's.
const day = '#FFFFCC333333CCCCCC0000FF990099FF0000999999FF00FF\r\n';
const night = '#000033FFFFFF33336666CCFFCC99FFFF9900333333FFFF00\r\n';

const tintmill = path.resolve(process.argv[2]);
const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'tintmill-tokens-'));
fs.writeFileSync(path.join(folder, 'day.iro'), day, 'latin1');
fs.writeFileSync(path.join(folder, 'night.iro'), night, 'latin1');
const exported = (...files) => {
  const run = spawnSync(tintmill, ['--export', 'tokens', ...files], { cwd: folder, encoding: 'utf8' });
  if (run.status !== 0) {
    throw new Error(`tintmill ${files.join(' ')}: ${run.error ?? run.status} ${run.stderr}`);
  }
  return run.stdout;
};

const config = terrazzo.defineConfig({}, { cwd: pathToFileURL(`${folder}/`) });
const read = async (name, src) =>
  terrazzo.parse([{ filename: pathToFileURL(path.join(folder, name)), src }], { config });
const tokensOf = (set) =>
  Object.fromEntries(Object.entries(set).map(([id, token]) => [id, { $type: token.$type, $value: token.$value }]));

const failures = [];
const check = (condition, what) => {
  if (!condition) failures.push(what);
};
try {
  const both = await read('colors.resolver.json', exported('--dark', 'night.iro', 'day.iro'));
  const light = tokensOf((await read('day.tokens.json', exported('day.iro'))).tokens);
  const dark = tokensOf((await read('night.tokens.json', exported('night.iro'))).tokens);
  check(Object.keys(light).length === 8, `eight tokens in the light file: ${Object.keys(light)}`);
  check(both.resolver !== undefined, 'read as a resolver document');
  check(
    isDeepStrictEqual(both.resolver.listPermutations(), [{ theme: 'light' }, { theme: 'dark' }]),
    `the theme's two contexts: ${JSON.stringify(both.resolver.listPermutations())}`,
  );
  for (const [input, expected] of [
    [{ theme: 'light' }, light],
    [{ theme: 'dark' }, dark],
    [{}, light],
  ]) {
    const resolved = tokensOf(both.resolver.apply(input));
    check(
      isDeepStrictEqual(resolved, expected),
      `${JSON.stringify(input)} resolves to ${JSON.stringify(resolved)}, not ${JSON.stringify(expected)}`,
    );
  }
} finally {
  fs.rmSync(folder, { recursive: true, force: true });
}
for (const failure of failures) {
  console.log(`FAIL: ${failure}`);
}
console.log(failures.length === 0 ? '1 passed, 0 failed' : '0 passed, 1 failed');
process.exit(failures.length === 0 ? 0 : 1);

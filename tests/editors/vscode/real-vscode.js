// Drives a real VS Code (code-server, already started with the extension installed) in a headless
// Chromium: the script's problems must show as squiggles, in the Problems panel and in a hover with the
// command line's own words and places, the quick fix must replace exactly the word, completion must
// offer commands, and saving must keep the file's code page.
// Usage: node real-vscode.js URL SCRIPT CHECK_OUTPUT SCREENSHOT
'use strict';

const fs = require('fs');
const path = require('path');
const { chromium } = require('playwright-core');

const [url, script, checkOutput, screenshot] = process.argv.slice(2);
const fileName = path.basename(script);
// As the game reads it: UTF-8 when it is valid UTF-8, else Windows-1252.
function readScript(bytes) {
  try {
    return new TextDecoder('utf-8', { fatal: true }).decode(bytes);
  } catch {
    return new TextDecoder('windows-1252').decode(bytes);
  }
}
const scriptLines = readScript(fs.readFileSync(script)).split('\n');
const timeout = Number(process.env.CORVANE_UI_TIMEOUT_MS || 30000);

// `corvane-script check` lines: FILE:LINE:COLUMN: error: message. The command line counts columns in
// characters, VS Code in UTF-16 units: a character beyond U+FFFF before the problem counts twice.
function expectedProblems() {
  const problems = [];
  for (const line of fs.readFileSync(checkOutput, 'utf8').split('\n')) {
    const m = /^.*:(\d+):(\d+): (error|warning): (.*)$/.exec(line);
    if (!m) continue;
    const before = [...scriptLines[Number(m[1]) - 1]].slice(0, Number(m[2]) - 1).join('');
    problems.push({ line: Number(m[1]), column: before.length + 1, severity: m[3], message: m[4] });
  }
  if (problems.length === 0) throw new Error(`no problems in the check output ${checkOutput}`);
  return problems;
}

// The editor draws spaces of its lines as no-break spaces.
const plain = (text) => text.replace(/\u00a0/g, ' ');

let step = 'starting';
async function check(name, action) {
  step = name;
  await action();
  console.log(`ok: ${name}`);
}

// Polls `get` until `done` holds for its value or the time is up; gives the last value.
async function poll(page, get, done) {
  let value = await get();
  for (const end = Date.now() + timeout; !done(value) && Date.now() < end; value = await get()) {
    await page.waitForTimeout(100);
  }
  return value;
}

// The editor reuses its line elements, so their order on the page is not the order of the lines.
async function editorLines(page) {
  const lines = await page.locator('.monaco-editor .view-lines .view-line').evaluateAll((elements) =>
    elements.map((e) => ({ top: parseFloat(e.style.top), text: e.textContent }))
      .sort((a, b) => a.top - b.top).map((l) => l.text));
  return lines.map(plain);
}

async function run() {
  const problems = expectedProblems();
  const unknown = problems.find((p) => /did you mean (\S+)\?$/.test(p.message));
  if (!unknown) throw new Error('the check output has no problem with a suggestion');
  const suggestion = /did you mean (\S+)\?$/.exec(unknown.message)[1];
  const unknownWord = /the unknown word (\S+);/.exec(unknown.message)?.[1];
  if (!unknownWord) throw new Error(`no unknown word named in "${unknown.message}"`);

  const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--disable-gpu', '--disable-dev-shm-usage'],
  });
  let page;
  try {
    page = await browser.newPage({ viewport: { width: 1366, height: 768 } });
    page.setDefaultTimeout(timeout);
    const editor = page.locator('.monaco-editor[data-uri$="' + fileName + '"]').first();

    await check('the workbench loads', async () => {
      await page.goto(url);
      await page.locator('.monaco-workbench .part.editor').waitFor();
      await page.locator('.explorer-folders-view').waitFor();
    });

    await check(`${fileName} opens as a Corvane AI script`, async () => {
      await page.locator('.monaco-workbench').click({ position: { x: 683, y: 400 } });
      await page.keyboard.press('Control+P');
      const input = page.locator('.quick-input-widget input');
      await input.waitFor();
      await input.fill(fileName);
      await page.locator('.quick-input-list .monaco-list-row').first().waitFor();
      await page.keyboard.press('Enter');
      await editor.waitFor();
      await page.locator('.statusbar-item', { hasText: 'Corvane AI script' }).first().waitFor();
    });

    await check(`every problem is underlined (${problems.length})`, async () => {
      const squiggles = editor.locator('.squiggly-error, .squiggly-warning');
      await squiggles.nth(problems.length - 1).waitFor({ state: 'attached' });
    });

    await check('the Problems panel lists every problem with its words and place', async () => {
      await page.keyboard.press('Control+Shift+M');
      const panel = page.locator('.markers-panel');
      await panel.waitFor();
      for (const p of problems) {
        const row = panel.locator('.monaco-list-row', { hasText: p.message }).first();
        await row.waitFor();
        const text = plain(await row.innerText());
        const place = `[Ln ${p.line}, Col ${p.column}]`;
        if (!text.includes(place)) throw new Error(`the row of "${p.message}" lacks ${place}: ${text}`);
      }
    });

    const wordOnScreen = editor.locator('.view-line span', { hasText: unknownWord }).last();

    await check('hovering the unknown word shows its problem', async () => {
      const box = await wordOnScreen.boundingBox();
      if (!box) throw new Error('the unknown word is not on screen');
      await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
      await page.locator('.monaco-hover', { hasText: unknown.message }).first().waitFor();
      await page.screenshot({ path: screenshot });
    });

    await check(`the quick fix "Replace with ${suggestion}" changes the text`, async () => {
      await page.mouse.move(683, 740);
      await page.keyboard.press('Escape');
      await wordOnScreen.click();
      await page.keyboard.press('Control+.');
      // The menu opens with its first action chosen; Enter applies the chosen one.
      await page.locator('.action-widget .monaco-list-row.focused', { hasText: `Replace with ${suggestion}` }).waitFor();
      await page.keyboard.press('Enter');
      // Exactly the word is replaced, nothing beside it.
      const fixed = scriptLines[unknown.line - 1].replace(unknownWord, suggestion).trim();
      const shown = await poll(page, async () => ((await editorLines(page))[unknown.line - 1] || '').trim(),
        (line) => line === fixed);
      if (shown !== fixed) throw new Error(`line ${unknown.line} reads "${shown}", not "${fixed}"`);
      // The server checks the changed text: the fixed problem leaves the panel, the others stay.
      await page.locator('.markers-panel .monaco-list-row', { hasText: unknown.message }).waitFor({ state: 'detached' });
      for (const p of problems.filter((p) => p !== unknown)) {
        await page.locator('.markers-panel .monaco-list-row', { hasText: p.message }).waitFor();
      }
    });

    await check('completion after DO offers commands', async () => {
      await page.keyboard.press('End');
      await page.keyboard.press('Enter');
      await page.keyboard.type('DO ');
      const widget = page.locator('.editor-widget.suggest-widget');
      if (!(await widget.isVisible())) await page.keyboard.press('Control+Space');
      await widget.locator('.monaco-list-row', { hasText: 'STATE_CONSTRUCT_BUILDING' }).first().waitFor();
      await page.keyboard.press('Escape');
      const lines = await editorLines(page);
      if (!/^\s+DO $/.test(lines[unknown.line])) {
        throw new Error(`DO was not typed on a line of its own after line ${unknown.line}: ${lines.join(' | ')}`);
      }
    });

    await check('saving keeps the script in its code page', async () => {
      await page.keyboard.press('Control+S');
      const fixed = scriptLines[unknown.line - 1].replace(unknownWord, suggestion);
      const saved = await poll(page, async () => fs.readFileSync(script), (bytes) => bytes.includes(suggestion));
      const text = readScript(saved);
      if (text !== new TextDecoder('windows-1252').decode(saved)) throw new Error('the script was saved as UTF-8');
      const line = text.split('\n')[unknown.line - 1];
      if (line !== fixed) throw new Error(`the saved line ${unknown.line} reads "${line}", not "${fixed}"`);
    });

    console.log('text after the edits:\n' + (await editorLines(page)).join('\n'));
  } catch (error) {
    if (page && process.env.CORVANE_FAILED_SHOT) {
      await page.screenshot({ path: process.env.CORVANE_FAILED_SHOT }).catch(() => {});
    }
    throw error;
  } finally {
    await browser.close();
  }
}

run().then(() => console.log('VS Code in the browser: all checks passed'), (error) => {
  console.error(`FAILED: ${step}: ${error.message.split('\n')[0]}`);
  process.exit(1);
});
